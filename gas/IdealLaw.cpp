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
    // The settings are gauge, as typed; the law works on absolute pressures.
    const AbsoluteBar charged = ToAbsolute(GaugeBar(s.P0)), pm = ToAbsolute(GaugeBar(s.Pm));
    if (!(charged > AbsoluteBar(0) && pm > AbsoluteBar(0))) {
        return Message(MessageId::PressuresPositive);
    }
    IdealLaw law;
    law.exponent_ = s.Exponent;
    law.v0_ = s.V0;
    const double p0 = charged.value() * workK / chargeK;
    law.precharge_ = ToGauge(AbsoluteBar(p0)).value();
    law.pmAbs_ = pm.value();
    if (s.Start == ChargeStart::Fast) {
        law.fullVolume_ = s.V0 * std::pow(p0 / law.pmAbs_, 1 / s.Exponent);
        law.fullTemp_ = workK * std::pow(s.V0 / law.fullVolume_, s.Exponent - 1);
    } else {
        law.fullVolume_ = s.V0 * p0 / law.pmAbs_;
        law.fullTemp_ = workK;
    }
    return law;
}

double IdealLaw::WorkBetween(double v1, double v2) const {
    // p V^n = C: the integral of C V^-n, written through expm1 so that it
    // stays exact as n approaches 1, where it becomes C ln(v2 / v1).
    const double c = pmAbs_ * 100 * std::pow(fullVolume_, exponent_);  // J dm3^(n-1)
    const double ln = std::log(v2 / v1);
    const double x = (1 - exponent_) * ln;
    const double scale = x == 0 ? 1 : std::expm1(x) / x;
    return c * std::pow(v1, 1 - exponent_) * ln * scale;
}

}  // namespace volvenza::gas
