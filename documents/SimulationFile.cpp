#include "documents/SimulationFile.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "documents/AtomicFile.h"
#include "documents/LineReader.h"
#include "numbers/NumberText.h"

namespace volvenza {
namespace {

constexpr const char* kLineEnd = "\r\n";

void AppendFields(std::string& line, std::initializer_list<std::string> fields) {
    bool first = true;
    for (const std::string& f : fields) {
        if (!first) line += ',';
        line += f;
        first = false;
    }
    line += kLineEnd;
}

double SeriesAt(const std::vector<double>& series, int k) {
    return k < static_cast<int>(series.size()) ? series[k] : 0.0;
}

// ---- reading -------------------------------------------------------------

std::vector<std::string_view> SplitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    size_t start = 0;
    while (true) {
        size_t comma = line.find(',', start);
        if (comma == std::string_view::npos) {
            fields.push_back(line.substr(start));
            return fields;
        }
        fields.push_back(line.substr(start, comma - start));
        start = comma + 1;
    }
}

struct ScratchFile {
    int lastPoint{};
    int32_t capacity{};
    CircuitData data;
    std::vector<Movement> movements;
    // V, P, Qt, Qs and dV, already at the size the loaded model will have.
    std::array<std::vector<double>, 5> series;
    size_t points{};
};

// The fields of each kind of line, by the names the format gives them.
constexpr std::array<const char*, 9> kHeaderFields{
    "LastPoint", "V0", "P0", "Tc", "Qp", "Pm", "Dp", "CycleTime", "MovementCount"};
constexpr std::array<const char*, 16> kMovementFields{"Ti",
                                                      "Tf",
                                                      "Ti2",
                                                      "Tf2",
                                                      "BoreDiameter",
                                                      "Stroke",
                                                      "RodDiameter",
                                                      "RodDiameter2",
                                                      "Stroke1",
                                                      "Stroke2",
                                                      "Displacement",
                                                      "Speed",
                                                      "UnitDisplacement",
                                                      "RotationAngle",
                                                      "Qm",
                                                      "Kind"};
constexpr std::array<const char*, 6> kPointFields{"t", "V", "P", "Qt", "Qs", "dV"};

// Why a file is refused: the message for its path.
using Refusal = std::function<Message(const std::string& path)>;

// Reads one line's fields, and on the first that is wrong says which and why.
// Every number is finite, the results as much as the data: a number that is
// none would be shown and exported as if it were one.
class Fields {
  public:
    template <size_t N>
    Fields(std::string_view line, int number, const std::array<const char*, N>& names)
        : fields_(SplitFields(line)), number_(number), names_(names.begin(), names.end()) {}

    // Whether the line has one field per name; noted when not.
    bool Counted(std::optional<Refusal>& refusal) const {
        if (fields_.size() == names_.size()) return true;
        const int line = number_;
        const auto given = static_cast<long long>(fields_.size());
        const auto wanted = static_cast<long long>(names_.size());
        refusal = [=](const std::string& path) {
            return Message(
                MessageId::SimulationFileFieldCount,
                {MsgVerbatim(path), MsgInteger(line), MsgInteger(given), MsgInteger(wanted)});
        };
        return false;
    }
    std::optional<float> Single(size_t i, std::optional<Refusal>& refusal) const {
        if (auto v = ParseDecimal<float>(fields_[i])) return v;
        // A finite double that no float holds is a number, only too large.
        return Wrong(i,
                     ParseDecimal<double>(fields_[i]) ? MessageId::ReasonBeyondSingle
                                                      : MessageId::ReasonNotFiniteNumber,
                     refusal);
    }
    std::optional<double> Double(size_t i, std::optional<Refusal>& refusal) const {
        if (auto v = ParseDecimal<double>(fields_[i])) return v;
        return Wrong(i, MessageId::ReasonNotFiniteNumber, refusal);
    }
    std::optional<int> Whole(size_t i, int low, int high, std::optional<Refusal>& refusal) const {
        const std::optional<double> v = ParseDecimal<double>(fields_[i]);
        if (v && *v == std::floor(*v) && *v >= low && *v <= high) return static_cast<int>(*v);
        return Wrong(i, Message(MessageId::ReasonNotWhole, {MsgInteger(low), MsgInteger(high)}),
                     refusal);
    }
    // Notes field i as wrong for `why`.
    std::nullopt_t Wrong(size_t i, const Message& why, std::optional<Refusal>& refusal) const {
        const int line = number_;
        const std::string name = names_[i];
        const std::string text(TrimBlanks(fields_[i]));
        refusal = [=](const std::string& path) {
            return Message(MessageId::SimulationFileField,
                           {MsgVerbatim(path), MsgInteger(line), MsgVerbatim(name),
                            MsgVerbatim(text), MsgNested(why)});
        };
        return std::nullopt;
    }

