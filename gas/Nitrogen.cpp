#include "gas/Nitrogen.h"

#include <cmath>

namespace volvenza::gas::nitrogen {
namespace {

// Coefficients of the residual and ideal-gas parts as published by Span et
// al. (2000).
struct PowerTerm {
    double n;
    double t;
    int d;
    int l;  // 0: no exponential; otherwise the term has exp(-delta^l)
};

constexpr PowerTerm kPowerTerms[] = {
    {0.924803575275, 0.25, 1, 0},      {-0.492448489428, 0.875, 1, 0},
    {0.661883336938, 0.5, 2, 0},       {-0.192902649201e1, 0.875, 2, 0},
    {-0.622469309629e-1, 0.375, 3, 0}, {0.349943957581, 0.75, 3, 0},
    {0.564857472498, 0.5, 1, 1},       {-0.161720005987e1, 0.75, 1, 1},
    {-0.481395031883, 2, 1, 1},        {0.421150636384, 1.25, 3, 1},
    {-0.161962230825e-1, 3.5, 3, 1},   {0.172100994165, 1, 4, 1},
    {0.735448924933e-2, 0.5, 6, 1},    {0.168077305479e-1, 3, 6, 1},
    {-0.107626664179e-2, 0, 7, 1},     {-0.137318088513e-1, 2.75, 7, 1},
    {0.635466899859e-3, 0.75, 8, 1},   {0.304432279419e-2, 2.5, 8, 1},
    {-0.435762336045e-1, 4, 1, 2},     {-0.723174889316e-1, 6, 2, 2},
    {0.389644315272e-1, 6, 3, 2},      {-0.212201363910e-1, 3, 4, 2},
    {0.408822981509e-2, 3, 5, 2},      {-0.551990017984e-4, 6, 8, 2},
    {-0.462016716479e-1, 16, 4, 3},    {-0.300311716011e-2, 11, 5, 3},
    {0.368825891208e-1, 15, 5, 3},     {-0.255856846220e-2, 12, 8, 3},
    {0.896915264558e-2, 12, 3, 4},     {-0.441513370350e-2, 7, 5, 4},
    {0.133722924858e-2, 4, 6, 4},      {0.264832491957e-3, 16, 9, 4},
};

struct GaussianTerm {
    double n;
    int t;
    int d;
    double eta;
    double beta;
    double gamma;  // epsilon is 1 for every term
};

constexpr GaussianTerm kGaussianTerms[] = {
    {0.196688194015e2, 0, 1, 20, 325, 1.16},
    {-0.209115600730e2, 1, 1, 20, 325, 1.16},
    {0.167788306989e-1, 2, 3, 15, 300, 1.13},
    {0.262767566274e4, 3, 2, 25, 275, 1.25},
};

// a1 and a2 of the ideal-gas part only fix where entropy and enthalpy count
// from: every other property, and every entropy difference a run uses, is
// free of them, so a change in their last digit cannot show.
constexpr double kIdealA1 = -12.76952708;
constexpr double kIdealA2 = -0.00784163;
constexpr double kIdeal[] = {2.5,          kIdealA1,    kIdealA2, -1.934819e-4,
                             -1.247742e-5, 6.678326e-8, 1.012941, 26.65788};

// The distinct exponents t of the power and exponential terms, in the order
// TauPowers fills them.
constexpr double kTauExponents[kTauExponentCount] = {
    0, 0.25, 0.375, 0.5, 0.75, 0.875, 1, 1.25, 2, 2.5, 2.75, 3, 3.5, 4, 6, 7, 11, 12, 15, 16};

// Every exponent of the terms is in the table (checked below).
constexpr int TauIndex(double t) {
    int k = 0;
    for (double exponent : kTauExponents) {
        if (exponent == t) return k;
        ++k;
    }
    return -1;
}

constexpr int kTermCount = sizeof(kPowerTerms) / sizeof(kPowerTerms[0]);

struct TermIndexes {
    int k[kTermCount];
};

constexpr TermIndexes MakeTermIndexes() {
    TermIndexes r{};
    for (int i = 0; i < kTermCount; ++i) r.k[i] = TauIndex(kPowerTerms[i].t);
    return r;
}

constexpr TermIndexes kTermTau = MakeTermIndexes();
static_assert([] {
    for (int k : kTermTau.k) {
        if (k < 0) return false;
    }
    return true;
}());

// tau^t for every distinct exponent: all are multiples of 1/8, so three
// square roots and products replace twenty calls to pow.
void TauPowers(double tau, double (&p)[kTauExponentCount]) {
    const double r2 = std::sqrt(tau);  // tau^0.5
    const double r4 = std::sqrt(r2);   // tau^0.25
    const double r8 = std::sqrt(r4);   // tau^0.125
    const double t2 = tau * tau;
    const double t3 = t2 * tau;
    const double t4 = t2 * t2;
    const double t6 = t3 * t3;
    const double t12 = t6 * t6;
    p[0] = 1;
    p[1] = r4;
    p[2] = r4 * r8;
    p[3] = r2;
    p[4] = r2 * r4;
    p[5] = p[4] * r8;
    p[6] = tau;
    p[7] = tau * r4;
    p[8] = t2;
    p[9] = t2 * r2;
    p[10] = t2 * p[4];
    p[11] = t3;
    p[12] = t3 * r2;
    p[13] = t4;
    p[14] = t6;
    p[15] = t6 * tau;
    p[16] = t12 / tau;
    p[17] = t12;
    p[18] = t12 * t3;
    p[19] = t12 * t4;
}

double IntPow(double x, int n) {
    double r = 1;
    for (int i = 0; i < n; ++i) r *= x;
    return r;
}

// The publication's ancillary equations for the saturation pressure and the
// saturated densities: only used to pick the phase and to start the density
// search, never as results.
double SaturationPressure(double T) {
    const double th = 1 - T / kCriticalTemperature;
    const double s = -6.12445284 * th + 1.26327220 * std::pow(th, 1.5) -
                     0.765910082 * std::pow(th, 2.5) - 1.77570564 * std::pow(th, 5);
    return 3.3958e6 * std::exp(kCriticalTemperature / T * s);
}

double SaturatedLiquidDensity(double T) {
    const double th = 1 - T / kCriticalTemperature;
    const double s = 1.48654237 * std::pow(th, 0.3294) - 0.280476066 * std::pow(th, 2.0 / 3) +
                     0.0894143085 * std::pow(th, 8.0 / 3) - 0.119879866 * std::pow(th, 35.0 / 6);
    return kCriticalDensity * std::exp(s);
}

// It only sets the upper end of the vapour's density bracket, with 2 % to
// spare, and Newton's method from the ideal-gas guess never reaches that
// end: over the whole vapour region, from the triple point to the critical
// point, a bracket many times wider gives the same densities to the bit.
// A narrower one could leave the root out next to saturation.
double SaturatedVapourDensity(double T) {
    const double th = 1 - T / kCriticalTemperature;
    const double s = -1.70127164 * std::pow(th, 0.34) - 3.70402649 * std::pow(th, 5.0 / 6) +
                     1.29859383 * std::pow(th, 7.0 / 6) - 0.561424977 * std::pow(th, 13.0 / 6) -
                     2.68505381 * std::pow(th, 14.0 / 3);
    return kCriticalDensity * std::exp(kCriticalTemperature / T * s);
}

// No fluid state of the equation's range is denser than this.
constexpr double kDensityCeiling = 2000;

// Newton's method on an increasing function, falling back to bisection
// whenever a step would leave the bracket [lo, hi] that holds the root.
template <class F>
std::optional<double> SolveIncreasing(F eval, double x, double lo, double hi, double target) {
    // A digit either way only moves where the search stops, far below the
    // equation's own accuracy.
    const double tol = 1e-12 * std::fabs(target) + 1e-300;
    // The search ends on convergence well before the cap (bisection alone
    // needs about 60 rounds); the cap only stops one that cannot converge,
    // so a round more or less changes nothing.
    for (int iter = 0; iter < 200; ++iter) {
        double f = 0, slope = 0;
        eval(x, f, slope);
        f -= target;
        if (std::fabs(f) <= tol) return x;
        if (f < 0) {
            lo = x;
        } else {
            hi = x;
        }
        double next = x - f / slope;
        if (!(slope > 0) || !(next > lo && next < hi)) next = 0.5 * (lo + hi);
        if (std::fabs(next - x) <= 1e-15 * std::fabs(x)) {
            // The step no longer moves x: accept it only if the residual is
            // small, where a digit either way of "small" changes nothing.
            const bool small = std::fabs(f) <= 1e-9 * std::fabs(target);
            return small ? std::optional<double>(x) : std::nullopt;
        }
        x = next;
    }
    return std::nullopt;
}

}  // namespace

DensityTerms PrepareDensity(double rho) {
    DensityTerms r;
    r.rho = rho;
    const double delta = rho / kCriticalDensity;
    r.delta = delta;
    r.logDelta = std::log(delta);
    // Buffer sizes: the loops below fill exactly the entries they read.
    double dpow[10];
    dpow[0] = 1;
    for (int i = 1; i < 10; ++i) dpow[i] = dpow[i - 1] * delta;
    double expL[5];
    expL[0] = 1;
    for (int l = 1; l <= 4; ++l) expL[l] = std::exp(-dpow[l]);

    for (int i = 0; i < kTermCount; ++i) {
        const PowerTerm& term = kPowerTerms[i];
        const double v = term.n * dpow[term.d] * expL[term.l];
        const double dl = term.l == 0 ? 0.0 : term.l * dpow[term.l];
        const double a = term.d - dl;  // delta * d(ln term)/d(delta)
        const int k = kTermTau.k[i];
        r.a[k] += v;
        r.ad[k] += v * a;
        r.add[k] += v * (a * (a - 1) - term.l * dl);
    }
    return r;
}

Helmholtz Evaluate(const DensityTerms& terms, double temperature) {
    const double tau = kCriticalTemperature / temperature;
    Helmholtz f;

    double p[kTauExponentCount];
    TauPowers(tau, p);
    for (int k = 0; k < kTauExponentCount; ++k) {
        const double t = kTauExponents[k];
        const double a = terms.a[k] * p[k];
        const double ad = terms.ad[k] * p[k];
        f.ar += a;
        f.ar_t += t * a;
        f.ar_tt += t * (t - 1) * a;
        f.ar_d += ad;
        f.ar_dt += t * ad;
        f.ar_dd += terms.add[k] * p[k];
    }

    // A Gaussian term whose temperature factor is below exp(-80) adds less
    // than 1e-30 to any reduced quantity here: skip its exponentials. The
    // cut-off could as well be a little higher or lower.
    const double delta = terms.delta;
    for (const GaussianTerm& term : kGaussianTerms) {
        const double tg = tau - term.gamma;
        const double arg = term.beta * tg * tg;
        if (arg > 80) continue;
        const double dm1 = delta - 1;
        const double v = term.n * IntPow(delta, term.d) * std::exp(-term.eta * dm1 * dm1 - arg) *
                         IntPow(tau, term.t);
        const double a = term.d - 2 * term.eta * delta * dm1;  // delta d/d(delta) of ln
        const double b = term.t - 2 * term.beta * tau * tg;    // tau d/d(tau) of ln
        const double add = a * a - term.d - 2 * term.eta * delta * delta;
        const double btt = b * b - term.t - 2 * term.beta * tau * tau;
        f.ar += v;
        f.ar_t += v * b;
        f.ar_tt += v * btt;
        f.ar_d += v * a;
        f.ar_dt += v * a * b;
        f.ar_dd += v * add;
    }

    const double* a = kIdeal;
    const double inv = 1 / tau;
    const double ex = std::exp(-a[7] * tau);
    const double om = 1 - ex;
    // ln(1 - ex): below 1e-3 (under about 490 K) four terms of the series
    // are exact to rounding and spare a logarithm. At 1e-3 itself either
    // side gives the same to rounding, so the comparison may be strict or not.
    const bool series = ex < 1e-3;
    const double logOm =
        series ? -ex * (1 + ex * (0.5 + ex * (1.0 / 3 + ex * 0.25))) : std::log(om);
    f.a0 = terms.logDelta + a[0] * std::log(tau) + a[1] + a[2] * tau +
           inv * (a[3] + inv * (a[4] + inv * a[5])) + a[6] * logOm;
    f.a0_t = a[0] + a[2] * tau - inv * (a[3] + inv * (2 * a[4] + inv * 3 * a[5])) +
             a[6] * a[7] * tau * ex / om;
    f.a0_tt = -a[0] + inv * (2 * a[3] + inv * (6 * a[4] + inv * 12 * a[5])) -
              a[6] * a[7] * a[7] * tau * tau * ex / (om * om);
    return f;
}

Properties PropertiesFrom(const Helmholtz& f, double temperature, double rho) {
    constexpr double R = kGasConstant;
    Properties s;
    s.T = temperature;
    s.rho = rho;
    s.Z = 1 + f.ar_d;
    s.p = rho * R * temperature * s.Z;
    s.s = R * (f.a0_t + f.ar_t - f.a0 - f.ar);
    s.u = R * temperature * (f.a0_t + f.ar_t);
    s.h = s.u + R * temperature * s.Z;
    const double cvR = -(f.a0_tt + f.ar_tt);
    const double x = 1 + f.ar_d - f.ar_dt;
    const double y = 1 + 2 * f.ar_d + f.ar_dd;
    s.cv = R * cvR;
    s.cp = R * (cvR + x * x / y);
    s.w = std::sqrt(R * temperature * (y + x * x / cvR));
    s.dpdT = rho * R * x;
    return s;
}

Properties PropertiesAt(double temperature, double rho) {
    return PropertiesFrom(Evaluate(PrepareDensity(rho), temperature), temperature, rho);
}

double MeltingPressure(double temperature) {
    return 12523 * (1 + 12798.61 * (std::pow(temperature / kTripleTemperature, 1.78963) - 1));
}

Status CheckRange(double temperature, double pressure) {
    if (!std::isfinite(temperature) || !std::isfinite(pressure)) {
        return Message(MessageId::FiniteState);
    }
    if (!(temperature >= kTripleTemperature && temperature <= kMaxTemperature)) {
        const double edge = temperature < kTripleTemperature ? kTripleTemperature : kMaxTemperature;
        return Message(MessageId::NitrogenTemperatureRange,
                       {MsgNumber(temperature - 273.15), MsgNumberBeyond(temperature, edge)});
    }
    if (!(pressure > 0 && pressure <= kMaxPressure)) {
        return Message(MessageId::NitrogenPressureRange,
                       {MsgNumberBeyond(pressure / 1e5, pressure > 0 ? 22000 : 0)});
    }
    const double melting = MeltingPressure(temperature);
    if (pressure > melting) {
        return Message(MessageId::NitrogenSolid,
                       {MsgNumber(temperature - 273.15),
                        MsgNumberBeyond(pressure / 1e5, melting / 1e5), MsgNumber(melting / 1e5)});
    }
    return Done{};
}

GasDomain DomainOf(double temperature, double rho, double pressure) {
    if (!(temperature >= kTripleTemperature)) return GasDomain::BelowTriple;
    if (temperature < kCriticalTemperature) {
        // The vapour's pressure stays below the critical one, inside the range
        // and below the melting line; what the equation gives inside the
        // saturation dome means nothing, whatever its sign.
        return rho < SaturatedVapourDensity(temperature) ? GasDomain::Gas : GasDomain::Condenses;
    }
    if (!(temperature <= kMaxTemperature && pressure > 0 && pressure <= kMaxPressure)) {
        return GasDomain::OutOfRange;
    }
    // Above the critical temperature nitrogen melts only above 3930 bar: the
    // bound spares the melting line's power at every step, nothing more.
    const bool mayMelt = pressure > 3.9e8;
    return mayMelt && pressure > MeltingPressure(temperature) ? GasDomain::OutOfRange
                                                              : GasDomain::Gas;
}

Result<double> DensityAt(double temperature, double pressure, double guess) {
    if (auto range = CheckRange(temperature, pressure); !range) return range.Error();
    const double T = temperature;
    double lo = 0, hi = kDensityCeiling;
    const bool given = guess > 0;
    // Only where the search starts, inside the bracket or replaced below.
    if (!given) guess = pressure / (kGasConstant * T);
    if (T < kCriticalTemperature) {
        if (pressure > SaturationPressure(T)) {
            lo = 0.98 * SaturatedLiquidDensity(T);
            // Only where the search starts; from the ideal-gas guess, below
            // the bracket, it starts in the middle and finds the same root.
            if (!given) guess = SaturatedLiquidDensity(T);
        } else {
            hi = 1.02 * SaturatedVapourDensity(T);
        }
    }
    if (!(guess > lo && guess < hi)) guess = 0.5 * (lo + hi);
    auto eval = [T](double rho, double& p, double& slope) {
        const Helmholtz f = Evaluate(PrepareDensity(rho), T);
        p = rho * kGasConstant * T * (1 + f.ar_d);
        slope = kGasConstant * T * (1 + 2 * f.ar_d + f.ar_dd);
    };
    if (auto rho = SolveIncreasing(eval, guess, lo, hi, pressure)) return *rho;
    return Message(MessageId::NitrogenDensityNotFound, {MsgNumber(T), MsgNumber(pressure / 1e5)});
}

Result<double> TemperatureAt(double entropy, double rho, double guess, double lo, double hi) {
    const DensityTerms terms = PrepareDensity(rho);
    auto eval = [&terms, rho](double T, double& s, double& slope) {
        const Properties st = PropertiesFrom(Evaluate(terms, T), T, rho);
        s = st.s;
        slope = st.cv / T;
    };
    if (!(guess >= lo && guess <= hi)) guess = 0.5 * (lo + hi);
    if (auto T = SolveIncreasing(eval, guess, lo, hi, entropy)) {
        return *T;
    }
    return Message(MessageId::NitrogenTemperatureNotFound, {MsgNumber(entropy), MsgNumber(rho)});
}

}  // namespace volvenza::gas::nitrogen
