#include "VolvenzaWebTables.h"

#include <nlohmann/json.hpp>
#include <string_view>

#include "documents/FileKinds.h"
#include "documents/PastedMovements.h"
#include "documents/Project.h"
#include "documents/ProjectFile.h"
#include "documents/ProjectKeys.h"
#include "engine/MovementKinds.h"
#include "messages/ResultsFormat.h"
#include "messages/WindowWords.h"
#include "numbers/NumberSigns.h"

// Marks a text the page shows for the catalogue (lupdate reads it as
// QT_TRANSLATE_NOOP), with the context whose English it takes: the
// desktop's where the desktop says the same, "volvenza::Page" for the
// page's own.
#define PAGE_TEXT(context, text) \
    { context, text }

namespace volvenza {
namespace {

using Json = nlohmann::json;

struct Text {
    const char* context;
    const char* italian;
};

struct Entry {
    const char* context;
    const char* italian;
    const char* english;
};

// The English of the contexts the page takes its words from, generated
// from the catalogue by tools/volvenza-sim/catalogue.cmake.
constexpr Entry kCatalogue[] = {
#include "WebCatalogue.inc"
};

// The words the page writes itself, by their Italian; the windows' words
// (the kinds' titles, the cycle table's headers and tooltips, the initial
// boxes' names and units, the note on results out of date) come whole with
// PageTables, the sizing form's boxes, choices, accumulator types,
// catalogue columns, title, headings, buttons and notes with its
// description (VolvenzaWebSizing.h). One a line, whole: the build takes
// their English from the catalogue by this form (web/CMakeLists.txt).
// clang-format off
constexpr Text kPageTexts[] = {
    PAGE_TEXT("volvenza::DatiIniziali", "Inizializzazione"),
    PAGE_TEXT("volvenza::Ciclo", "Ciclo"),
    PAGE_TEXT("volvenza::frmMain", "Esempio"),
    PAGE_TEXT("volvenza::frmMain", "Apri"),
    PAGE_TEXT("volvenza::Page", "Salva progetto (.vlzp)"),
    PAGE_TEXT("volvenza::Page", "Salva simulazione (.vlz)"),
    PAGE_TEXT("volvenza::frmMain", "Nuova simulazione"),
    PAGE_TEXT("volvenza::frmMain", "Inizio simulazione"),
    PAGE_TEXT("volvenza::SizingText", "Legge del gas"),
    PAGE_TEXT("volvenza::Page", "Inviluppo di temperatura"),
    PAGE_TEXT("volvenza::Page", "Aggiungi movimento"),
    PAGE_TEXT("volvenza::Page", "Elimina movimento"),
    PAGE_TEXT("volvenza::Grafico", "Grafico"),
    PAGE_TEXT("volvenza::Page", "Grandezza"),
    PAGE_TEXT("volvenza::Page", "Vista intera"),
    PAGE_TEXT("volvenza::Tabella", "Tabella"),
    PAGE_TEXT("volvenza::Page", "Messaggi"),
    PAGE_TEXT("volvenza::frmOptions", "Lingua"),
    PAGE_TEXT("volvenza::Page", "Simulazione in corso…"),
    PAGE_TEXT("volvenza::Page", "Simulazione completata."),
    PAGE_TEXT("volvenza::Page", "Nessun risultato: simulare il ciclo."),
    PAGE_TEXT("volvenza::Page", "Impossibile aprire %1:"),
    PAGE_TEXT("volvenza::Page", "Aperto %1."),
    PAGE_TEXT("volvenza::Page", "Salvato %1."),
    PAGE_TEXT("volvenza::Ciclo", "Movimenti incollati: %1."),
    PAGE_TEXT("volvenza::Page", "Righe %1–%2 di %3"),
    PAGE_TEXT("volvenza::Page", "Pagina precedente"),
    PAGE_TEXT("volvenza::Page", "Pagina successiva"),
    PAGE_TEXT("volvenza::Page", "Movimento %1, %2"),
    PAGE_TEXT("volvenza::Page", "Trascinare per ingrandire un riquadro, rotella per lo zoom, frecce per il collimatore, 0 per la vista intera."),
    PAGE_TEXT("volvenza::Page", "Frecce, Tab e Invio muovono fra le celle; scrivere modifica; F2 modifica la cella; Esc esce dalla tabella; Ctrl+V incolla movimenti da un foglio di calcolo; Ctrl+Z annulla."),
    // The vessels' line, which the core words for the page (sizing::VesselsText).
    PAGE_TEXT("volvenza::frmMain", "; %1 accumulatori di Vo in parallelo"),
    PAGE_TEXT("volvenza::frmMain", "; bombole %1 dm3"),
    PAGE_TEXT("volvenza::frmMain", "; rendimento volumetrico %1"),
    PAGE_TEXT("volvenza::CycleTableModel", "Valore non valido in %1: resta %2"),
    PAGE_TEXT("volvenza::CycleTableModel", "Valore fuori campo in %1, %2: resta %3"),
    PAGE_TEXT("volvenza::Page", "Il lavoro è conservato in questo browser."),
    PAGE_TEXT("volvenza::Page", "Ricerca in corso"),
    PAGE_TEXT("volvenza::Page", "Il calcolo si è interrotto per un errore interno (%1) ed è stato riavviato; il lavoro è come prima."),
    PAGE_TEXT("volvenza::Page", "convert: 'vlz' o 'vlzp'"),
    PAGE_TEXT("volvenza::Page", "volvenza: memoria esaurita"),
};
// clang-format on

// The catalogue's English of `italian` in `context`; nullptr when it has none.
const char* English(std::string_view context, std::string_view italian) {
    for (const Entry& entry : kCatalogue) {
        if (context == entry.context && italian == entry.italian) return entry.english;
    }
    return nullptr;
}

// A text in both languages; a symbol the catalogue does not list ("D [mm]")
// reads the same in both.
Json BothLanguages(const char* context, const char* italian) {
    const char* english = English(context, italian);
    return {{"it", italian}, {"en", english != nullptr ? english : italian}};
}

// A key and its words, a window's label without its mnemonic.
Json Keyed(const char* key, const char* context, const char* italian) {
    const char* english = English(context, italian);
    return {{"key", key},
            {"it", WithoutMnemonic(italian)},
            {"en", WithoutMnemonic(english != nullptr ? english : italian)}};
}

// What a column of the cycle table holds, for the page: "kind", "size" for
// the sizes a kind's page may hide, "flow", "duty" for the duty's figures
// typed, "emergency" for the mark, or "".
const char* CyclePart(int column) {
    if (column == PasteColumn::Kind) return "kind";
    if (column >= PasteColumn::Bore && column < PasteColumn::Flow) return "size";
    if (column == PasteColumn::Flow) return "flow";
    if (column >= PasteColumn::Load && column <= PasteColumn::TypedRequired) return "duty";
    return column == PasteColumn::Emergency ? "emergency" : "";
}

// The cycle table's columns by the project's name of each (null for the
// required pressure worked out), what the column holds and whether the
// project keeps it in single precision (the times and sizes).
Json CycleColumns() {
    Json columns = Json::array();
    for (int column = 0; column < PasteColumn::Required + 1; ++column) {
        const char* key = ProjectColumnKey(column);
        columns.push_back({{"key", key != nullptr ? Json(key) : Json()},
                           {"part", CyclePart(column)},
                           {"single", PasteColumnField(column) != nullptr}});
    }
    return columns;
}

// The series of a run after the time, in the results table's order (its
// column is the place here plus one), by symbol, unit and axis title.
Json ResultsSeriesTable() {
    Json series = Json::array();
    for (const ResultsSeries& s : kResultsSeries) {
        series.push_back({{"symbol", s.symbol}, {"unit", s.unit}, {"axis", AxisTitle(s)}});
    }
    return series;
}

// The chart's choice of series, in its order: each by symbol and name; a
// name without English joins `missing`.
Json ChartChoices(Json& missing) {
    Json choices = Json::array();
    for (const ChartSeriesChoice& choice : kChartSeriesChoices) {
        if (English(kChartChoiceContext, choice.name) == nullptr) missing.push_back(choice.name);
        choices.push_back({{"symbol", kResultsSeries[choice.series].symbol},
                           {"name", BothLanguages(kChartChoiceContext, choice.name)}});
    }
    return choices;
}

// A kind of file by its extension and default name.
Json Kind(const FileKind& kind) {
    return {{"extension", kind.extension}, {"name", kind.defaultName}};
}

// A movement added to the table, as the project writes a new one.
Json NewMovement() {
    CircuitState state;
    state.MovementCount = 1;
    state.Movements[1].Kind = MovementKind::CylinderExtending;
    return Json::parse(ProjectFileText(state, ProjectSizing{}))["movimenti"][0];
}

// The movements' kinds: their titles, the paste columns each shows and,
// by code (the empty slot's too), the kind each is listed and edited as.
Json KindTables() {
    Json kinds = Json::array({nullptr});
    Json shown = Json::array({nullptr});
    Json listed = Json::array();
    for (int16_t kind = 0; kind < int16_t(kKindTitles.size()); ++kind) {
        listed.push_back(ListedKind(kind));
    }
    for (int16_t kind = 1; kind < int16_t(kKindTitles.size()); ++kind) {
        kinds.push_back(BothLanguages(kKindsContext, KindTitleSource(kind)));
        Json columns = Json::array();
        for (int column = PasteColumn::Bore; column < PasteColumn::Flow; ++column) {
            if (PageShows(kind, PasteColumnField(column))) columns.push_back(column);
        }
        shown.push_back(columns);
    }
    return {{"kinds", kinds}, {"shown", shown}, {"listed", listed}};
}

// The cycle table's column headers and their tooltips.
Json CycleWords() {
    Json headers = Json::array();
    Json tooltips = Json::array();
    for (const CycleColumnWords& column : kCycleColumns) {
        headers.push_back(BothLanguages(kCycleTableContext, column.header));
        tooltips.push_back(BothLanguages(kCycleTableContext, column.tooltip));
    }
    return {{"columns", headers}, {"tooltips", tooltips}};
}

}  // namespace

std::string WithoutMnemonic(std::string_view text) {
    std::string plain;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) ++i;
        plain += text[i];
    }
    return plain;
}

