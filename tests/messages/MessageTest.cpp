// The messages as the windows show them: every message has its English,
// with the same parts and the same stop; numbers take the language's decimal
// separator; a message reads, in both languages, as a whole sentence, one
// set inside another as a part of that one's.

#include "messages/Message.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>
#include <tuple>
#include <utility>
#include <vector>

#include "tests/support/Files.h"

namespace volvenza {
namespace {

// The English catalogue's texts of the messages, by their Italian.
const std::map<std::string, std::string>& English() {
    static const auto english = [] {
        std::string text = test::ReadAll(VOLVENZA_SOURCE_DIR "/translations/volvenza_en.ts");
        for (const auto& [entity, c] : {std::pair{"&apos;", "'"}, {"&quot;", "\""}, {"&amp;", "&"}})
            text = std::regex_replace(text, std::regex(entity), c);
        const size_t from = text.find(std::string("<name>") + kMessageContext + "<");
        const std::string context = text.substr(from, text.find("</context>", from) - from);
        std::map<std::string, std::string> found;
        const std::regex entry("<source>([^<]*)</source>\\s*<translation>([^<]*)</translation>");
        for (std::sregex_iterator it(context.begin(), context.end(), entry), end; it != end; ++it)
            found[(*it)[1]] = (*it)[2];
        return found;
    }();
    return english;
}

const Wording kEnglish{[](const char*, const char* italian) { return English().at(italian); }, '.'};

std::set<std::string> Parts(const std::string& text) {
    const std::regex part("%[0-9]");
    return {std::sregex_token_iterator(text.begin(), text.end(), part), {}};
}

TEST(Messages, EveryMessageHasItsEnglishWithTheSameParts) {
    for (int i = 0; i < static_cast<int>(MessageId::Count); ++i) {
        const std::string italian = MessageSource(static_cast<MessageId>(i));
        const auto english = English().find(italian);
        ASSERT_NE(english, English().end()) << i << ": " << italian;
        ASSERT_FALSE(english->second.empty()) << italian;
        // %1..%n, each used, in both languages.
        const std::set<std::string> parts = Parts(italian);
        EXPECT_TRUE(parts.empty() || parts.count("%" + std::to_string(parts.size()))) << italian;
        EXPECT_EQ(Parts(english->second), parts) << italian;
        EXPECT_EQ(italian.back() == '.', english->second.back() == '.') << italian;
    }
    EXPECT_STREQ(MessageSource(MessageId::Count), "");
}

TEST(Messages, NumbersTakeTheLanguagesSeparatorAndTheirDigits) {
    const std::tuple<MessagePart, const char*, const char*> cases[] = {
        {MsgNumber(0.1 + 0.2), "0,3", "0.3"},
        {MsgNumber(2.5e-5, 3), "2,5e-05", "2.5e-05"},
        {MsgFixed(2.5, 2), "2,50", "2.50"},
        {MsgRounded(0.125, 2), "0,12", "0.12"},  // half to even
        {MsgRounded(1234567890123456.0, 0), "1,23456789012346e+15", "1.23456789012346e+15"},
        // As many digits as it takes to read on its side of the limit.
        {MsgNumberBeyond(63.15099999999998, 63.151), "63,15099999999998", "63.15099999999998"},
        {MsgNumberBeyond(63.1510000001, 63.151), "63,1510000001", "63.1510000001"},
        {MsgNumberBeyond(1.23456789, 2), "1,234568", "1.234568"},
        {MsgNumberBeyond(0.1, 0.1), "0,1", "0.1"},  // on the limit itself, as few digits
        // As a box shows it: a single's own digits, the exponent as %G.
        {MsgBoxNumber(4.7f), "4,7", "4.7"},
        {MsgBoxNumber(1.5e20), "1,5E+20", "1.5E+20"},
    };
    for (const auto& [part, italian, english] : cases) {
        const Message m(MessageId::RangeFromTo, {part, MsgVerbatim("x")});
        EXPECT_EQ(ItalianText(m), std::string("da ") + italian + " a x");
        EXPECT_EQ(MessageText(m, kEnglish), std::string(english) + " to x");
    }
    // A catalogue text is looked up in its own context; Italian as it is.
    const Message header(MessageId::RangeAtLeast, {MsgCatalogue("volvenza::Other", "Carico")});
    const Wording tagged{[](const char* context, const char* italian) {
                             return std::string(context) + "/" + italian;
                         },
                         '.'};
    EXPECT_EQ(MessageText(header, tagged), "volvenza::Message/almeno volvenza::Other/Carico");
    EXPECT_EQ(ItalianText(header), "almeno Carico");
}

// Parts fill %1..%9 in one pass; anything else after a % stays as it is.
TEST(Messages, PartsFillTheirPlacesOnly) {
    const std::vector<std::string> ten = {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"};
    for (const auto& [pattern, filled] :
         {std::pair{"%1%2", "ab"}, {"%9 %:", "i %:"}, {"%0 %x 100%", "%0 %x 100%"}})
        EXPECT_EQ(FillParts(pattern, ten), filled) << pattern;
    EXPECT_EQ(FillParts("%1 %2 %3", {"%2", "x"}), "%2 x %3");
}

TEST(Messages, ReadAsWholeSentences) {
    const std::string path = "/home/ada/50%1 %2.vlz";  // a name may hold "%1"
    const Message range(MessageId::RangeFromTo, {MsgNumber(0), MsgNumber(1e5)});
    const Message field(MessageId::FieldValueOutOfRange,
                        {MsgVerbatim("/dati_iniziali/V0"), MsgNumber(-1.5), MsgNested(range)});
    const std::tuple<Message, const char*, const char*> cases[] = {
        {Message(MessageId::SaveFailedBecause,
                 {MsgVerbatim(path), MsgNested(Message(MessageId::ReasonDiskFull))}),
         "Impossibile salvare il file /home/ada/50%1 %2.vlz: il disco è pieno; il file di prima, "
         "se c'era, è rimasto com'era.",
         "Cannot save the file /home/ada/50%1 %2.vlz: the disk is full; the earlier file, if "
         "there was one, is as it was."},
        {Message(MessageId::ProjectInvalid, {MsgVerbatim("p.vlzp"), MsgNested(field)}),
         "Il file p.vlzp non è un progetto Volvenza valido: il campo /dati_iniziali/V0 vale -1,5, "
         "fuori dall'intervallo ammesso: da 0 a 100000.",
         "The file p.vlzp is not a valid Volvenza project: the field /dati_iniziali/V0 is -1.5, "
         "outside the allowed range: 0 to 100000."},
        // A sentence set inside another leaves its stop to that one.
        {Message(MessageId::CannotStart, {MsgNested(Message(MessageId::MinAboveMax))}),
         "La temperatura minima non può superare la massima, la simulazione non può partire.",
         "The minimum temperature cannot exceed the maximum, the simulation cannot start."},
    };
    for (const auto& [message, italian, english] : cases) {
        EXPECT_EQ(ItalianText(message), italian);
        EXPECT_EQ(MessageText(message, kEnglish), english);
    }
}

}  // namespace
}  // namespace volvenza
