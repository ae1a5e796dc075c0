// The cycle table's questions, answered as the desktop's table answers them.

#include "VolvenzaWebCycle.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>
#include <vector>

#include "VolvenzaWebReply.h"
#include "documents/CycleCells.h"
#include "documents/FileKinds.h"
#include "documents/MovementChecks.h"
#include "documents/PastedMovements.h"
#include "documents/ProjectFile.h"
#include "engine/FlowModel.h"
#include "engine/MovementKinds.h"
#include "numbers/NumberText.h"
#include "tools/volvenza-sim/SimText.h"

namespace volvenza {
namespace {

// The words a row's check is marked with, by MovementCheck's severity.
const char* SeverityName(MovementCheck::Severity severity) {
    switch (severity) {
        case MovementCheck::Severity::Error:
            return "error";
        case MovementCheck::Severity::Warning:
            return "warning";
        case MovementCheck::Severity::None:
            break;
    }
    return "";
}

// The mark of a movement of the emergency stroke in the page's table.
constexpr const char* kEmergencyMark = "✔";

// A kind by its title in the language of the messages or in Italian,
// whatever the letters' case, as the desktop's table reads it.
int16_t KindByName(std::string_view name) {
    auto same = [name](const std::string& title) {
        return name.size() == title.size() &&
               std::equal(name.begin(), name.end(), title.begin(), [](char a, char b) {
                   return std::tolower(static_cast<unsigned char>(a)) ==
                          std::tolower(static_cast<unsigned char>(b));
               });
    };
    for (const ActuatorPage& page : kActuatorPages) {
        const char* title = KindTitleSource(page.kind);
        if (same(SimTemplate(title)) || same(title)) return page.kind;
    }
    return MovementKind::Empty;
}

PasteWording PageWording() {
    return {KindByName, [](int16_t kind, float Movement::*field) { return PageShows(kind, field); },
            SimInEnglish() ? '.' : ','};
}

// One value pasted into one cell of `column` of movement `movement` (from 1)
// of kind `kind`, read as the desktop's table reads it: {"value": the
// kind's code, the mark, or the cell's text for a number} or the message,
// also for a cell the movement does not use.
std::string PasteValue(const std::string& text, int column, int16_t kind, int movement) {
    const bool size = column >= PasteColumn::Bore && column < PasteColumn::Flow;
    if (column == PasteColumn::Required || (size && !PageShows(kind, PasteColumnField(column)))) {
        return Reply({{"error", SimMessage(PasteCellUnusedError(text, movement, column))}});
    }
    const PasteWording wording = PageWording();
    if (column == PasteColumn::Kind) {
        const int16_t pasted = PastedKind(text, wording);
        if (pasted == MovementKind::Empty) {
            return Reply({{"error", SimMessage(PastedKindError(text, 1))}});
        }
        return Reply({{"value", pasted}});
    }
    if (column == PasteColumn::Emergency) {
        const auto mark = ReadPastedMark(text);
        if (!mark) return Reply({{"error", SimMessage(PastedMarkError(text, 1))}});
        return Reply({{"value", *mark}});
    }
    const PastedNumber number = ReadPastedNumber(text, wording.decimal);
    if (number.status != PastedNumber::Status::Read) {
        return Reply({{"error", SimMessage(PastedNumberError(number, text, 1, column))}});
    }
    return Reply({{"value", std::string(TrimBlanks(text))}});
}

// Movements pasted from a spreadsheet, read as the desktop reads them: each
// as the project writes a movement (its kind's unused sizes cleared, the flow
// computed where none was given), and the notes; or the message, also when
// the table has room for fewer than were pasted.
std::string Paste(const std::string& text, int room) {
    const PasteWording wording = PageWording();
    const Result<PastedMovements> read = MovementsFromText(text, wording);
    if (!read) return Reply({{"error", SimMessage(read.Error())}});
    const PastedMovements& pasted = *read;
    const int count = static_cast<int>(pasted.movements.size());
    if (count > room) {
        return Reply({{"error", SimMessage(PasteTooManyError(count, room))}});
    }
    // The project's own writer gives each movement's fields.
    CircuitState state;
    state.MovementCount =
        static_cast<int16_t>(std::min<size_t>(pasted.movements.size(), kMaxMovements));
    for (int slot = 1; slot <= state.MovementCount; ++slot) {
        Movement m = pasted.movements[slot - 1];
        for (int column = PasteColumn::Bore; column < PasteColumn::Flow; ++column) {
            float Movement::*field = PasteColumnField(column);
            if (!PageShows(m.Kind, field)) m.*field = 0;
        }
        state.Movements[slot] = m;
        if (!pasted.flowGiven[slot - 1]) {
            state.Movements[slot].Qm = 0;
            const double flow = ComputeMovementFlow(state, static_cast<int16_t>(slot));
            state.Movements[slot].Qm = ParseNumber<double>(FormatNumber(flow, ',')).value_or(flow);
        }
    }
    const Json movements = Json::parse(ProjectFileText(state, ProjectSizing{}))["movimenti"];
    std::vector<std::string> notes;
    for (const Message& note : pasted.notes) notes.push_back(SimMessage(note));
    return Reply({{"movements", movements}, {"notes", notes}});
}

}  // namespace

std::string CycleCheck(const Json& r) {
    if (!r["check"].is_string()) return Refusal("the project to check");
    CircuitState state;
    ProjectSizing sizing;
    const Status read = ReadProjectText(state, sizing, r["check"].get<std::string>(),
                                        DefaultFileName(kProjectFile));
    if (!read) return Reply({{"error", SimMessage(read.Error())}});
    Json movements = Json::array();
    for (int slot = 1; slot <= state.MovementCount; ++slot) {
        Movement m = state.Movements[slot];
        if (m.Kind == MovementKind::Empty) m.Kind = MovementKind::CylinderExtending;
        // The flow stored as the editor stores it after a size or a time.
        state.Movements[slot] = m;
        const double flow = ComputeMovementFlow(state, static_cast<int16_t>(slot));
        const MovementCheck row = CheckMovement(m, state.Data.CycleTime);
        std::vector<std::string> reasons;
        for (const Message& reason : row.reasons) reasons.push_back(SimMessage(reason));
        movements.push_back({{"flow", ParseNumber<double>(FormatNumber(flow, ',')).value_or(flow)},
                             {"outOfRange", DutyOutOfRange(m)},
                             {"severity", SeverityName(row.severity)},
                             {"reasons", reasons}});
    }
    return Reply({{"movements", movements}});
}

std::string CycleCells(const Json& r) {
    const Result<std::vector<Movement>> read = ReadProjectMovements(r["cells"].dump());
    if (!read) return Reply({{"error", SimMessage(read.Error())}});
    const char decimal = SimInEnglish() ? '.' : ',';
    Json rows = Json::array();
    Json kept = Json::array();
    for (const Movement& m : *read) {
        Json cells = Json::array();
        Json keeps = Json::array();
        for (int column = 0; column < PasteColumn::Count; ++column) {
            keeps.push_back(CycleKeptText(m, column, decimal));
            if (column == PasteColumn::Kind) {
                cells.push_back(SimTemplate(KindTitleSource(ListedKind(m.Kind))));
            } else if (column == PasteColumn::Emergency) {
                cells.push_back(m.Duty.Emergency ? kEmergencyMark : "");
            } else {
                cells.push_back(CycleCellShown(m.Kind, column) ? CycleCellText(m, column, decimal)
                                                               : std::string());
            }
        }
        rows.push_back(cells);
        kept.push_back(keeps);
    }
    return Reply({{"rows", rows}, {"kept", kept}});
}

std::string CycleDuty(const Json& r) {
    if (!r["duty"].is_string() || !r.value("column", Json()).is_number_integer()) {
        return Refusal("a duty's text and its column");
    }
    const DutyFigure figure =
        DutyFigureFromText(r["column"].get<int>(), r["duty"].get<std::string>());
    if (!figure.read) return Reply(Json::object());
    return Reply({{"value", figure.value ? Json(*figure.value) : Json()},
                  {"range", SimMessage(Message(DutyRangeMessage(r["column"].get<int>())))}});
}

std::string CyclePaste(const Json& r) {
    if (!r["paste"].is_string()) return Refusal("the pasted text");
    const std::string text = r["paste"].get<std::string>();
    const Json column = r.value("column", Json());
    if (column.is_number_integer()) {
        return PasteValue(text, column.get<int>(), r.value("kind", int16_t{1}),
                          r.value("movement", 1));
    }
    return Paste(text, r.value("room", int(kMaxMovements)));
}

}  // namespace volvenza
