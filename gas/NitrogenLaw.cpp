#include "gas/NitrogenLaw.h"

#include <algorithm>
#include <cmath>

namespace volvenza::gas {
namespace {

using nitrogen::kGasConstant;

}  // namespace

Result<NitrogenLaw> NitrogenLaw::Create(const NitrogenLawSettings& s) {
    if (!(s.V0 > 0)) {
        return Message(MessageId::GasVolumePositive);
    }
    if (!(s.Tau >= 0)) {
        return Message(MessageId::TimeConstantRange, {MsgNumber(s.Tau)});
    }
    const double chargeK = s.ChargeTemp + kKelvin;
    // The settings are gauge, as typed; the equation works on absolute pascals.
    const double chargeAbs = ToAbsolute(GaugeBar(s.P0)).value() * 1e5;
    auto chargeRho = nitrogen::DensityAt(chargeK, chargeAbs);
    if (!chargeRho) return Message(MessageId::AtPrecharge, {MsgNested(chargeRho.Error())});
    if (nitrogen::DomainOf(chargeK, *chargeRho, chargeAbs) != GasDomain::Gas) {
        const Message condenses(MessageId::NitrogenCondensesAt,
                                {MsgNumber(s.ChargeTemp), MsgNumber(chargeAbs / 1e5)});
        return Message(MessageId::AtPrecharge, {MsgNested(condenses)});
    }
    const double workK = s.WorkTemp + kKelvin;
    if (auto range = nitrogen::CheckRange(workK, 1e5); !range) return range.Error();
    const double pmAbs = ToAbsolute(GaugeBar(s.Pm)).value() * 1e5;
    auto fullRho = nitrogen::DensityAt(workK, pmAbs);
    if (!fullRho) return Message(MessageId::AtMaxPressure, {MsgNested(fullRho.Error())});

    NitrogenLaw law;
    law.v0_ = s.V0;
    law.mass_ = *chargeRho * s.V0 * 1e-3;
    law.workTemp_ = workK;
    law.tau_ = s.Tau;
    // The precharge at the working temperature, where a fast charge starts from.
    const NitrogenState empty = law.At(law.Density(s.V0), workK);
    law.precharge_ = empty.Gauge();
    law.full_ = law.At(*fullRho, workK);
    if (empty.domain != GasDomain::Gas) {
        law.full_ = empty;
    } else if (s.Start == ChargeStart::Fast && s.Tau != 0 && law.full_.domain == GasDomain::Gas) {
        // The isothermal gas has no isentrope to be charged along.
        if (auto hot = law.AtPressureWithEntropy(pmAbs, empty.s, law.full_)) law.full_ = *hot;
    }
    return law;
}

NitrogenState NitrogenLaw::Settle(const nitrogen::Helmholtz& f, double rho, double T) const {
    constexpr double R = kGasConstant;
    NitrogenState st;
    st.rho = rho;
    st.T = T;
    st.p = rho * R * T * (1 + f.ar_d);
    st.s = R * (f.a0_t + f.ar_t - f.a0 - f.ar);
    st.u = R * T * (f.a0_t + f.ar_t);
    st.cv = -R * (f.a0_tt + f.ar_tt);
    st.dpdT = rho * R * (1 + f.ar_d - f.ar_dt);
    st.dpdrho = R * T * (1 + 2 * f.ar_d + f.ar_dd);
    st.domain = nitrogen::DomainOf(T, rho, st.p);
    return st;
}

NitrogenState NitrogenLaw::At(const nitrogen::DensityTerms& terms, double T) const {
    return Settle(nitrogen::Evaluate(terms, T), terms.rho, T);
}

NitrogenState NitrogenLaw::At(double rho, double T) const {
    return At(nitrogen::PrepareDensity(rho), T);
}

NitrogenState NitrogenLaw::WithEntropy(double rho, double s, const NitrogenState& near) const {
    return WithEntropy(nitrogen::PrepareDensity(rho), s, near);
}

NitrogenState NitrogenLaw::WithEntropy(const nitrogen::DensityTerms& terms, double s,
                                       const NitrogenState& near) const {
    return Solve(terms, s, near, true);
}

NitrogenState NitrogenLaw::Solve(const nitrogen::DensityTerms& terms, double s,
                                 const NitrogenState& near, bool march) const {
    using nitrogen::kMaxTemperature;
    using nitrogen::kTripleTemperature;
    const double rho = terms.rho;
    // ds = cv / T dT - (dp/dT) / rho^2 drho from the state near, in the
    // logarithms of T and rho, where an ideal gas's isentrope is a straight
    // line: the guess is off only by how much cv and dp/dT change on the way.
    double T = near.T * std::exp(near.dpdT / (near.rho * near.cv) * std::log(rho / near.rho) +
                                 (s - near.s) / near.cv);
    // Newton on s(T) at this density, whose slope is cv / T, from the guess.
    // Below the saturation line the equation has roots of no physical
    // meaning: a search that wanders from the guess, or lands outside the
    // gas, is not trusted, and the gas is followed there instead in steps
    // Newton can take, so that it keeps to its own branch and a state past
    // the saturation line or the triple point is found where the path
    // crosses it.
    const double guess = T;
    for (int i = 0; i < 8 && std::fabs(T - guess) < 0.05 * guess; ++i) {
        T = std::clamp(T, kTripleTemperature, kMaxTemperature);
        NitrogenState st = At(terms, T);
        const double dT = (s - st.s) * T / st.cv;
        // Newton converges quadratically: once a correction is below
        // 3e-5 T, the state at T + dT follows from the one at T to first
        // order, off by about dT^2 / (2 T), below 5e-10 T.
        if (std::fabs(dT) < 3e-5 * T) {
            st.T += dT;
            st.p += st.dpdT * dT;
            st.u += st.cv * dT;
            st.s = s;
            if (st.domain == GasDomain::Gas || !march || near.domain != GasDomain::Gas) return st;
            break;
        }
        T += dT;
    }
    if (march && near.domain == GasDomain::Gas) {
        // Steps of 2 % of the temperature and of the density at most.
        const double steps = std::max(std::fabs(guess - near.T) / (0.02 * near.T),
                                      std::abs(std::log(rho / near.rho)) / 0.02);
        const int n = std::min(200, std::max(2, static_cast<int>(std::ceil(steps))));
        NitrogenState at = near;
        for (int i = 1; i < n; ++i) {
            const double f = static_cast<double>(i) / n;
            at = Solve(nitrogen::PrepareDensity(near.rho + (rho - near.rho) * f),
                       near.s + (s - near.s) * f, at, false);
            if (at.domain != GasDomain::Gas) return at;
        }
        return Solve(terms, s, at, false);
    }
    auto solved = nitrogen::TemperatureAt(s, rho, near.T);
    if (solved) return At(terms, *solved);
    // No gas temperature in range has this entropy: the edge it lies beyond.
    const bool cold = At(terms, kTripleTemperature).s > s;
    NitrogenState edge = At(terms, cold ? kTripleTemperature : kMaxTemperature);
    edge.domain = cold ? GasDomain::BelowTriple : GasDomain::OutOfRange;
    return edge;
}

std::optional<NitrogenState> NitrogenLaw::AtPressureWithEntropy(double p, double s,
                                                                const NitrogenState& near) const {
    // Newton in (rho, T) on p(rho, T) = p and s(rho, T) = s, starting along
    // the isentrope through the state near: dp = w^2 drho there.
    NitrogenState st = near;
    double rho = near.rho, T = near.T;
    for (int i = 0; i < 50; ++i) {
        const double dsdT = st.cv / T, dsdrho = -st.dpdT / (rho * rho);
        const double fp = st.p - p, fs = st.s - s;
        const double det = st.dpdrho * dsdT - st.dpdT * dsdrho;
        double drho = (-fp * dsdT + fs * st.dpdT) / det;
        double dT = (-fs * st.dpdrho + fp * dsdrho) / det;
        // Never a step past zero density or out of the temperature range.
        while (rho + drho <= 0 || T + dT < nitrogen::kTripleTemperature ||
               T + dT > nitrogen::kMaxTemperature) {
            drho /= 2;
            dT /= 2;
            if (std::fabs(drho) < 1e-300) return std::nullopt;
        }
        rho += drho;
        T += dT;
        st = At(rho, T);
        if (std::fabs(drho) <= 1e-12 * rho && std::fabs(dT) <= 1e-12 * T) return st;
    }
    return std::nullopt;
}

std::optional<NitrogenState> NitrogenLaw::AtPressureAndTemperature(
    double p, double T, const NitrogenState& near) const {
    auto rho = nitrogen::DensityAt(T, p, near.rho);
    if (!rho) return std::nullopt;
    return At(*rho, T);
}

}  // namespace volvenza::gas
