#pragma once
// The one draw of SetUpOneDraw as a fixture, and catalogues made of plain
// volumes: what the sizing's tests of its rules, searches, refusals and
// answers start from.

#include <gtest/gtest.h>

#include <vector>

#include "sizing/Search.h"
#include "tests/sizing/EndToEnd.h"

namespace volvenza::sizing {

inline constexpr double kAtm = 1.01325;
// The answers' words as the Italian program says them.
inline const Wording kItalian{nullptr, ','};

// A catalogue of these volumes, each size allowing `ratio`.
inline std::vector<CatalogueSize> Sizes(const std::vector<double>& volumes, double ratio = 4) {
    std::vector<CatalogueSize> sizes;
    for (double v : volumes) {
        sizes.emplace_back();
        sizes.back().V0 = Dm3(v);
        sizes.back().MaxRatio = ratio;
    }
    return sizes;
}

class OneDrawTest : public ::testing::Test {
  protected:
    OneDrawTest() { SetUpOneDraw(state, req); }
    SizingAnswer Size() {
        auto answer = SizeAccumulator(state, req);
        EXPECT_TRUE(answer) << answer.Error();
        return answer ? *answer : SizingAnswer{};
    }
    CircuitState state;
    Requirements req;
};

}  // namespace volvenza::sizing
