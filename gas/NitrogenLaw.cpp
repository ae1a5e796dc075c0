#include "gas/NitrogenLaw.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace volvenza::gas {
namespace {

using nitrogen::kGasConstant;

// Denser than this the gas is beyond the equation (above 22000 bar at any
// working temperature): the step reports an over-full accumulator instead.
// No gas the law follows comes near it, so a little more or less is the same.
constexpr double kMaxStepDensity = 1400;  // mutants: skip

}  // namespace

Result<NitrogenLaw> NitrogenLaw::Create(const NitrogenLawSettings& s) {
    if (!(s.V0 > 0)) {
        return Message(MessageId::GasVolumePositive);
    }
    if (!(s.TimeStep > 0)) {
        return Message(MessageId::TimeStepPositive);
    }
    if (!(s.Tau >= 0)) {
        return Message(MessageId::TimeConstantRange, {MsgNumber(s.Tau)});
    }
    const double chargeK = s.ChargeTemp + kKelvin;
    const double chargeAbs = (s.P0 + kAtmosphere) * 1e5;
    auto chargeRho = nitrogen::DensityAt(chargeK, chargeAbs);
    if (!chargeRho) return Message(MessageId::AtPrecharge, {MsgNested(chargeRho.Error())});
    if (nitrogen::DomainOf(chargeK, *chargeRho, chargeAbs) != GasDomain::Gas) {
        const Message condenses(MessageId::NitrogenCondensesAt,
                                {MsgNumber(s.ChargeTemp), MsgNumber(chargeAbs / 1e5)});
        return Message(MessageId::AtPrecharge, {MsgNested(condenses)});
    }
    const double workK = s.WorkTemp + kKelvin;
    if (auto range = nitrogen::CheckRange(workK, 1e5); !range) return range.Error();
    const double pmAbs = (s.Pm + kAtmosphere) * 1e5;
    auto fullRho = nitrogen::DensityAt(workK, pmAbs);
    if (!fullRho) return Message(MessageId::AtMaxPressure, {MsgNested(fullRho.Error())});

    NitrogenLaw law;
    law.v0_ = s.V0;
    law.mass_ = *chargeRho * s.V0 * 1e-3;
    law.pmAbs_ = pmAbs;
    law.workTemp_ = workK;
    law.relax_ = std::isinf(s.Tau) ? 1.0 : (s.Tau == 0 ? 0.0 : std::exp(-s.TimeStep / s.Tau));
    // The precharge at the working temperature, where a fast charge starts from.
    const double emptyRho = law.mass_ / (s.V0 * 1e-3);
    law.volume_ = s.V0;
    law.Settle(nitrogen::PrepareDensity(emptyRho), workK);
    law.precharge_ = law.pressure_;
    law.CheckDomain();
    if (s.Start == ChargeStart::Fast && law.relax_ != 0 && law.domain_ == GasDomain::Gas) {
        law.Fill();
    } else if (law.domain_ == GasDomain::Gas) {
        law.volume_ = law.mass_ / *fullRho * 1e3;
        law.Settle(nitrogen::PrepareDensity(*fullRho), workK);
        law.CheckDomain();
    }
    return law;
}

void NitrogenLaw::Settle(const nitrogen::DensityTerms& terms, double temperature) {
    const nitrogen::Helmholtz f = nitrogen::Evaluate(terms, temperature);
    constexpr double R = kGasConstant;
    temperature_ = temperature;
    rho_ = terms.rho;
    pressure_ = rho_ * R * temperature * (1 + f.ar_d) / 1e5 - kAtmosphere;
    entropy_ = R * (f.a0_t + f.ar_t - f.a0 - f.ar);
    // Read only by the next step's first estimate, which Newton then corrects.
    cv_ = -R * (f.a0_tt + f.ar_tt);             // mutants: skip
    dpdT_ = rho_ * R * (1 + f.ar_d - f.ar_dt);  // mutants: skip
}

