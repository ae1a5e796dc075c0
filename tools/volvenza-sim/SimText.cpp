#include "tools/volvenza-sim/SimText.h"

#include <string_view>

#include "platform/LanguageChoice.h"

namespace volvenza {
namespace {

struct Entry {
    const char* italian;
    const char* english;
};

constexpr Entry kCatalogue[] = {
#include "SimCatalogue.inc"
};

}  // namespace

bool SimInEnglish() {
    return LanguageFromEnvironment() == UiLanguage::English;
}

std::string SimText(const std::string& italian) {
    return SimTemplate(italian.c_str());
}

std::string SimTemplate(const char* italian) {
    if (!SimInEnglish()) return italian;
    const std::string_view text = italian;
    for (const Entry& entry : kCatalogue) {
        if (text == entry.italian) return entry.english;
    }
    return italian;
}

std::string SimFill(const char* italian, const std::vector<std::string>& parts) {
    return FillParts(SimTemplate(italian), parts);
}

Wording SimWording() {
    return Wording{[](const char*, const char* italian) { return SimTemplate(italian); },
                   SimInEnglish() ? '.' : ','};
}

std::string SimMessage(const Message& message) {
    return MessageText(message, SimWording());
}

}  // namespace volvenza
