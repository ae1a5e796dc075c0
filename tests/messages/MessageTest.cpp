// The messages as the windows show them: every message has its English,
// with the same parts; numbers take the language's decimal separator; a
// file's errors read, in both languages, as whole sentences.

#include "messages/Message.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>

namespace volvenza {
namespace {

// The English catalogue's texts of the messages' context, Italian to English.
std::map<std::string, std::string> EnglishMessages() {
    std::ifstream in(VOLVENZA_SOURCE_DIR "/translations/volvenza_en.ts");
    std::stringstream whole;
    whole << in.rdbuf();
    const std::string ts = whole.str();
    const size_t from = ts.find(std::string("<name>") + kMessageContext + "</name>");
    const std::string context = ts.substr(from, ts.find("</context>", from) - from);
    const auto unescape = [](std::string s) {
        const std::pair<const char*, const char*> entities[] = {
            {"&apos;", "'"}, {"&quot;", "\""}, {"&lt;", "<"}, {"&gt;", ">"}, {"&amp;", "&"}};
        for (const auto& [entity, text] : entities) {
            for (size_t at; (at = s.find(entity)) != std::string::npos;)
                s.replace(at, std::strlen(entity), text);
        }
        return s;
    };
    std::map<std::string, std::string> english;
    const std::regex message("<source>([^<]*)</source>\\s*<translation>([^<]*)</translation>");
    for (std::sregex_iterator it(context.begin(), context.end(), message), end; it != end; ++it)
        english[unescape((*it)[1])] = unescape((*it)[2]);
    return english;
}

std::set<std::string> Placeholders(const std::string& text) {
    std::set<std::string> found;
    const std::regex placeholder("%[0-9]");
    for (std::sregex_iterator it(text.begin(), text.end(), placeholder), end; it != end; ++it)
        found.insert(it->str());
    return found;
}

const std::map<std::string, std::string>& Catalogue() {
    static const auto english = EnglishMessages();
    return english;
}

const Wording kEnglish{[](const char*, const char* italian) { return Catalogue().at(italian); },
                       '.'};

TEST(Messages, EveryMessageHasItsEnglishWithTheSameParts) {
    ASSERT_GT(Catalogue().size(), 100u);
    for (int i = 0; i < static_cast<int>(MessageId::Count); ++i) {
        const std::string italian = MessageSource(static_cast<MessageId>(i));
        const auto english = Catalogue().find(italian);
        ASSERT_NE(english, Catalogue().end()) << "message " << i << ": " << italian;
        EXPECT_FALSE(english->second.empty()) << italian;
        // %1..%n, each used, in both languages.
        const std::set<std::string> parts = Placeholders(italian);
        for (size_t n = 1; n <= parts.size(); ++n)
            EXPECT_TRUE(parts.count("%" + std::to_string(n))) << italian;
        EXPECT_EQ(Placeholders(english->second), parts) << italian;
    }
    EXPECT_STREQ(MessageSource(MessageId::Count), "");
}

TEST(Messages, NumbersTakeTheLanguagesSeparatorAndTheirDigits) {
    struct Case {
        MessagePart part;
        const char* italian;
        const char* english;
    };
    const Case cases[] = {
        {MsgNumber(0.1 + 0.2), "0,3", "0.3"},
        {MsgNumber(1234567.8), "1234568", "1234568"},
        {MsgNumber(2.5e-5, 3), "2,5e-05", "2.5e-05"},
        {MsgFixed(2.5, 2), "2,50", "2.50"},
        {MsgRounded(0.125, 2), "0,12", "0.12"},  // half to even
        {MsgRounded(0.375, 2), "0,38", "0.38"},
        {MsgRounded(2.5, 0), "2", "2"},
        {MsgInteger(-42), "-42", "-42"},
        // As many digits as it takes to read on its side of the limit.
        {MsgNumberBeyond(63.15099999999998, 63.151), "63,15099999999998", "63.15099999999998"},
        {MsgNumberBeyond(63.1510000001, 63.151), "63,1510000001", "63.1510000001"},
        {MsgNumberBeyond(1.5, 2), "1,5", "1.5"},
        {MsgNumberBeyond(2, 2), "2", "2"},
    };
    for (const Case& c : cases) {
        const Message m(MessageId::RangeFromTo, {c.part, MsgVerbatim("x")});
        EXPECT_EQ(ItalianText(m), std::string("da ") + c.italian + " a x");
        EXPECT_EQ(MessageText(m, kEnglish), std::string(c.english) + " to x");
    }
}

TEST(Messages, FileErrorsReadAsWholeSentences) {
    const std::string path = "/home/ada/50%1 %2.vlz";  // a name may hold "%1"
    struct Case {
        Message message;
        const char* italian;
        const char* english;
    };
    const Case cases[] = {
        {Message(MessageId::SaveFailedBecause,
                 {MsgVerbatim(path), MsgNested(Message(MessageId::ReasonDiskFull))}),
         "Impossibile salvare il file /home/ada/50%1 %2.vlz: il disco è pieno; il file di prima, "
         "se c'era, è rimasto com'era.",
         "Cannot save the file /home/ada/50%1 %2.vlz: the disk is full; the earlier file, if "
         "there was one, is as it was."},
        {Message(MessageId::OpenFailed, {MsgVerbatim(path)}),
         "Impossibile aprire il file /home/ada/50%1 %2.vlz.",
         "Cannot open the file /home/ada/50%1 %2.vlz."},
        {Message(MessageId::ProjectInvalid,
                 {MsgVerbatim("p.vlzp"),
                  MsgNested(Message(MessageId::FieldValueOutOfRange,
                                    {MsgVerbatim("/dati_iniziali/V0"), MsgNumber(-1.5),
                                     MsgNested(Message(MessageId::RangeFromTo,
                                                       {MsgNumber(0), MsgNumber(1e5)}))}))}),
         "Il file p.vlzp non è un progetto Volvenza valido: il campo /dati_iniziali/V0 vale -1,5, "
         "fuori dall'intervallo ammesso: da 0 a 100000.",
         "The file p.vlzp is not a valid Volvenza project: the field /dati_iniziali/V0 is -1.5, "
         "outside the allowed range: 0 to 100000."},
        {Message(MessageId::SimulationFileField,
                 {MsgVerbatim("a.vlz"), MsgInteger(3), MsgVerbatim("Kind"), MsgVerbatim("2,5"),
                  MsgNested(Message(MessageId::ReasonNotWhole, {MsgInteger(1), MsgInteger(7)}))}),
         "Il file a.vlz non è un file di simulazione valido: alla riga 3 il campo Kind vale «2,5», "
         "che non è un numero intero da 1 a 7.",
         "The file a.vlz is not a valid simulation file: on line 3 the field Kind is “2,5”, which "
         "is not a whole number from 1 to 7."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ItalianText(c.message), c.italian);
        EXPECT_EQ(MessageText(c.message, kEnglish), c.english);
    }
    // Equal messages are those that read the same.
    EXPECT_EQ(cases[1].message, Message(MessageId::OpenFailed, {MsgVerbatim(path)}));
    EXPECT_FALSE(cases[1].message == Message(MessageId::OpenFailed, {MsgVerbatim("b")}));
}

}  // namespace
}  // namespace volvenza
