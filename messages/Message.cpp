#include "messages/Message.h"

#include <cstdio>
#include <cstdlib>
#include <ostream>
#include <string_view>
#include <utility>

#include "numbers/NumberText.h"
#include "numbers/Rounding.h"

namespace volvenza {
namespace {

std::string General(double x, int digits, char decimal) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.*g", digits, x);
    std::string s = buf;
    for (char& c : s) {
        if (c == '.') c = decimal;
    }
    return s;
}

std::string FixedText(double x, int decimals, char decimal) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, x);
    std::string s = buf;
    for (char& c : s) {
        if (c == '.') c = decimal;
    }
    return s;
}

// A message shown alone is a sentence with its stop; set inside another it
// is a part of that one's sentence, which has its own.
std::string NestedText(const Message& message, const Wording& wording) {
    std::string text = MessageText(message, wording);
    if (std::string_view(MessageSource(message.id)).ends_with('.') && !text.empty() &&
        text.back() == '.') {
        text.pop_back();
    }
    return text;
}

std::string PartText(const MessagePart& part, const Wording& wording) {
    switch (part.kind) {
        case MessagePart::Kind::General:
            return General(part.number, part.digits, wording.Decimal);
        case MessagePart::Kind::Fixed:
            return FixedText(part.number, part.digits, wording.Decimal);
        case MessagePart::Kind::Rounded:
            return General(RoundHalfEven(part.number, part.digits), 15, wording.Decimal);
        case MessagePart::Kind::Box:
            return part.digits == 7 ? FormatNumber(static_cast<float>(part.number), wording.Decimal)
                                    : FormatNumber(part.number, wording.Decimal);
        case MessagePart::Kind::Catalogue:
            return wording.Translate ? wording.Translate(part.context, part.text.c_str())
                                     : part.text;
        case MessagePart::Kind::Nested:
            return part.nested ? NestedText(*part.nested, wording) : std::string();
        case MessagePart::Kind::Text:
            break;
    }
    return part.text;
}

}  // namespace

bool Message::operator==(const Message& other) const {
    return ItalianText(*this) == ItalianText(other);
}

MessagePart MsgNumber(double x, int digits) {
    MessagePart p;
    p.kind = MessagePart::Kind::General;
    p.number = x;
    p.digits = digits;
    return p;
}

MessagePart MsgNumberBeyond(double x, double limit) {
    int digits = 7;
    // Seventeen digits always read back as the number itself.
    for (; digits < 17; ++digits) {
        char buf[40];
        std::snprintf(buf, sizeof buf, "%.*g", digits, x);
        const double shown = std::strtod(buf, nullptr);
        if ((shown < limit) == (x < limit) && (shown > limit) == (x > limit)) break;
    }
    return MsgNumber(x, digits);
}

MessagePart MsgFixed(double x, int decimals) {
    MessagePart p;
    p.kind = MessagePart::Kind::Fixed;
    p.number = x;
    p.digits = decimals;
    return p;
}

MessagePart MsgRounded(double x, int decimals) {
    MessagePart p = MsgFixed(x, decimals);
    p.kind = MessagePart::Kind::Rounded;
    return p;
}

MessagePart MsgBoxNumber(float x) {
    MessagePart p = MsgNumber(x, 7);
    p.kind = MessagePart::Kind::Box;
    return p;
}

MessagePart MsgBoxNumber(double x) {
    MessagePart p = MsgNumber(x, 15);
    p.kind = MessagePart::Kind::Box;
    return p;
}

MessagePart MsgInteger(long long n) {
    return MsgVerbatim(std::to_string(n));
}

MessagePart MsgVerbatim(std::string text) {
    MessagePart p;
    p.text = std::move(text);
    return p;
}

MessagePart MsgNested(Message message) {
    MessagePart p;
    p.kind = MessagePart::Kind::Nested;
    p.nested = std::make_shared<const Message>(std::move(message));
    return p;
}

MessagePart MsgCatalogue(const char* context, const char* italian) {
    MessagePart p = MsgVerbatim(italian);
    p.kind = MessagePart::Kind::Catalogue;
    p.context = context;
    return p;
}

std::ostream& operator<<(std::ostream& out, const Message& message) {
    return out << ItalianText(message);
}

std::string FillParts(const std::string& pattern, const std::vector<std::string>& parts) {
    std::string out;
    for (size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const size_t n = next >= '1' && next <= '9' ? static_cast<size_t>(next - '0') : 0;
        if (pattern[i] == '%' && n >= 1 && n <= parts.size()) {
            out += parts[n - 1];
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

std::string MessageText(const Message& message, const Wording& wording) {
    const char* source = MessageSource(message.id);
    const std::string pattern =
        wording.Translate ? wording.Translate(kMessageContext, source) : std::string(source);
    std::vector<std::string> parts;
    parts.reserve(message.parts.size());
    for (const MessagePart& part : message.parts) parts.push_back(PartText(part, wording));
    return FillParts(pattern, parts);
}

std::string ItalianText(const Message& message) {
    return MessageText(message, Wording{nullptr, ','});
}

}  // namespace volvenza