const char* CatalogueEnglish(std::string_view context, std::string_view italian) {
    return English(context, italian);
}

std::string PageTables() {
    Json texts = Json::object();
    Json missing = Json::array();
    for (const Text& text : kPageTexts) {
        const char* english = English(text.context, text.italian);
        if (english == nullptr) missing.push_back(text.italian);
        texts[text.italian] = english != nullptr ? english : text.italian;
    }
    Json initial = Json::array();
    for (size_t i = 0; i < kInitialBoxes.size(); ++i) {
        Json name = Keyed(ProjectDataKey(i), kInitialContext, kInitialBoxes[i].name);
        name["unit"] = kInitialBoxes[i].unit;
        initial.push_back(name);
    }
    Json laws = Json::array();
    for (size_t law = 0; law < kLawKeys.size(); ++law) {
        laws.push_back(Keyed(kLawKeys[law], kGasModelContext, kGasLawCaptions[law]));
    }
    const Json chart = ChartChoices(missing);
    // The envelope first, as the page lays it out.
    const Json gas =
        Json::array({Keyed(project_key::kMinTemp, kGasModelContext, kMinTempCaption),
                     Keyed(project_key::kMaxTemp, kGasModelContext, kMaxTempCaption),
                     Keyed(project_key::kExponent, kGasModelContext, kExponentCaption)});
    Json page({{"texts", texts},
               {"missing", missing},
               {"cycle", CycleColumns()},
               {"newMovement", NewMovement()},
               {"initial", initial},
               {"laws", laws},
               {"lawKey", project_key::kLaw},
               {"parts",
                {{"data", project_key::kData},
                 {"movements", project_key::kMovements},
                 {"gas", project_key::kGas},
                 {"requirements", project_key::kRequirements},
                 {"recommendation", project_key::kRecommendation}}},
               {"gas", gas},
               {"results", kResultsHeadings},
               {"series", ResultsSeriesTable()},
               {"chart", chart},
               {"files", {{"simulation", Kind(kSimulationFile)}, {"project", Kind(kProjectFile)}}},
               {"timeAxis", AxisTitle(kTimeSeries)},
               {"resultsFormat", {{"every", kResultsRowEvery}, {"decimals", kResultsDecimals}}},
               {"readout",
                {{"pressure", kPressureReadoutDecimals},
                 {"pressureSymbol", kPressureSeries.symbol},
                 {"time", ReadoutTimeDecimals(CircuitState{}.TimeStep)},
                 {"sample", BothLanguages(kChartContext, kReadoutSample)}}},
               {"timeStep", CircuitState{}.TimeStep},
               {"notANumber", BothLanguages(kInitialContext, kNotANumberTip)},
               {"stale", BothLanguages(kSizingContext, kStaleNote)},
               {"characters", std::string(kNumberSigns)},
               {"limits", {{"movements", kMaxMovements}, {"undoSteps", Project::kMaxUndoSteps}}}});
    page.update(KindTables());
    page.update(CycleWords());
    return page.dump(-1, ' ', false, Json::error_handler_t::replace);
}

}  // namespace volvenza
