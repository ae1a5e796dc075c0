#include "tools/volvenza-sim/CatalogueOption.h"

#include <sstream>

#include "numbers/NumberText.h"
#include "sizing/CatalogueForm.h"

namespace volvenza {

using namespace sizing;

namespace {
constexpr char kBetweenParts = ':';
}  // namespace

std::optional<std::vector<CatalogueSize>> ReadCatalogueOption(const std::string& text,
                                                              AccumulatorType type) {
    std::vector<CatalogueSize> sizes;
    std::stringstream in(text);
    std::string item;
    while (std::getline(in, item, kOptionSizesBetween)) {
        std::vector<std::string> parts;
        std::stringstream fields(item);
        std::string part;
        while (std::getline(fields, part, kBetweenParts)) parts.push_back(part);
        if (parts.empty() || parts.size() > kCatalogueColumns.size()) return std::nullopt;
        const auto v0 = ParseNumber<double>(parts[0]);
        if (!v0) return std::nullopt;
        CatalogueSize size = DefaultSize(type, Dm3(*v0));
        for (size_t i = 1; i < parts.size(); ++i) {
            if (TrimBlanks(parts[i]).empty()) continue;
            const auto value = ParseNumber<double>(parts[i]);
            if (!value) return std::nullopt;
            kCatalogueColumns[i].set(size, *value);
        }
        sizes.push_back(size);
    }
    return sizes;
}

std::string CatalogueOptionText(const std::vector<std::vector<std::optional<double>>>& sizes) {
    std::string text;
    for (const std::vector<std::optional<double>>& size : sizes) {
        if (!text.empty()) text += kOptionSizesBetween;
        // The parts up to the last one given.
        std::string parts;
        std::string pending;
        for (const std::optional<double>& figure : size) {
            if (figure) {
                parts += pending + FormatNumber(*figure, '.');
                pending.clear();
            }
            pending += kBetweenParts;
        }
        text += parts;
    }
    return text;
}

}  // namespace volvenza
