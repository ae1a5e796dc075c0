#include "documents/PastedMovements.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <utility>

#include "engine/Duties.h"
#include "messages/Message.h"
#include "messages/WindowWords.h"
#include "numbers/NumberText.h"

namespace volvenza {
namespace {

static_assert(kCycleColumns.size() == PasteColumn::Count);

std::string Trimmed(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t\r\n\v\f");
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(" \t\r\n\v\f") + 1 - first));
}

std::vector<std::string> Split(std::string_view text, char separator) {
    std::vector<std::string> parts;
    size_t from = 0;
    for (size_t at; (at = text.find(separator, from)) != std::string_view::npos; from = at + 1) {
        parts.emplace_back(text.substr(from, at - from));
    }
    parts.emplace_back(text.substr(from));
    return parts;
}

// A whole number as a row number or a kind's code is written: digits with
// an optional sign.
std::optional<int> WholeNumber(const std::string& text) {
    const size_t sign = !text.empty() && (text[0] == '+' || text[0] == '-') ? 1 : 0;
    const size_t digits = text.size() - sign;
    if (digits < 1 || digits > 9) return std::nullopt;
    for (size_t i = sign; i < text.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return std::nullopt;
    }
    return std::stoi(text);
}

bool IsRowNumber(std::string_view cell) {
    const std::string text = Trimmed(cell);
    return text.empty() || WholeNumber(text).has_value();
}

// A column's header in the message's language.
MessagePart Header(int column) {
    return MsgCatalogue(kCycleTableContext, PasteColumnHeader(column));
}

// One line's cells after the number column.
struct LineCells {
    std::vector<std::string> cells;
    int offset = 0;
};
LineCells CellsOf(std::string_view line, const PasteWording& w) {
    LineCells out{Split(line, '\t'), 0};
    std::vector<std::string>& cells = out.cells;
    // The number column, when there is one, comes before a kind's name.
    if (cells.size() > 1 && w.kindByName(Trimmed(cells[1])) != MovementKind::Empty &&
        IsRowNumber(cells[0])) {
        cells.erase(cells.begin());
        out.offset = 1;
    }
    return out;
}

// The times, sizes and flow of one line into `m`; the message on a cell
// that cannot be read. `unused` says whether a size the kind does not use
// was given.
Status ReadSizes(const std::vector<std::string>& cells, int lineNumber, int16_t kind,
                 const PasteWording& w, Movement& m, bool& flowGiven, bool& unused) {
    for (int column = PasteColumn::StartTime; column <= PasteColumn::Flow; ++column) {
        const std::string cell = Trimmed(cells[column]);
        if (cell.empty()) continue;
        const PastedNumber number = ReadPastedNumber(cell, w.decimal);
        if (number.status != PastedNumber::Status::Read) {
            return PastedNumberError(number, cell, lineNumber, column);
        }
        if (column == PasteColumn::Flow) {
            m.Qm = number.value;
            flowGiven = true;
            continue;
        }
        float Movement::*field = PasteColumnField(column);
        // Rounded once, to single precision, as typing does; what typing
        // refuses (beyond single precision) is refused here too.
        const auto single = ParseNumber<float>(cell);
        if (!single) {
            return Message(
                MessageId::PasteBeyondSingle,
                {MsgInteger(lineNumber), MsgVerbatim(PastedExcerpt(cell)), Header(column)});
        }
        m.*field = *single;
        if (column > PasteColumn::EndTime && number.value != 0 && !w.shows(kind, field)) {
            unused = true;
        }
    }
    return Done{};
}

// The duty's cells take what typing takes; pn is worked out, not read.
Status ReadDuty(const std::vector<std::string>& cells, int lineNumber, const PasteWording& w,
                Movement& m) {
    for (int column = PasteColumn::Load; column <= PasteColumn::TypedRequired; ++column) {
        const std::string cell = Trimmed(cells[column]);
        const PastedNumber number = ReadPastedNumber(cell, w.decimal);
        if (!cell.empty() && number.status != PastedNumber::Status::Read) {
            return PastedNumberError(number, cell, lineNumber, column);
        }
        if (!DutyFromText(m, column, cell)) {
            return Message(
                MessageId::PasteBadDuty,
                {MsgInteger(lineNumber), MsgVerbatim(PastedExcerpt(cell)), Header(column)});
        }
    }
    const auto mark = ReadPastedMark(cells[PasteColumn::Emergency]);
    if (!mark) return PastedMarkError(cells[PasteColumn::Emergency], lineNumber);
    m.Duty.Emergency = *mark;
    return Done{};
}

