#include "gas/Nitrogen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace volvenza::gas::nitrogen;

struct Reference {
    double T = 0, p = 0, rho = NAN, cv = NAN, cp = NAN, w = NAN;
    std::string source;
};

// Empty fields stay NaN: that source gives no value there.
std::vector<Reference> LoadReferences() {
    std::ifstream in(std::string(VOLVENZA_TEST_DATA) + "/nitrogen-reference.csv");
    std::vector<Reference> rows;
    std::string line;
    bool header = true;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        if (header) {
            header = false;
            continue;
        }
        std::vector<std::string> f;
        std::stringstream ss(line);
        for (std::string cell; std::getline(ss, cell, ',');) f.push_back(cell);
        auto num = [&](size_t i) { return f.at(i).empty() ? NAN : std::stod(f.at(i)); };
        rows.push_back({num(0), num(1) * 1e6, num(2), num(3), num(4), num(5), f.at(6)});
    }
    return rows;
}

void ExpectRelative(double got, double want, double tol, const std::string& what) {
    if (std::isnan(want)) return;
    EXPECT_NEAR(got / want, 1.0, tol) << what << ": " << got << " against " << want;
}

TEST(NitrogenTest, MatchesPublishedValues) {
    const std::vector<Reference> rows = LoadReferences();
    ASSERT_GE(rows.size(), 60u);
    int inAccumulatorRange = 0;
    for (const Reference& r : rows) {
        const std::string at =
            r.source + " at " + std::to_string(r.T) + " K, " + std::to_string(r.p / 1e6) + " MPa";
        auto rho = DensityAt(r.T, r.p);
        ASSERT_TRUE(rho) << at << ": " << rho.Error();
        const Properties s = PropertiesAt(r.T, *rho);
        ExpectRelative(*rho, r.rho, 1e-4, "density " + at);
        ExpectRelative(s.cv, r.cv, 5e-4, "cv " + at);
        ExpectRelative(s.cp, r.cp, 5e-4, "cp " + at);
        ExpectRelative(s.w, r.w, 5e-4, "speed of sound " + at);
        EXPECT_NEAR(s.p / r.p, 1.0, 1e-10) << at;
        if (r.T >= 200 && r.T <= 400 && r.p >= 1e5 && r.p <= 1e8) ++inAccumulatorRange;
    }
    EXPECT_GE(inAccumulatorRange, 17);
}

TEST(NitrogenTest, RefusesStatesOutsideTheEquation) {
    for (auto [T, p] : {std::pair{63.0, 1e4},
                        {1000.5, 1e5},
                        {300.0, 2201e6},
                        {300.0, 0.0},
                        {100.0, 300e6} /* solid: above the melting line */}) {
        auto rho = DensityAt(T, p);
        EXPECT_FALSE(rho) << T << " K, " << p << " Pa";
        EXPECT_NE(rho.Error().find("azoto"), std::string::npos) << rho.Error();
    }
    // The corners that are still fluid converge and give their pressure back.
    for (auto [T, p] : {std::pair{63.2, 1e3},
                        {63.2, 1e5},
                        {1000.0, 2200e6},
                        {300.0, 2200e6},
                        {126.2, 3.4e6},
                        {100.0, 0.77e6},
                        {100.0, 0.79e6}}) {
        auto rho = DensityAt(T, p);
        ASSERT_TRUE(rho) << T << " K, " << p << " Pa: " << rho.Error();
        EXPECT_NEAR(PropertiesAt(T, *rho).p / p, 1.0, 1e-9) << T << " K, " << p << " Pa";
    }
    // Either side of the saturation pressure at 100 K (about 0.778 MPa).
    EXPECT_LT(*DensityAt(100, 0.77e6), 50);
    EXPECT_GT(*DensityAt(100, 0.79e6), 600);
}

TEST(NitrogenTest, TemperatureFromEntropyRoundTrips) {
    for (auto [T, rho] : {std::pair{300.0, 80.0}, {230.0, 250.0}, {90.0, 745.0}, {900.0, 5.0}}) {
        const double s = PropertiesAt(T, rho).s;
        auto back = TemperatureAt(s, rho, 400);
        ASSERT_TRUE(back) << back.Error();
        EXPECT_NEAR(*back, T, 1e-8 * T);
    }
    EXPECT_FALSE(TemperatureAt(PropertiesAt(300, 80).s + 5000, 80, 300));
}

}  // namespace