void NitrogenLaw::Isentropic(const nitrogen::DensityTerms& terms) {
    // First-order estimate, then Newton on s(T) at the new density, whose
    // slope is cv / T.
    constexpr double R = kGasConstant;
    const double rho = terms.rho;
    // Only where Newton starts: a worse start costs an iteration, not accuracy.
    double T = temperature_ - temperature_ / cv_ * dpdT_ * (1 / rho - 1 / rho_);  // mutants: skip
    // A step that changes the density by much (a few grams of gas squeezed
    // to a thousandth of V0 and let go) starts Newton so far away that below
    // the saturation line the equation can hold it at a root of no physical
    // meaning; the bracketed search from the last temperature finds the one
    // on the near side. Both land on the same root where Newton is safe.
    const bool far = std::fabs(T - temperature_) > 0.05 * temperature_;  // mutants: skip
    double dT = 0, p = 0, s = 0, cv = 0, dpdT = 0;
    bool converged = false;
    // The search ends on convergence within a few rounds; the cap only stops
    // one that cannot converge, so an iteration more or less changes nothing.
    for (int i = 0; !far && i < 20; ++i) {  // mutants: skip
        T = std::clamp(T, nitrogen::kTripleTemperature, nitrogen::kMaxTemperature);
        const nitrogen::Helmholtz f = nitrogen::Evaluate(terms, T);
        p = rho * R * T * (1 + f.ar_d);
        s = R * (f.a0_t + f.ar_t - f.a0 - f.ar);
        cv = -R * (f.a0_tt + f.ar_tt);
        dpdT = rho * R * (1 + f.ar_d - f.ar_dt);
        dT = (entropy_ - s) * T / cv;
        // Newton converges quadratically: once a correction is this small,
        // the state at T + dT follows from the one at T to first order, with
        // an error near rounding, and a bound a little tighter or looser only
        // costs or saves a round.
        const double small = 1e-7 * T;  // mutants: skip
        converged = std::fabs(dT) < small;
        if (converged) break;
        T += dT;
    }
    if (!converged) {
        // Expanding cools the gas and compressing warms it: the root lies
        // between the last temperature and the end of the range, or, when
        // there is none, just past that end.
        const double target = entropy_;
        const bool expanding = rho < rho_;
        const double lo = expanding ? nitrogen::kTripleTemperature : temperature_;
        const double hi = expanding ? temperature_ : nitrogen::kMaxTemperature;
        auto solved = nitrogen::TemperatureAt(target, rho, temperature_, lo, hi);
        const double beyond = expanding ? std::nextafter(lo, 0.0) : std::nextafter(hi, 2 * hi);
        Settle(terms, solved ? *solved : beyond);
        entropy_ = target;
        return;
    }
    rho_ = rho;
    cv_ = cv;
    dpdT_ = dpdT;
    temperature_ = T + dT;
    entropy_ = s + cv / T * dT;
    pressure_ = (p + dpdT * dT) / 1e5 - kAtmosphere;
}

double NitrogenLaw::Step(double volume) {
    if (!(volume > 0)) return std::numeric_limits<double>::infinity();
    const double rho = mass_ / (volume * 1e-3);
    if (!(rho <= kMaxStepDensity)) return std::numeric_limits<double>::infinity();
    const nitrogen::DensityTerms terms = nitrogen::PrepareDensity(rho);
    volume_ = volume;
    if (relax_ == 0) {
        Settle(terms, workTemp_);
        CheckDomain();
        return pressure_;
    }
    Isentropic(terms);
    // Then the heat exchange with the wall over the step. It moves the
    // temperature by 1 - exp(-dt / tau) of its distance from the working
    // temperature, a few thousandths of a kelvin at the time constants of
    // accumulators; up to 1e-5 T the state there follows from this one to
    // first order, with an error of the order of (1e-5)^2. Both ways give
    // the same state to that order, so the bound only picks the cheaper one.
    const double adiabatic = temperature_;
    const double relaxed = workTemp_ + (adiabatic - workTemp_) * relax_;
    if (std::fabs(relaxed - adiabatic) < 1e-5 * adiabatic) {  // mutants: skip
        temperature_ = relaxed;
        entropy_ += cv_ / adiabatic * (relaxed - adiabatic);
        pressure_ += dpdT_ * (relaxed - adiabatic) / 1e5;
    } else {
        Settle(terms, relaxed);
    }
    CheckDomain();
    return pressure_;
}

double NitrogenLaw::Fill() {
    // The step that reached the maximum pressure went a little past it. The
    // isothermal gas is put back at the working temperature; any other goes
    // back along its isentrope, so that a gas without heat exchange keeps its
    // entropy over a whole run. Both start from the density at the maximum
    // pressure at the present temperature, a couple of iterations away.
    if (domain_ != GasDomain::Gas) return volume_;  // the run is over
    auto start = nitrogen::DensityAt(temperature_, pmAbs_, rho_);
    if (!start) return volume_;  // at the equation's limits: keep the gas
    if (relax_ == 0) {
        Settle(nitrogen::PrepareDensity(*start), temperature_);
    } else {
        auto absolute = [this] { return (pressure_ + kAtmosphere) * 1e5; };
        double r0 = rho_, p0 = absolute();
        double r1 = *start;
        // The search ends on convergence within a few rounds; the cap only stops
        // one that cannot converge, so an iteration more or less changes nothing.
        for (int i = 0; i < 20; ++i) {  // mutants: skip
            Isentropic(nitrogen::PrepareDensity(r1));
            const double p1 = absolute();
            // Within rounding of Pm, or no longer moving: the two stops give
            // the same state, so either one alone would do.
            const bool there = std::fabs(p1 - pmAbs_) <= 1e-12 * pmAbs_;  // mutants: skip
            if (there || p1 == p0) break;
            const double next = r1 + (pmAbs_ - p1) * (r1 - r0) / (p1 - p0);
            r0 = r1;
            p0 = p1;
            r1 = next;
        }
    }
    volume_ = mass_ / rho_ * 1e3;
    CheckDomain();
    return volume_;
}

}  // namespace volvenza::gas