  private:
    std::vector<std::string_view> fields_;
    int number_;
    std::vector<const char*> names_;
};

Refusal AtLine(int line) {
    return [line](const std::string& path) {
        return Message(MessageId::SimulationFileInvalid, {MsgVerbatim(path), MsgInteger(line)});
    };
}

std::optional<Movement> ParseMovement(const Fields& f, std::optional<Refusal>& refusal) {
    if (!f.Counted(refusal)) return std::nullopt;
    Movement m;
    float* singles[] = {&m.Ti,
                        &m.Tf,
                        &m.Ti2,
                        &m.Tf2,
                        &m.BoreDiameter,
                        &m.Stroke,
                        &m.RodDiameter,
                        &m.RodDiameter2,
                        &m.Stroke1,
                        &m.Stroke2,
                        &m.Displacement,
                        &m.Speed,
                        &m.UnitDisplacement,
                        &m.RotationAngle};
    size_t i = 0;
    for (float* single : singles) {
        std::optional<float> v = f.Single(i++, refusal);
        if (!v) return std::nullopt;
        *single = *v;
    }
    const std::optional<double> qm = f.Double(14, refusal);
    const std::optional<int> kind = qm ? f.Whole(15, 0, 7, refusal) : std::nullopt;
    if (!kind) return std::nullopt;
    m.Qm = *qm;
    m.Kind = static_cast<int16_t>(*kind);
    return m;
}

// Reads one result point into the next element of the scratch series; the
// time field is checked but not kept, as point k is always at k x TimeStep.
bool ParsePoint(const Fields& f, ScratchFile& file, std::optional<Refusal>& refusal) {
    if (!f.Counted(refusal) || !f.Single(0, refusal)) return false;
    size_t i = 1;
    for (std::vector<double>& series : file.series) {
        std::optional<double> v = f.Double(i++, refusal);
        if (!v) return false;
        series[file.points] = *v;
    }
    ++file.points;
    return true;
}

// Parses the whole file; on failure says why.
std::optional<ScratchFile> ParseFile(LineReader& reader, float timeStep,
                                     std::optional<Refusal>& refusal) {
    using Result = LineReader::Result;
    std::string line;
    ScratchFile file;
    refusal = AtLine(1);
    if (reader.Next(line) != Result::Line) return std::nullopt;

    const Fields h(line, 1, kHeaderFields);
    if (!h.Counted(refusal)) return std::nullopt;
    std::optional<int> lastPoint = h.Whole(0, 0, kMaxSteps, refusal);
    std::optional<int> count = lastPoint ? h.Whole(8, 0, kMaxMovements, refusal) : std::nullopt;
    if (!count) return std::nullopt;
    float* values[] = {&file.data.V0, &file.data.P0, &file.data.Tc,       &file.data.Qp,
                       &file.data.Pm, &file.data.Dp, &file.data.CycleTime};
    size_t i = 1;
    for (float* value : values) {
        std::optional<float> v = h.Single(i++, refusal);
        if (!v) return std::nullopt;
        *value = *v;
    }
    const double steps = StepCount(file.data.CycleTime, timeStep);
    if (!(file.data.CycleTime >= 0) || !(steps <= kMaxSteps)) {
        return h.Wrong(7, MessageId::ReasonCycleTime, refusal);
    }
    file.capacity = static_cast<int32_t>(steps) + 100;
    if (*lastPoint > file.capacity) {
        return h.Wrong(0, Message(MessageId::ReasonPastCycle, {MsgInteger(file.capacity)}),
                       refusal);
    }
    file.lastPoint = *lastPoint;
    // The writer puts down every point up to LastPoint: a file with fewer
    // lines was cut short, and its missing points are no zeros.
    const int lines = 1 + *count + file.lastPoint + 1;
    auto endsEarly = [&refusal, lines](int last) {
        refusal = [=](const std::string& path) {
            return Message(MessageId::SimulationFileEnds,
                           {MsgVerbatim(path), MsgInteger(last), MsgInteger(lines)});
        };
        return std::nullopt;
    };

    file.movements.reserve(static_cast<size_t>(*count));
    for (int i = 1; i <= *count; ++i) {
        refusal = AtLine(reader.Number() + 1);
        const Result read = reader.Next(line);
        if (read == Result::End) return endsEarly(reader.Number());
        if (read != Result::Line) return std::nullopt;
        std::optional<Movement> m =
            ParseMovement(Fields(line, reader.Number(), kMovementFields), refusal);
        if (!m) return std::nullopt;
        file.movements.push_back(*m);
    }

    for (auto& series : file.series) series.assign(static_cast<size_t>(file.capacity) + 1, 0.0);
    // Result points run to the end of the file; blank lines may only trail.
    int blankSince = 0;
    while (true) {
        const Result read = reader.Next(line);
        if (read == Result::End) break;
        refusal = AtLine(reader.Number());
        if (read != Result::Line) return std::nullopt;
        if (line.find_first_not_of(' ') == std::string::npos) {
            if (blankSince == 0) blankSince = reader.Number();
            continue;
        }
        if (blankSince != 0) {
            refusal = AtLine(blankSince);
            return std::nullopt;
        }
        if (file.points > static_cast<size_t>(file.capacity)) return std::nullopt;
        if (!ParsePoint(Fields(line, reader.Number(), kPointFields), file, refusal)) {
            return std::nullopt;
        }
    }
    if (file.points < static_cast<size_t>(file.lastPoint) + 1) {
        return endsEarly(blankSince != 0 ? blankSince - 1 : reader.Number());
    }
    return file;
}

}  // namespace

