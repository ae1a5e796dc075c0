#include "documents/SimulationFile.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <limits>
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

// Whether a field may hold the writer's spellings of the non-finite values.
// Input data must be numbers; a result that went wrong is kept as it was.
enum class NonFinite { Refused, Allowed };

// One field as a number: blanks around it skipped, a zero before the point
// and the exponent form accepted.
template <typename T>
std::optional<T> ParseField(std::string_view f, NonFinite nonFinite = NonFinite::Refused) {
    if (nonFinite == NonFinite::Allowed) {
        const std::string_view word = TrimBlanks(f);
        if (word == "inf") return std::numeric_limits<T>::infinity();
        if (word == "-inf") return -std::numeric_limits<T>::infinity();
        if (word == "nan") return std::numeric_limits<T>::quiet_NaN();
    }
    return ParseDecimal<T>(f);
}

std::optional<int> ParseWhole(std::string_view f, int low, int high) {
    std::optional<double> v = ParseField<double>(f);
    if (!v || *v != std::floor(*v) || *v < low || *v > high) return std::nullopt;
    return static_cast<int>(*v);
}

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

std::optional<Movement> ParseMovement(std::string_view line) {
    std::vector<std::string_view> f = SplitFields(line);
    if (f.size() != 16) return std::nullopt;
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
        std::optional<float> v = ParseField<float>(f[i++]);
        if (!v) return std::nullopt;
        *single = *v;
    }
    std::optional<double> qm = ParseField<double>(f[14]);
    std::optional<int> kind = ParseWhole(f[15], 0, 7);
    if (!qm || !kind) return std::nullopt;
    m.Qm = *qm;
    m.Kind = static_cast<int16_t>(*kind);
    return m;
}

// Reads one result point into the next element of the scratch series; the
// time field is checked but not kept, as point k is always at k x TimeStep.
bool ParsePoint(std::string_view line, ScratchFile& file) {
    std::vector<std::string_view> f = SplitFields(line);
    if (f.size() != 6 || !ParseField<float>(f[0])) return false;
    size_t i = 1;
    for (std::vector<double>& series : file.series) {
        std::optional<double> v = ParseField<double>(f[i++], NonFinite::Allowed);
        if (!v) return false;
        series[file.points] = *v;
    }
    ++file.points;
    return true;
}

// Parses the whole file; on failure gives the number of the offending line.
std::optional<ScratchFile> ParseFile(LineReader& reader, float timeStep, int& badLine) {
    using Result = LineReader::Result;
    std::string line;
    ScratchFile file;
    badLine = 1;
    if (reader.Next(line) != Result::Line) return std::nullopt;

    std::vector<std::string_view> h = SplitFields(line);
    if (h.size() != 9) return std::nullopt;
    std::optional<int> lastPoint = ParseWhole(h[0], 0, kMaxSteps);
    std::optional<int> count = ParseWhole(h[8], 0, kMaxMovements);
    if (!lastPoint || !count) return std::nullopt;
    float* values[] = {&file.data.V0, &file.data.P0, &file.data.Tc,       &file.data.Qp,
                       &file.data.Pm, &file.data.Dp, &file.data.CycleTime};
    size_t i = 1;
    for (float* value : values) {
        std::optional<float> v = ParseField<float>(h[i++]);
        if (!v) return std::nullopt;
        *value = *v;
    }
    const double steps = StepCount(file.data.CycleTime, timeStep);
    if (!(file.data.CycleTime >= 0) || !(steps <= kMaxSteps)) return std::nullopt;
    file.capacity = static_cast<int32_t>(steps) + 100;
    if (*lastPoint > file.capacity) return std::nullopt;
    file.lastPoint = *lastPoint;

    file.movements.reserve(static_cast<size_t>(*count));
    for (int i = 1; i <= *count; ++i) {
        badLine = reader.Number() + 1;
        if (reader.Next(line) != Result::Line) return std::nullopt;
        std::optional<Movement> m = ParseMovement(line);
        if (!m) return std::nullopt;
        file.movements.push_back(*m);
    }

    for (auto& series : file.series) series.assign(static_cast<size_t>(file.capacity) + 1, 0.0);
    // Result points run to the end of the file; blank lines may only trail.
    int blankSince = 0;
    while (true) {
        const Result read = reader.Next(line);
        if (read == Result::End) break;
        badLine = reader.Number();
        if (read != Result::Line) return std::nullopt;
        if (line.find_first_not_of(' ') == std::string::npos) {
            if (blankSince == 0) blankSince = reader.Number();
            continue;
        }
        if (blankSince != 0) {
            badLine = blankSince;
            return std::nullopt;
        }
        if (file.points > static_cast<size_t>(file.capacity)) return std::nullopt;
        if (!ParsePoint(line, file)) return std::nullopt;
    }
    return file;
}

}  // namespace

std::string SimulationFileText(const CircuitState& state) {
    std::string text;
    const CircuitData& d = state.Data;
    // Room for the usual line lengths; only the capacity depends on it.
    const size_t lines =
        static_cast<size_t>(std::max(state.MovementCount + state.LastPoint, 0));  // mutants: skip
    text.reserve(200 + 160 * lines);                                              // mutants: skip
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
    int badLine{};
    std::optional<ScratchFile> file = ParseFile(*reader, state.TimeStep, badLine);
    if (!file && reader->ReadFailed()) return OpenFailedMessage(path);
    if (!file) {
        return Message(MessageId::SimulationFileInvalid, {MsgVerbatim(path), MsgInteger(badLine)});
    }

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
    WriteInitialDataBoxes(state);
    state.MovementCount = state.SimMovementCount;
    state.Ui().MovementListChanged();
    state.Ui().UpdateCommandState(3);
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
