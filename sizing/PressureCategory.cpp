#include "sizing/PressureCategory.h"

#include "numbers/Rounding.h"
#include "sizing/Requirements.h"

namespace volvenza::sizing {

PressureCategory VesselCategory(GaugeBar rated, Dm3 volume) {
    using C = PressureCategory;
    const double ps = rated.value(), litres = volume.value();
    if (!(ps > 0.5)) return C::Outside;
    if (litres <= 1) {
        // Small vessels fall under the table on their pressure alone.
        if (ps <= 1000) return C::SoundPractice;
        return ps <= 3000 ? C::III : C::IV;
    }
    // The product of two typed decimals may land a rounding error above a
    // line it sits on (0,1 + 0,2 in binary); the lines are whole bar·L.
    const double product = RoundHalfEven(ps * litres, 6);
    if (product <= 50) return C::SoundPractice;
    if (product <= 200) return C::I;
    if (product <= 1000) return C::II;
    if (product <= 3000 || ps <= 4) return C::III;
    return C::IV;
}

GaugeBar ClassingPressure(const CatalogueSize& size, const Requirements& req, GaugeBar pm) {
    return size.RatedPressure.value_or(req.RatedPressure.value_or(pm));
}

const char* CategoryCode(PressureCategory category) {
    switch (category) {
        case PressureCategory::Outside:
            return "outside";
        case PressureCategory::SoundPractice:
            return "4.3";
        case PressureCategory::I:
            return "I";
        case PressureCategory::II:
            return "II";
        case PressureCategory::III:
            return "III";
        case PressureCategory::IV:
            break;
    }
    return "IV";
}

}  // namespace volvenza::sizing
