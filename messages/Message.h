#pragma once
// What the libraries without Qt tell the user: an identifier and its parts
// (numbers as numbers, names and paths as they are, other messages), never
// prose. The Italian texts live once, in Message.cpp, marked for the
// translation catalogue in the context "volvenza::Message"; a front end
// formats a message with its Wording (the catalogue's lookup and its decimal
// separator). The messages are a library of their own at the bottom, beside
// numbers, so that every library and the dialogs link them.

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

namespace volvenza {

enum class MessageId : uint16_t {
    // The checks before a run.
    AllInitialZero,
    CycleTimeZero,
    CycleTimeRange,
    NoMovements,
    RunStopped,
    PrechargeTooHigh,
    FlowNotNumber,
    MovementTimesZero,
    MovementEndNotAfterStart,
    EnvelopeAroundWork,
    CannotStart,
    GasTooCold,
    // The checks before a run that name the value at fault.
    InitialValueNegative,
    WorkTempAbsoluteZero,
    EnvelopeMinAbsoluteZero,
    EnvelopeMaxAbsoluteZero,
    MovementNegative,
    MovementNotFinite,
    // The movement list holds no more.
    MovementListFull,
    // Text typed into a box that is not a number stops what reads the data.
    DraftNotNumber,
    DraftOutOfRange,
    DraftEmpty,  // a box emptied that must give a figure
    DutyLoadRange,
    DutyEfficiencyRange,
    DutyLossRange,
    DutyRequiredRange,
    DraftInitialBox,
    DraftMovementBox,
    DraftRequirementBox,
    RequirementMinPressure,
    RequirementRated,
    RequirementRelief,
    RequirementTolerance,
    RequirementHours,
    RequirementEfficiency,
    RequirementHoursPerYear,
    RequirementBottles,
    RequirementHoldPressure,
    RequirementHoldTime,
    RequirementHoldLeakage,
    RequirementHoldCooling,
    DraftCatalogueCell,
    CatalogueRatio,
    CatalogueFlow,
    CatalogueSwing,
    CatalogueCycles,
    DraftStopsRun,
    DraftStopsSizing,
    DraftStopsSave,
    DraftStopsExport,
    // The boxes that take numbers.
    DecimalPoint,
    // A value's range, as a box's refusal or a file's field says it.
    RangeFromTo,
    RangeAboveTo,
    RangeWhole,
    RangeAtLeastOrNull,
    RangeAtLeast,
    RangeAbove,
    // The gas laws (messages/GasTexts.cpp from here on).
    ExponentRange,
    TemperaturesAboveZero,
    PressuresPositive,
    NitrogenTemperatureRange,
    NitrogenPressureRange,
    NitrogenSolid,
    NitrogenDensityNotFound,
    NitrogenTemperatureNotFound,
    GasVolumePositive,
    TimeStepPositive,
    TimeConstantRange,
    AtPrecharge,
    AtMaxPressure,
    FiniteState,
    NitrogenCondensesAt,
    // A run whose gas left its law's domain, and why.
    OutsideGas,
    ReasonCondenses,
    ReasonBelowTriple,
    ReasonOutOfRange,
    // The boxes of the gas-model dialog.
    ExponentBox,
    TimeConstantBox,
    ChargeTempBox,
    MinTempBox,
    MaxTempBox,
    MinAboveMax,
    // The sizing assistant's refusals (messages/SizingTexts.cpp from here on).
    MinPressurePositive,
    MinBelowMax,
    CatalogueEmpty,
    CatalogueTooLong,
    CatalogueOrder,
    CatalogueLimit,
    RatedPressurePositive,
    ReliefPositive,
    ReliefAboveRated,
    PrechargeTolerance,
    WorkingHours,
    PumpEfficiency,
    HoursPerYear,
    ParallelCount,
    BottleVolume,
    VolumetricEfficiency,
    BottlesTooLarge,
    CycleMissing,
    RestartNotAboveMin,
    HoldAboveStart,
    HoldCoolingRange,
    NoPrechargeWindow,
    EnvelopeMinimum,
    EnvelopeMaximum,
    SizingStopped,
    // The sizing window's boxes, read for a search.
    SizingBoxMinPressure,
    SizingBoxRated,
    SizingBoxRelief,
    SizingBoxTolerance,
    SizingBoxHours,
    SizingBoxEfficiency,
    SizingBoxHoursPerYear,
    SizingBoxBottles,
    SizingBoxCatalogueV0,
    SizingBoxHold,
    // An energy balance whose figures are not all finite.
    EnergyNotFinite,
    // The files (messages/FileTexts.cpp from here on).
    SaveReadOnly,
    SaveFailed,
    NotAFile,
    OpenFailed,
    SimulationFileInvalid,
    ProjectKeepsNoResults,
    DesignKeepsNoGas,
    DesignKeepsNoSizing,
    DesignKeepsNoVessels,
    // A simulation file has no room for the movements' loads and marks.
    DesignKeepsNoDuties,
    // The project files: the message and its detail.
    ProjectInvalid,
    JsonInvalidAt,
    JsonNumberTooLarge,
    FileTooLarge,
    FieldNotObject,
    FieldMissing,
    FieldNotNumber,
    FieldOutOfRange,
    FieldNotNumberOrNull,
    FieldNotFlag,
    FieldNotChoice,
    FieldNotFormat,
    FieldNotVersion,
    FieldTooManyMovements,
    FieldNotKind,
    FieldTooManySizes,
    FieldUnreadable,
    // A project's key given twice in one object, a value outside its range, a
    // text nested too deep.
    FieldTwice,
    FieldValueOutOfRange,
    JsonTooDeep,
    // A simulation file's field, line or length at fault, and why.
    SimulationFileField,
    SimulationFileFieldCount,
    SimulationFileEnds,
    ReasonNotFiniteNumber,
    ReasonBeyondSingle,
    ReasonNotWhole,
    ReasonCycleTime,
    ReasonPastCycle,
    // A save that failed, and why.
    SaveFailedBecause,
    ReasonDiskFull,
    ReasonQuota,
    ReasonFileTooLarge,
    ReasonDiskError,
    ReasonNoFolder,
    ReasonTargetNotAFile,
    ReasonTargetReadOnly,
    // A program built without Qt has no PDF reports.
    ReportUnavailable,
    // What is wrong with one movement, as the cycle table marks its row
    // (messages/TableTexts.cpp from here on).
    RowEndNotAfterStart,
    RowBothTimesZero,
    RowFlowNotFinite,
    RowFlowNegative,
    RowRodWiderThanBore,
    RowFlowWithoutDuration,
    RowTypedFlow,
    RowBeforeCycle,
    RowTimeNotFinite,
    RowLoadWithoutSizes,
    RowAfterCycle,
    // Movements pasted from a spreadsheet: why not, and what was left out.
    PasteNothing,
    PasteBadCells,
    PasteBadKind,
    PasteBadNumber,
    PasteAmbiguous,
    PasteBeyondSingle,
    PasteHeaderSkipped,
    PasteExtraCells,
    PasteBadDuty,
    PasteBadMark,
    PasteUnusedSizes,
    // Movements or a value the table has no room or no cell for.
    PasteTooMany,
    PasteCellUnused,
    // The command lines' refusals of their arguments (messages/CommandTexts.cpp).
    CommandBadValue,
    CommandMissingValue,
    CommandOptionTwice,
    CommandOptionNotTaken,
    CommandOptionNeeded,
    CommandProjectEfficiency,
    CommandProjectHours,
    CommandNoInputName,
    CommandNoOutputName,
    CommandOutputIsInput,
    CommandOutputsSame,
    CommandMovementNumber,
    // An option's duty figure out of its range: the range is the Duty*Range's.
    CommandDutyRange,
    CommandLoadTwice,
    CommandEmergencyList,
    CommandBottleList,
    CommandAboveZero,
    CommandAtLeastZero,
    CommandDutiesClassic,
    CommandNoMovement,
    CommandMovementEmpty,
    CommandLoadNoSizes,
    CommandHoldNeedsBoth,
    CommandClassicSizes,
    ReportCommandUnavailable,
    ReportNeedsResults,
    CommandUnknown,
    // The desktop program's refusals of its command line.
    CommandUnknownOption,
    CommandOneFile,
    Count  // not a message: how many there are
};

struct Message;

// One variable part of a message.
struct MessagePart {
    enum class Kind { General, Fixed, Rounded, Box, Text, Catalogue, Nested };
    Kind kind = Kind::Text;
    double number = 0;
    // Significant digits (General; Box: 7 for a single-precision value, 15
    // for a double) or decimals (Fixed, Rounded).
    int digits = 0;
    std::string text;
    const char* context = nullptr;  // Catalogue: the text's context
    std::shared_ptr<const Message> nested;
};

struct Message {
    MessageId id = MessageId::Count;
    std::vector<MessagePart> parts;

