#include "tools/volvenza-sim/SimText.h"

#include <algorithm>
#include <regex>
#include <string_view>
#include <vector>

#include "platform/Language.h"

namespace volvenza {
namespace {

struct Entry {
    const char* italian;
    const char* english;
};

constexpr Entry kCatalogue[] = {
#include "SimCatalogue.inc"
};

struct Pattern {
    const Entry* entry;
    std::regex match;
    size_t literal;  // characters outside the %n parts
};

// The Italian with its %1, %2... parts as captures and the rest literal.
Pattern Compile(const Entry& entry) {
    static const std::regex marker("%[1-9]");
    static const std::regex special(R"([.^$|()\[\]{}*+?\\])");
    const std::string source = entry.italian;
    std::string expression;
    size_t literal = 0;
    size_t from = 0;
    for (auto it = std::sregex_iterator(source.begin(), source.end(), marker);
         it != std::sregex_iterator(); ++it) {
        const std::string text = source.substr(from, it->position() - from);
        expression += std::regex_replace(text, special, R"(\$&)") + "([\\s\\S]*)";
        literal += text.size();
        from = it->position() + it->length();
    }
    const std::string text = source.substr(from);
    expression += std::regex_replace(text, special, R"(\$&)");
    literal += text.size();
    return {&entry, std::regex(expression), literal};
}

// The patterns with the most fixed text first, so that a whole message wins
// over a pattern that would also take it.
const std::vector<Pattern>& Patterns() {
    static const std::vector<Pattern> patterns = [] {
        std::vector<Pattern> list;
        for (const Entry& entry : kCatalogue) list.push_back(Compile(entry));
        std::stable_sort(list.begin(), list.end(),
                         [](const Pattern& a, const Pattern& b) { return a.literal > b.literal; });
        return list;
    }();
    return patterns;
}

bool IsCommaNumber(const std::string& part) {
    static const std::regex number("-?[0-9]+(,[0-9]+)?([eE][-+]?[0-9]+)?");
    return std::regex_match(part, number);
}

std::string Translate(const std::string& text, int depth) {
    if (depth > 4) return text;
    for (const Pattern& p : Patterns()) {
        std::smatch m;
        if (!std::regex_match(text, m, p.match)) continue;
        std::vector<std::string> parts;
        for (size_t i = 1; i < m.size(); ++i) {
            std::string part = m[i].str();
            if (IsCommaNumber(part)) {
                std::replace(part.begin(), part.end(), ',', '.');
            } else {
                part = Translate(part, depth + 1);
            }
            parts.push_back(part);
        }
        // %1, %2... replaced in one pass: a part holding "%1" stays as it is.
        const std::string_view english = p.entry->english;
        std::string out;
        for (size_t i = 0; i < english.size(); ++i) {
            const char next = i + 1 < english.size() ? english[i + 1] : '\0';
            if (english[i] == '%' && next >= '1' && next <= '9' &&
                static_cast<size_t>(next - '0') <= parts.size()) {
                out += parts[static_cast<size_t>(next - '1')];
                ++i;
            } else {
                out += english[i];
            }
        }
        return out;
    }
    return text;
}

}  // namespace

bool SimInEnglish() {
    return LanguageFromEnvironment() == UiLanguage::English;
}

std::string SimText(const std::string& italian) {
    return SimInEnglish() ? Translate(italian, 0) : italian;
}

std::string SimTemplate(const char* italian) {
    if (!SimInEnglish()) return italian;
    const std::string_view text = italian;
    for (const Entry& entry : kCatalogue) {
        if (text == entry.italian) return entry.english;
    }
    return italian;
}

}  // namespace volvenza
