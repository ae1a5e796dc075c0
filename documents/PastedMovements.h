#pragma once
// Movements read from tab-separated text, as spreadsheets copy them: one line
// per movement with the cycle table's columns (kind, times, the seven sizes,
// flow, then the duty: load, efficiency, loss, typed required pressure,
// emergency mark, the required pressure worked out), after a number column or
// without it. The desktop's clipboard and the browser's paste both read them
// here; each front end supplies the kinds' names it reads and the language's
// decimal separator, and words the typed messages in its language.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/CircuitState.h"
#include "messages/Message.h"
#include "messages/Result.h"

namespace volvenza {

// The cycle table's columns, in its order: the desktop's table and the
// paste read the same list.
namespace PasteColumn {
enum Index : int {
    Kind,
    StartTime,
    EndTime,
    Bore,
    Rod,
    Stroke,
    Displacement,
    Speed,
    UnitDisplacement,
    RotationAngle,
    Flow,
    Load,
    Efficiency,
    Loss,
    TypedRequired,
    Emergency,
    Required,
    Count
};
}

// A column's header, its symbol and unit: the windows' word
// (messages/WindowWords.h), an Italian source in the catalogue's context
// kCycleTableContext.
const char* PasteColumnHeader(int column);

// The movement field a time or size column holds; none for the others.
float Movement::*PasteColumnField(int column);

// What a front end supplies: `kindByName` finds a kind by its name in the
// front end's languages (Empty for none), `shows` says whether a kind's page
// shows a size.
struct PasteWording {
    std::function<int16_t(std::string_view name)> kindByName;
    std::function<bool(int16_t kind, float Movement::*field)> shows;
    char decimal = ',';
};

// A pasted cell read as a number. Text with the language's grouping
// separator ("1.500" under Italian) could be a thousand or a fraction and is
// never read.
struct PastedNumber {
    enum class Status { Read, NotANumber, Ambiguous } status = Status::NotANumber;
    double value = 0;
};
PastedNumber ReadPastedNumber(std::string_view cell, char decimal);

// A kind's name, or its code; Empty when none.
int16_t PastedKind(std::string_view cell, const PasteWording& wording);

// The emergency mark as a spreadsheet holds it: 1 or x marked, 0 or nothing
// not; nothing else is read.
std::optional<bool> ReadPastedMark(std::string_view cell);

// At most `length` characters of a cell (as UTF-16 counts them), with an
// ellipsis when cut.
std::string PastedExcerpt(std::string_view cell, size_t length = 40);

// The figure `text` gives a duty's column: the number, or for empty text the
// default (no load, MovementDuty's efficiency, no loss, no typed pressure:
// `value` empty). `read` is false when it is not a finite number or the
// column is not a duty's.
struct DutyFigure {
    bool read = false;
    std::optional<double> value;
};
DutyFigure DutyFigureFromText(int column, std::string_view text);

// The range a duty's column keeps its figure in, as a refusal names it.
MessageId DutyRangeMessage(int column);

// Whether `m`'s duty holds a figure out of its range. A load on sizes that
// give no area yet is the sizes' matter, not the duty's.
bool DutyOutOfRange(const Movement& m);

// `text` typed into a duty's column of `m`: false, and `m` as it was, when
// it is not a number (DutyFigureFromText) or out of the duty's range.
bool DutyFromText(Movement& m, int column, std::string_view text);

// The messages for a cell that is not a number or is ambiguous, for a kind,
// and for an emergency mark that cannot be read, naming the line and column.
Message PastedNumberError(const PastedNumber& number, std::string_view cell, int line, int column);
Message PastedKindError(std::string_view cell, int line);
Message PastedMarkError(std::string_view cell, int line);
// The refusals of a paste the table cannot take: `count` movements where
// `room` more fit, or one value into a column movement `movement` (from 1)
// does not use.
Message PasteTooManyError(int count, int room);
Message PasteCellUnusedError(std::string_view cell, int movement, int column);

// Movements read back from such text: cells missing at the end are empty (a
// duty's default). A header line first is skipped and cells past the last
// column are ignored, each with a note; the worked-out required pressure is
// never read. An empty size is 0, an empty flow is to be computed from the
// sizes (see `flowGiven`); sizes the kind does not use are kept, for the
// front end to clear. The first line that cannot be read, or text without a
// movement, is refused with the message saying which and why.
struct PastedMovements {
    std::vector<Movement> movements;
    std::vector<bool> flowGiven;
    std::vector<Message> notes;
};
Result<PastedMovements> MovementsFromText(std::string_view text, const PasteWording& wording);

}  // namespace volvenza
