#include "gas/IdealLaw.h"

namespace volvenza::gas {

Result<IdealLaw> IdealLaw::Create(const IdealLawSettings& s) {
    if (!(s.Exponent >= 1.0 && s.Exponent <= 1.67)) {
        return Message(MessageId::ExponentRange, {MsgNumber(s.Exponent)});
    }
    const double chargeK = s.ChargeTemp + kKelvin;
    const double workK = s.WorkTemp + kKelvin;
    if (!(chargeK > 0 && workK > 0)) {
        return Message(MessageId::TemperaturesAboveZero);
    }
    if (!(s.P0 + kAtmosphere > 0 && s.Pm + kAtmosphere > 0)) {
        return Message(MessageId::PressuresPositive);
    }
    IdealLaw law;
    law.exponent_ = s.Exponent;
    law.v0_ = s.V0;
    const double p0 = (s.P0 + kAtmosphere) * workK / chargeK;
    law.precharge_ = p0 - kAtmosphere;
    law.pm_ = s.Pm;
    law.pmAbs_ = s.Pm + kAtmosphere;
    if (s.Start == ChargeStart::Fast) {
        law.fullVolume_ = s.V0 * std::pow(p0 / law.pmAbs_, 1 / s.Exponent);
        law.fullTemp_ = workK * std::pow(s.V0 / law.fullVolume_, s.Exponent - 1);
    } else {
        law.fullVolume_ = s.V0 * p0 / law.pmAbs_;
        law.fullTemp_ = workK;
    }
    law.Fill();
    return law;
}

}  // namespace volvenza::gas
