#include "documents/SimulationFile.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
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

// Reads one line's fields of the file at `path`, and on the first that is
// wrong says which and why. Every number is finite, the results as much as
// the data: a number that is none would be shown and exported as if it were
// one.
class Fields {
  public:
    template <size_t N>
    Fields(std::string_view line, int number, const std::array<const char*, N>& names,
           const std::string& path)
        : fields_(SplitFields(line)),
          number_(number),
          names_(names.begin(), names.end()),
          path_(path) {}

    // Whether the line has one field per name.
    Status Counted() const {
        if (fields_.size() == names_.size()) return Done{};
        return Message(MessageId::SimulationFileFieldCount,
                       {MsgVerbatim(path_), MsgInteger(number_),
                        MsgInteger(static_cast<long long>(fields_.size())),
                        MsgInteger(static_cast<long long>(names_.size()))});
    }
    Result<float> Single(size_t i) const {
        if (auto v = ParseDecimal<float>(fields_[i])) return *v;
        // A finite double that no float holds is a number, only too large.
        return Wrong(i, ParseDecimal<double>(fields_[i]) ? MessageId::ReasonBeyondSingle
                                                         : MessageId::ReasonNotFiniteNumber);
    }
    Result<double> Double(size_t i) const {
        if (auto v = ParseDecimal<double>(fields_[i])) return *v;
        return Wrong(i, MessageId::ReasonNotFiniteNumber);
    }
    Result<int> Whole(size_t i, int low, int high) const {
        const std::optional<double> v = ParseDecimal<double>(fields_[i]);
        if (v && *v == std::floor(*v) && *v >= low && *v <= high) return static_cast<int>(*v);
        return Wrong(i, Message(MessageId::ReasonNotWhole, {MsgInteger(low), MsgInteger(high)}));
    }
    // Field i is wrong for `why`.
    Message Wrong(size_t i, const Message& why) const {
        return Message(MessageId::SimulationFileField,
                       {MsgVerbatim(path_), MsgInteger(number_), MsgVerbatim(names_[i]),
                        MsgVerbatim(std::string(TrimBlanks(fields_[i]))), MsgNested(why)});
    }

  private:
    std::vector<std::string_view> fields_;
    int number_;
    std::vector<const char*> names_;
    const std::string& path_;
};

Message AtLine(const std::string& path, int line) {
    return Message(MessageId::SimulationFileInvalid, {MsgVerbatim(path), MsgInteger(line)});
}

Result<Movement> ParseMovement(const Fields& f) {
    if (auto counted = f.Counted(); !counted) return counted.Error();
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
        const Result<float> v = f.Single(i++);
        if (!v) return v.Error();
        *single = *v;
    }
    const Result<double> qm = f.Double(14);
    if (!qm) return qm.Error();
    const Result<int> kind = f.Whole(15, 0, 7);
    if (!kind) return kind.Error();
    m.Qm = *qm;
    m.Kind = static_cast<int16_t>(*kind);
    return m;
}

// Reads one result point into the next element of the scratch series; the
// time field is checked but not kept, as point k is always at k x TimeStep.
Status ParsePoint(const Fields& f, ScratchFile& file) {
    if (auto counted = f.Counted(); !counted) return counted;
    if (auto time = f.Single(0); !time) return time.Error();
    size_t i = 1;
    for (std::vector<double>& series : file.series) {
        const Result<double> v = f.Double(i++);
        if (!v) return v.Error();
        series[file.points] = *v;
    }
    ++file.points;
    return Done{};
}

// Parses the whole file at `path`, or says why it is refused.
Result<ScratchFile> ParseFile(LineReader& reader, float timeStep, const std::string& path) {
    using Read = LineReader::Result;
    std::string line;
    ScratchFile file;
    if (reader.Next(line) != Read::Line) return AtLine(path, 1);

    const Fields h(line, 1, kHeaderFields, path);
    if (auto counted = h.Counted(); !counted) return counted.Error();
    const Result<int> lastPoint = h.Whole(0, 0, kMaxSteps);
    if (!lastPoint) return lastPoint.Error();
    const Result<int> count = h.Whole(8, 0, kMaxMovements);
    if (!count) return count.Error();
    float* values[] = {&file.data.V0, &file.data.P0, &file.data.Tc,       &file.data.Qp,
                       &file.data.Pm, &file.data.Dp, &file.data.CycleTime};
    size_t i = 1;
    for (float* value : values) {
        const Result<float> v = h.Single(i++);
        if (!v) return v.Error();
        *value = *v;
    }
    const double steps = StepCount(file.data.CycleTime, timeStep);
    if (!(file.data.CycleTime >= 0) || !(steps <= kMaxSteps)) {
        return h.Wrong(7, MessageId::ReasonCycleTime);
    }
    file.capacity = static_cast<int32_t>(steps) + 100;
    if (*lastPoint > file.capacity) {
        return h.Wrong(0, Message(MessageId::ReasonPastCycle, {MsgInteger(file.capacity)}));
    }
    file.lastPoint = *lastPoint;
    // The writer puts down every point up to LastPoint: a file with fewer
    // lines was cut short, and its missing points are no zeros.
    const int lines = 1 + *count + file.lastPoint + 1;
    auto endsEarly = [&path, lines](int last) {
        return Message(MessageId::SimulationFileEnds,
                       {MsgVerbatim(path), MsgInteger(last), MsgInteger(lines)});
    };

    file.movements.reserve(static_cast<size_t>(*count));
    for (int i = 1; i <= *count; ++i) {
        const int number = reader.Number() + 1;
        const Read read = reader.Next(line);
        if (read == Read::End) return endsEarly(reader.Number());
        if (read != Read::Line) return AtLine(path, number);
        Result<Movement> m = ParseMovement(Fields(line, reader.Number(), kMovementFields, path));
        if (!m) return m.Error();
        file.movements.push_back(*m);
    }

    for (auto& series : file.series) series.assign(static_cast<size_t>(file.capacity) + 1, 0.0);
    // Result points run to the end of the file; blank lines may only trail.
    int blankSince = 0;
    while (true) {
        const Read read = reader.Next(line);
        if (read == Read::End) break;
        if (read != Read::Line) return AtLine(path, reader.Number());
        if (line.find_first_not_of(' ') == std::string::npos) {
            if (blankSince == 0) blankSince = reader.Number();
            continue;
        }
        if (blankSince != 0) return AtLine(path, blankSince);
        if (file.points > static_cast<size_t>(file.capacity)) return AtLine(path, reader.Number());
        const Status point = ParsePoint(Fields(line, reader.Number(), kPointFields, path), file);
        if (!point) return point.Error();
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
    Result<ScratchFile> file = ParseFile(*reader, state.TimeStep, path);
    if (!file && reader->ReadFailed()) return OpenFailedMessage(path);
    if (!file) return file.Error();

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
