#include "gas/IdealLaw.h"

#include <string>

#include "gas/MessageNumber.h"

namespace volvenza::gas {

Result<IdealLaw> IdealLaw::Create(const IdealLawSettings& s) {
    if (!(s.Exponent >= 1.0 && s.Exponent <= 1.67)) {
        return Result<IdealLaw>::Fail(
            "L'esponente della politropica deve essere compreso tra 1 "
            "e 1,67 (ora " +
            MessageNumber(s.Exponent) + ")");
    }
    const double chargeK = s.ChargeTemp + kKelvin;
    const double workK = s.WorkTemp + kKelvin;
    if (!(chargeK > 0 && workK > 0)) {
        return Result<IdealLaw>::Fail(
            "Le temperature di carica e di lavoro devono essere sopra lo zero assoluto");
    }
    if (!(s.P0 + kAtmosphere > 0 && s.Pm + kAtmosphere > 0)) {
        return Result<IdealLaw>::Fail(
            "Le pressioni assolute di precarica e massima devono essere maggiori di 0");
    }
    IdealLaw law;
    law.exponent_ = s.Exponent;
    const double p0 = (s.P0 + kAtmosphere) * workK / chargeK;
    law.precharge_ = p0 - kAtmosphere;
    law.constant_ = p0 * std::pow(s.V0, s.Exponent);
    law.fullVolume_ = s.V0 * std::pow(p0 / (s.Pm + kAtmosphere), 1 / s.Exponent);
    law.pm_ = s.Pm;
    law.workTemp_ = s.WorkTemp;
    law.Fill();
    return law;
}

}  // namespace volvenza::gas