// Column titles above the data: no kind and no times.
bool IsHeader(const std::vector<std::string>& cells, char decimal) {
    auto notNumber = [&](int column) {
        return ReadPastedNumber(cells[column], decimal).status == PastedNumber::Status::NotANumber;
    };
    return notNumber(PasteColumn::StartTime) && notNumber(PasteColumn::EndTime);
}

}  // namespace

const char* PasteColumnHeader(int column) {
    return column >= 0 && column < PasteColumn::Count ? kCycleColumns[size_t(column)].header : "";
}

float Movement::*PasteColumnField(int column) {
    switch (column) {
        case PasteColumn::StartTime:
            return &Movement::Ti;
        case PasteColumn::EndTime:
            return &Movement::Tf;
        case PasteColumn::Bore:
            return &Movement::BoreDiameter;
        case PasteColumn::Rod:
            return &Movement::RodDiameter;
        case PasteColumn::Stroke:
            return &Movement::Stroke;
        case PasteColumn::Displacement:
            return &Movement::Displacement;
        case PasteColumn::Speed:
            return &Movement::Speed;
        case PasteColumn::UnitDisplacement:
            return &Movement::UnitDisplacement;
        case PasteColumn::RotationAngle:
            return &Movement::RotationAngle;
        default:
            return nullptr;
    }
}

PastedNumber ReadPastedNumber(std::string_view cell, char decimal) {
    const std::string text = Trimmed(cell);
    const char grouping = decimal == ',' ? '.' : ',';
    // The other separator read as a decimal one is a safe guess only when it
    // cannot be grouping thousands: never with three digits after it, nor
    // next to the language's own decimal separator.
    const size_t last = text.rfind(grouping);
    if (last != std::string::npos) {
        auto digit = [&text](size_t i) {
            return i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]));
        };
        const bool threeDigits =
            digit(last + 1) && digit(last + 2) && digit(last + 3) && !digit(last + 4);
        if (text.find(decimal) != std::string::npos || threeDigits) {
            return {PastedNumber::Status::Ambiguous, 0};
        }
    }
    const auto value = ParseNumber<double>(text);
    if (!value) return {};
    return {PastedNumber::Status::Read, *value};
}

int16_t PastedKind(std::string_view cell, const PasteWording& wording) {
    const std::string name = Trimmed(cell);
    const int16_t kind = wording.kindByName(name);
    if (kind != MovementKind::Empty) return kind;
    const std::optional<int> code = WholeNumber(name);
    return code && *code >= MovementKind::CylinderExtending &&
                   *code <= MovementKind::SingleActingCylinder
               ? static_cast<int16_t>(*code)
               : MovementKind::Empty;
}

std::optional<bool> ReadPastedMark(std::string_view cell) {
    const std::string text = Trimmed(cell);
    if (text == "1" || text == "x" || text == "X") return true;
    if (text.empty() || text == "0") return false;
    return std::nullopt;
}

std::string PastedExcerpt(std::string_view cell, size_t length) {
    // UTF-16 units: a character outside the basic plane (four bytes) is two,
    // and is never cut in half.
    size_t units = 0;
    for (size_t i = 0; i < cell.size();) {
        const unsigned char c = static_cast<unsigned char>(cell[i]);
        const size_t bytes = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        const size_t width = bytes == 4 ? 2 : 1;
        if (units + width > length) {
            return std::string(cell.substr(0, i)) + "\u2026";
        }
        units += width;
        i += bytes;
    }
    return std::string(cell);
}

DutyFigure DutyFigureFromText(int column, std::string_view text) {
    if (column < PasteColumn::Load || column > PasteColumn::TypedRequired) return {};
    const std::string trimmed = Trimmed(text);
    if (trimmed.empty()) {
        if (column == PasteColumn::TypedRequired) return {true, std::nullopt};
        return {true, column == PasteColumn::Efficiency ? MovementDuty{}.Efficiency : 0.0};
    }
    const std::optional<double> value = ParseNumber<double>(trimmed);
    if (!value || !std::isfinite(*value)) return {};
    return {true, value};
}

MessageId DutyRangeMessage(int column) {
    switch (column) {
        case PasteColumn::Load:
            return MessageId::DutyLoadRange;
        case PasteColumn::Efficiency:
            return MessageId::DutyEfficiencyRange;
        case PasteColumn::Loss:
            return MessageId::DutyLossRange;
        default:
            return MessageId::DutyRequiredRange;
    }
}

