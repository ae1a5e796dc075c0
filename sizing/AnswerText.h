#pragma once
// The sizing answer laid out once for every front end: the requirements,
// the recommendation, the precharge table, the candidates' table, the rules'
// legend and the reasons the smaller sizes fail. The window, the printed page
// and volvenza-sim place these parts; none of them words the answer itself.
//
// The texts are Italian, the program's source language, marked for the
// translation catalogue in the context "volvenza::SizingText"; a front end
// passes the catalogue's lookup and its decimal separator.

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/CircuitState.h"
#include "messages/Message.h"
#include "sizing/Requirements.h"
#include "sizing/Search.h"

namespace volvenza::sizing {

using volvenza::Wording;

struct AnswerTable {
    std::vector<std::string> Headings;
    std::vector<std::vector<std::string>> Rows;
    std::optional<size_t> Highlighted;  // the recommended row
};

struct AnswerLayout {
    std::string Title;
    std::vector<std::pair<std::string, std::string>> Requirements;  // label, value
    AnswerTable Catalogue;
    std::vector<std::string> Recommendation;  // sentences
    AnswerTable Precharge;                    // charging temperature, precharge to set
    AnswerTable Candidates;
    std::vector<std::string> Legend;  // a line per rule
    std::string ExplanationsHeading;
    std::vector<std::string> Explanations;  // continuation lines start with blanks
};

// The parts of the answer; `data` are the initial data searched from.
AnswerLayout LayOutAnswer(const SizingAnswer& answer, const Requirements& req,
                          const CircuitData& data, const Wording& wording);

// What the sizing window says of the recommendation a project keeps, until
// "Calcola" answers again: the volume as the candidates' table writes it,
// the precharge and the pump, rounded half to even.
std::string LastRecommendationText(const Design& design, const Wording& wording);
// What "Applica" says it put into the project, in the same figures.
std::string AppliedText(const Design& design, const Wording& wording);

// The accumulator type's name ("a sacca"...).
std::string TypeText(AccumulatorType type, const Wording& wording);
// A movement kind's name inside a sentence ("cilindro in uscita"...), from the
// kinds' table of messages/WindowWords.h; "movimento" for a code no kind has.
std::string KindText(int16_t kind, const Wording& wording);

}  // namespace volvenza::sizing
