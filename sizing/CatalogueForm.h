#pragma once
// The accumulator types and the catalogue's columns as every front end
// names them: the words the window, the laid-out answer and the browser's
// page show (Italian sources in the context volvenza::SizingText, one a
// line, whole: the page's core takes their English by this form), the
// names and keys of volvenza-sim and of the project file, and how a
// column's figure is read from a size and put into one.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "messages/Message.h"
#include "messages/TranslationMark.h"
#include "sizing/Requirements.h"

namespace volvenza::sizing {

inline constexpr const char* kCatalogueContext = "volvenza::SizingText";

struct AccumulatorTypeNames {
    const char* words;        // as the windows and the answer say it
    const char* name;         // volvenza-sim's --type and its JSON
    const char* projectName;  // the project file's "tipo"
};

// In the order of AccumulatorType.
// clang-format off
inline constexpr std::array<AccumulatorTypeNames, 3> kAccumulatorTypes{{
    {QT_TRANSLATE_NOOP("volvenza::SizingText", "a sacca"), "bladder", "sacca"},
    {QT_TRANSLATE_NOOP("volvenza::SizingText", "a pistone"), "piston", "pistone"},
    {QT_TRANSLATE_NOOP("volvenza::SizingText", "a membrana"), "diaphragm", "membrana"},
}};
// clang-format on

inline const AccumulatorTypeNames& TypeNames(AccumulatorType type) {
    return kAccumulatorTypes[static_cast<size_t>(type)];
}

// The type volvenza-sim calls `name`; nothing for a name it does not know.
std::optional<AccumulatorType> TypeNamed(std::string_view name);

enum class CatalogueColumn : int16_t {
    V0,
    MaxRatio,
    RatedPressure,
    MaxFlow,
    Tau,
    RatedSwing,
    RatedCycles,
    Count
};

struct CatalogueColumnForm {
    const char* heading;
    const char* key;         // volvenza-sim's JSON
    const char* projectKey;  // the project file's
    // A cell's draft is named by the column's symbol, the same in every
    // language, or else by these words.
    const char* symbol;
    MessageId words;
    int decimals;  // as the answer shows a limit
    // The maker's fatigue rating: headed only where a size has one, and kept
    // in a file only where given (files from before it lack it).
    bool rating;
    // The size's figure in the column, nothing for no limit; and the figure
    // put into the size (V0 is always given).
    std::optional<double> (*figure)(const CatalogueSize&);
    void (*set)(CatalogueSize&, std::optional<double>);
};

inline constexpr size_t kCatalogueColumnCount = static_cast<size_t>(CatalogueColumn::Count);

// In the order the window, the answer, the page and volvenza-sim's
// --catalogue give them.
extern const std::array<CatalogueColumnForm, kCatalogueColumnCount> kCatalogueColumns;

inline const CatalogueColumnForm& ColumnForm(CatalogueColumn column) {
    return kCatalogueColumns[static_cast<size_t>(column)];
}

// How a draft in `column` is named in a message: its symbol or its words.
MessagePart ColumnName(const CatalogueColumnForm& column);

// A cell's tooltip while its text is no number, in the window and the page
// (context volvenza::Dimensionamento, the window's).
inline constexpr const char* kCatalogueCellTip = QT_TRANSLATE_NOOP(
    "volvenza::Dimensionamento",
    "Non è un numero valido: simulazione, ricerca, salvataggio ed esportazioni aspettano che "
    "sia corretto (Ctrl+Z lo annulla)");

}  // namespace volvenza::sizing