bool DutyOutOfRange(const Movement& m) {
    const DutyFault fault = CheckDuty(m);
    return fault != DutyFault::None && fault != DutyFault::NoSizes;
}

bool DutyFromText(Movement& m, int column, std::string_view text) {
    const DutyFigure figure = DutyFigureFromText(column, text);
    if (!figure.read) return false;
    const double value = figure.value.value_or(0.0);
    Movement out = m;
    MovementDuty& d = out.Duty;
    if (column == PasteColumn::Load) {
        d.Load = value;
    } else if (column == PasteColumn::Efficiency) {
        d.Efficiency = value;
    } else if (column == PasteColumn::Loss) {
        d.Loss = value;
    } else {
        d.Required = figure.value;
    }
    if (DutyOutOfRange(out)) return false;
    m = out;
    return true;
}

Message PastedNumberError(const PastedNumber& number, std::string_view cell, int line, int column) {
    return Message(number.status == PastedNumber::Status::Ambiguous ? MessageId::PasteAmbiguous
                                                                    : MessageId::PasteBadNumber,
                   {MsgInteger(line), MsgVerbatim(PastedExcerpt(Trimmed(cell))), Header(column)});
}

Message PastedKindError(std::string_view cell, int line) {
    return Message(MessageId::PasteBadKind, {MsgInteger(line), MsgVerbatim(PastedExcerpt(cell))});
}

Message PastedMarkError(std::string_view cell, int line) {
    return Message(MessageId::PasteBadMark,
                   {MsgInteger(line), MsgVerbatim(PastedExcerpt(Trimmed(cell))),
                    Header(PasteColumn::Emergency)});
}

Message PasteTooManyError(int count, int room) {
    return Message(MessageId::PasteTooMany, {MsgInteger(count), MsgInteger(room)});
}

Message PasteCellUnusedError(std::string_view cell, int movement, int column) {
    return Message(MessageId::PasteCellUnused, {MsgVerbatim(PastedExcerpt(Trimmed(cell))),
                                                MsgInteger(movement), Header(column)});
}

Result<PastedMovements> MovementsFromText(std::string_view text, const PasteWording& w) {
    PastedMovements pasted;
    const std::vector<std::string> lines = Split(text, '\n');
    bool first = true;
    int extraLine = 0, unusedLine = 0;
    for (size_t n = 0; n < lines.size(); ++n) {
        std::string line = lines[n];
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (Trimmed(line).empty()) continue;
        const int lineNumber = static_cast<int>(n) + 1;
        auto [cells, offset] = CellsOf(line, w);
        const bool wasFirst = std::exchange(first, false);
        if (cells.size() < 1 + PasteColumn::EndTime) {
            return Message(MessageId::PasteBadCells,
                           {MsgInteger(lineNumber), MsgInteger(cells.size() + offset)});
        }
        const int16_t kind = PastedKind(cells[PasteColumn::Kind], w);
        if (kind == MovementKind::Empty) {
            if (wasFirst && IsHeader(cells, w.decimal)) {
                pasted.notes.emplace_back(MessageId::PasteHeaderSkipped,
                                          std::vector{MsgInteger(lineNumber)});
                continue;
            }
            return PastedKindError(cells[PasteColumn::Kind], lineNumber);
        }
        for (size_t extra = PasteColumn::Count; extra < cells.size(); ++extra) {
            if (!Trimmed(cells[extra]).empty() && extraLine == 0) extraLine = lineNumber;
        }
        cells.resize(std::max<size_t>(cells.size(), PasteColumn::Count));
        Movement m;
        m.Kind = kind;
        bool flowGiven = false, unused = false;
        Status read = ReadSizes(cells, lineNumber, kind, w, m, flowGiven, unused);
        if (read) read = ReadDuty(cells, lineNumber, w, m);
        if (!read) return read.Error();
        if (unused && unusedLine == 0) unusedLine = lineNumber;
        pasted.movements.push_back(m);
        pasted.flowGiven.push_back(flowGiven);
    }
    if (pasted.movements.empty()) return Message(MessageId::PasteNothing);
    if (extraLine > 0) {
        pasted.notes.emplace_back(MessageId::PasteExtraCells, std::vector{MsgInteger(extraLine)});
    }
    if (unusedLine > 0) {
        pasted.notes.emplace_back(MessageId::PasteUnusedSizes, std::vector{MsgInteger(unusedLine)});
    }
    return pasted;
}

}  // namespace volvenza