std::string SimulationFileText(const CircuitState& state) {
    std::string text;
    const CircuitData& d = state.Data;
    // Room for the usual line lengths; only the capacity depends on it.
    const size_t lines = static_cast<size_t>(std::max(state.MovementCount + state.LastPoint, 0));
    text.reserve(200 + 160 * lines);
    AppendFields(text, {std::to_string(state.LastPoint), FormatFileNumber(d.V0),
                        FormatFileNumber(d.P0), FormatFileNumber(d.Tc), FormatFileNumber(d.Qp),
                        FormatFileNumber(d.Pm), FormatFileNumber(d.Dp),
                        FormatFileNumber(d.CycleTime), std::to_string(state.MovementCount)});
    for (int i = 1; i <= state.MovementCount; ++i) {
        const Movement& m = state.Movements.at(i);
        AppendFields(text, {FormatFileNumber(m.Ti), FormatFileNumber(m.Tf), FormatFileNumber(m.Ti2),
                            FormatFileNumber(m.Tf2), FormatFileNumber(m.BoreDiameter),
                            FormatFileNumber(m.Stroke), FormatFileNumber(m.RodDiameter),
                            FormatFileNumber(m.RodDiameter2), FormatFileNumber(m.Stroke1),
                            FormatFileNumber(m.Stroke2), FormatFileNumber(m.Displacement),
                            FormatFileNumber(m.Speed), FormatFileNumber(m.UnitDisplacement),
                            FormatFileNumber(m.RotationAngle), FormatFileNumber(m.Qm),
                            std::to_string(m.Kind)});
    }
    for (int k = 0; k <= state.LastPoint; ++k) {
        AppendFields(text,
                     {FormatFileNumber(k / 100.0), FormatFileNumber(SeriesAt(state.VSeries, k)),
                      FormatFileNumber(SeriesAt(state.PSeries, k)),
                      FormatFileNumber(SeriesAt(state.QtSeries, k)),
                      FormatFileNumber(SeriesAt(state.QsSeries, k)),
                      FormatFileNumber(SeriesAt(state.DVSeries, k))});
    }
    return text;
}

Status SaveSimulationFile(const CircuitState& state, const std::string& path) {
    // Nothing thrown below (out of memory, a library failure) may reach the
    // user as exception text: every failure is the program's own message.
    try {
        return WriteFileAtomically(path, SimulationFileText(state));
    } catch (...) {
        return SaveFailedMessage(path);
    }
}

namespace {

Status LoadFile(CircuitState& state, const std::string& path) {
    std::unique_ptr<LineReader> reader = LineReader::Open(path);
    if (!reader) {
        std::error_code ec;
        const auto kind = std::filesystem::status(path, ec).type();
        const bool notAFile = !ec && kind != std::filesystem::file_type::regular;
        return notAFile ? NotAFileMessage(path) : OpenFailedMessage(path);
    }
    std::optional<Refusal> refusal;
    std::optional<ScratchFile> file = ParseFile(*reader, state.TimeStep, refusal);
    if (!file && reader->ReadFailed()) return OpenFailedMessage(path);
    if (!file) return (*refusal)(path);

    state.LastPoint = static_cast<int16_t>(file->lastPoint);
    state.Data = file->data;
    state.SimMovementCount = static_cast<int16_t>(file->movements.size());
    int slot = 1;
    for (const Movement& m : file->movements) state.Movements[slot++] = m;
    // The scratch series become the model's: no second copy is made.
    state.PointCapacity = file->capacity;
    state.VSeries = std::move(file->series[0]);
    state.PSeries = std::move(file->series[1]);
    state.QtSeries = std::move(file->series[2]);
    state.QsSeries = std::move(file->series[3]);
    state.DVSeries = std::move(file->series[4]);
    state.GasRun = GasResults{};  // a file keeps no gas temperatures
    state.MovementCount = state.SimMovementCount;
    return Done{};
}

}  // namespace

Status LoadSimulationFile(CircuitState& state, const std::string& path) {
    try {
        return LoadFile(state, path);
    } catch (...) {
        return OpenFailedMessage(path);
    }
}

}  // namespace volvenza