    Message() = default;
    Message(MessageId id, std::vector<MessagePart> parts = {}) : id(id), parts(std::move(parts)) {}
    bool operator==(const Message& other) const;
};

// A number with up to `digits` significant digits, exponent form where %g
// would use it.
MessagePart MsgNumber(double x, int digits = 7);
// A value refused against `limit`, with the digits it takes to read on its
// own side of the limit: 63,15099999999998 K, not 63,151 K, for a
// temperature just below the triple point.
MessagePart MsgNumberBeyond(double x, double limit);
// A number with exactly `decimals` decimals.
MessagePart MsgFixed(double x, int decimals);
// A number rounded half to even to `decimals`, without trailing zeros.
MessagePart MsgRounded(double x, int decimals);
// A number as a box shows it (FormatNumber): 4,7 for the single 4.7f.
MessagePart MsgBoxNumber(float x);
MessagePart MsgBoxNumber(double x);
MessagePart MsgInteger(long long n);
// A name or path, shown as it is in every language.
MessagePart MsgVerbatim(std::string text);
MessagePart MsgNested(Message message);
// A text of the catalogue outside the messages (a column's header), worded
// in the front end's language like the message around it.
MessagePart MsgCatalogue(const char* context, const char* italian);

// How a front end words texts: the Italian text (with %1, %2... for its
// parts) in its language, and its decimal separator. Both are spelled out:
// the Italian wording is Wording{nullptr, ','}.
struct Wording {
    std::function<std::string(const char* context, const char* italian)> Translate;
    char Decimal = ',';
};

inline constexpr const char* kMessageContext = "volvenza::Message";

// The Italian text of a message, with %1, %2... for its parts.
const char* MessageSource(MessageId id);
// The message in the wording's language.
std::string MessageText(const Message& message, const Wording& wording);
// The message in Italian, the language of the program's sources.
std::string ItalianText(const Message& message);
// The Italian text, for diagnostics (a test's failure, a debugger).
std::ostream& operator<<(std::ostream& out, const Message& message);
// `pattern` with %1, %2... replaced by `parts` in one pass, so that a part
// holding "%1" (a file name may) stays as it is.
std::string FillParts(const std::string& pattern, const std::vector<std::string>& parts);

}  // namespace volvenza
