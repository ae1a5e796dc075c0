#pragma once
// What the parts of the laid-out sizing answer share: the wording of its
// texts and numbers, and the list of rules a design fails. Inside the
// sizing library only; a front end goes through AnswerText.h.

#include <cmath>
#include <string>
#include <vector>

#include "messages/Message.h"
#include "messages/TranslationMark.h"
#include "numbers/NumberText.h"
#include "numbers/Quantity.h"
#include "numbers/Rounding.h"
#include "sizing/AnswerText.h"

namespace volvenza::sizing::answer_text {

class Words {
  public:
    explicit Words(const Wording& w) : w_(w) {}

    std::string operator()(const char* italian, const std::vector<std::string>& parts = {}) const {
        return FillParts(
            w_.Translate ? w_.Translate("volvenza::SizingText", italian) : std::string(italian),
            parts);
    }
    template <class Unit>
    std::string Num(Quantity<Unit> value, int decimals) const {
        return Num(value.value(), decimals);
    }
    std::string Num(double value, int decimals) const {
        if (!std::isfinite(value)) return "-";
        return FormatNumber(RoundHalfEven(value, decimals), w_.Decimal);
    }
    std::string List(const std::vector<std::string>& items) const {
        std::string out;
        for (const std::string& item : items) out += (out.empty() ? "" : "; ") + item;
        return out;
    }

    const Wording& Source() const { return w_; }

  private:
    const Wording& w_;
};

// "1, 8": the rules failed, as the candidates' table and the explanations list them.
inline std::string RulesText(const std::vector<int>& rules) {
    std::string text;
    for (int r : rules) text += (text.empty() ? "" : ", ") + std::to_string(r);
    return text;
}

// The rules a design fails, numbered from 1.
std::vector<int> FailedRules(const Evaluation& e);

// The candidates' first column: "10", "2 × 10" in parallel, "10 + 2 × 50" with bottles.
std::string VolumeText(const Design& d, const Words& w);

// The candidates' table with the duties' columns, and the legend of the rules.
void AddCandidates(AnswerLayout& out, const SizingAnswer& a, const Requirements& req,
                   const Words& w);

// Why the smaller sizes fail, after the answer's other parts.
void AddExplanations(AnswerLayout& out, const SizingAnswer& a, const Requirements& req,
                     const CircuitData& data, const Words& w);

}  // namespace volvenza::sizing::answer_text
