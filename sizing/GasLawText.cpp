#include "sizing/GasLawText.h"

#include <cmath>

#include "messages/TranslationMark.h"
#include "numbers/NumberText.h"
#include "numbers/Rounding.h"

namespace volvenza::sizing {

std::string GasLawText(const GasSettings& gas, const Wording& w, LawFigures figures) {
    const auto say = [&w](const char* italian, const std::vector<std::string>& parts = {}) {
        return FillParts(
            w.Translate ? w.Translate("volvenza::SizingText", italian) : std::string(italian),
            parts);
    };
    const bool rounded = figures == LawFigures::Rounded;
    const auto num = [&](double value, int decimals) {
        return FormatNumber(rounded ? RoundHalfEven(value, decimals) : value, w.Decimal);
    };
    switch (gas.Law) {
        case GasLawKind::Ideal:
            return say(QT_TRANSLATE_NOOP("volvenza::SizingText", "gas ideale, n = %1"),
                       {num(gas.Exponent, 3)});
        case GasLawKind::Nitrogen:
            if (!std::isinf(gas.Tau)) {
                return say(QT_TRANSLATE_NOOP("volvenza::SizingText", "azoto reale, τ = %1 s"),
                           {num(gas.Tau, 2)});
            }
            return rounded ? say(QT_TRANSLATE_NOOP("volvenza::SizingText",
                                                   "azoto reale, τ infinita (adiabatica)"))
                           : say(QT_TRANSLATE_NOOP("volvenza::SizingText",
                                                   "azoto reale, τ = ∞ (adiabatica)"));
        case GasLawKind::Classic:
            break;
    }
    return say(QT_TRANSLATE_NOOP("volvenza::SizingText", "classica"));
}

}  // namespace volvenza::sizing
