#pragma once
// The words the windows and the browser's page both show about the design:
// the kinds of movement's titles and their names in a sentence (the sizing
// answer's), the cycle table's headers and tooltips, the initial boxes'
// names and units, what an initial box holding no number says, the gas laws
// and the envelope's boxes of the gas-model window, the results table's
// headings, and the note on results the data have changed under.
// Written once here, as Italian sources in the catalogue's contexts of the
// windows that show them: the desktop translates them in those contexts, the
// browser's core hands them to the page in both languages.

#include <array>
#include <cstddef>
#include <cstdint>

#include "messages/TranslationMark.h"

namespace volvenza {

// The movement editor's context, which the kinds' titles and the units of
// the motor's sizes are translated in.
inline constexpr const char* kKindsContext = "volvenza::ActuatorPages";

// A kind of movement's words: its title, as the movement editor, the cycle
// table and the printout head it (in the editor's context), and its name
// inside a sentence, as the sizing answer's explanations name the movements
// at work (in the answer's context, "volvenza::SizingText").
struct KindWords {
    const char* title;
    const char* name;
};

// By kind code, the empty slot first.
inline constexpr std::array<KindWords, 8> kKindTitles{{
    {nullptr, nullptr},
    {QT_TRANSLATE_NOOP("volvenza::ActuatorPages", "CILINDRO SEMPLICE STELO USCENTE"),
     QT_TRANSLATE_NOOP("volvenza::SizingText", "cilindro in uscita")},
    {QT_TRANSLATE_NOOP("volvenza::ActuatorPages", "CILINDRO SEMPLICE STELO ENTRANTE"),
     QT_TRANSLATE_NOOP("volvenza::SizingText", "cilindro in rientro")},
    {QT_TRANSLATE_NOOP("volvenza::ActuatorPages", "PISTONE DIFFERENZIALE"),
     QT_TRANSLATE_NOOP("volvenza::SizingText", "pistone differenziale")},
    {QT_TRANSLATE_NOOP("volvenza::ActuatorPages", "MOTORE"),
     QT_TRANSLATE_NOOP("volvenza::SizingText", "motore")},
    {QT_TRANSLATE_NOOP("volvenza::ActuatorPages", "PALMOLA"),
     QT_TRANSLATE_NOOP("volvenza::SizingText", "attuatore a palette")},
    {QT_TRANSLATE_NOOP("volvenza::ActuatorPages", "CILINDRO DOPPIO STELO"),
     QT_TRANSLATE_NOOP("volvenza::SizingText", "cilindro a doppio stelo")},
    {QT_TRANSLATE_NOOP("volvenza::ActuatorPages", "CILINDRO SEMPLICE EFFETTO"),
     QT_TRANSLATE_NOOP("volvenza::SizingText", "cilindro a semplice effetto")},
}};

// The Italian words of a kind code; the empty slot's, both nullptr, for a
// code no kind has.
constexpr KindWords KindWordsSource(int16_t kind) {
    return kind > 0 && kind < int16_t(kKindTitles.size()) ? kKindTitles[size_t(kind)]
                                                          : kKindTitles[0];
}

// The Italian title of a kind code, nullptr for the empty slot or a code
// no kind has.
constexpr const char* KindTitleSource(int16_t kind) {
    return KindWordsSource(kind).title;
}

// The motor's sizes' units, which read differently in English.
inline constexpr const char* kMotorDisplacementUnit =
    QT_TRANSLATE_NOOP("volvenza::ActuatorPages", "[cm3/giro]");
inline constexpr const char* kMotorSpeedUnit =
    QT_TRANSLATE_NOOP("volvenza::ActuatorPages", "[rpm]");

inline constexpr const char* kCycleTableContext = "volvenza::CycleTableModel";

// A column of the cycle table: its header (symbol and unit) and its tooltip.
struct CycleColumnWords {
    const char* header;
    const char* tooltip;
};

// In the table's order (kind, times, the seven sizes, flow, the duty), which
// the clipboard's columns follow too.
inline constexpr std::array<CycleColumnWords, 17> kCycleColumns{{
    {QT_TRANSLATE_NOOP("volvenza::CycleTableModel", "Tipo"),
     QT_TRANSLATE_NOOP("volvenza::CycleTableModel", "Tipo di attuatore")},
    {"Ti [sec]", QT_TRANSLATE_NOOP("volvenza::CycleTableModel", "Tempo di inizio")},
    {"Tf [sec]", QT_TRANSLATE_NOOP("volvenza::CycleTableModel", "Tempo di fine")},
    {"D [mm]", QT_TRANSLATE_NOOP("volvenza::CycleTableModel", "Alesaggio")},
    {"d [mm]", QT_TRANSLATE_NOOP(
                   "volvenza::CycleTableModel",
                   "Diametro dello stelo; del pistone tuffante nel cilindro a semplice effetto")},
    {"L [mm]", QT_TRANSLATE_NOOP("volvenza::CycleTableModel", "Corsa")},
    {QT_TRANSLATE_NOOP("volvenza::CycleTableModel", "C [cm3/giro]"),
     QT_TRANSLATE_NOOP("volvenza::CycleTableModel", "Cilindrata del motore")},
    {"N [rpm]", QT_TRANSLATE_NOOP("volvenza::CycleTableModel", "Velocità del motore")},
    {"CU [cm3/°]",
     QT_TRANSLATE_NOOP("volvenza::CycleTableModel", "Cilindrata unitaria della palmola")},
    {"AR [°]", QT_TRANSLATE_NOOP("volvenza::CycleTableModel", "Angolo di rotazione della palmola")},
    {"Qm [dm3/min]",
     QT_TRANSLATE_NOOP("volvenza::CycleTableModel", "Portata assorbita fra Ti e Tf")},
    {QT_TRANSLATE_NOOP("volvenza::CycleTableModel", "Carico"),
     QT_TRANSLATE_NOOP("volvenza::CycleTableModel",
                       "Forza [kN] per cilindri e tuffanti, coppia [N·m] per motori e palmole")},
    {"η", QT_TRANSLATE_NOOP("volvenza::CycleTableModel",
                            "Rendimento idromeccanico, più di 0 e al più 1 (0,95 se non dato)")},
    {"Δp [bar]",
     QT_TRANSLATE_NOOP("volvenza::CycleTableModel",
                       "Pressione persa fra accumulatore e attuatore (linee e valvole)")},
    {"pr [bar]", QT_TRANSLATE_NOOP("volvenza::CycleTableModel",
                                   "Pressione richiesta immessa a mano: prende il posto di quella "
                                   "del carico")},
    {QT_TRANSLATE_NOOP("volvenza::CycleTableModel", "Em"),
     QT_TRANSLATE_NOOP("volvenza::CycleTableModel",
                       "Il movimento deve compiersi a pompa persa (corsa di emergenza)")},
    {"pn [bar]", QT_TRANSLATE_NOOP("volvenza::CycleTableModel",
                                   "Pressione che il movimento richiede all'accumulatore, "
                                   "calcolata; vuota: vale p1")},
}};

inline constexpr const char* kInitialContext = "volvenza::DatiIniziali";

// An initial box: the value's name, which the messages about it use too, and
// its unit.
struct InitialBoxWords {
    const char* name;
    const char* unit;
};

// V0, P0, tc, Qp, Pm, Dp and the cycle time, as the window shows them.
inline constexpr std::array<InitialBoxWords, 7> kInitialBoxes{{
    {"Vo", "[dm3]"},
    {"Po", "[bar]"},
    {"tc", "[°C]"},
    {"Qp", "[dm3/min]"},
    {"PM", "[bar]"},
    {"DP", "[bar]"},
    {QT_TRANSLATE_NOOP("volvenza::DatiIniziali", "Tempo ciclo"), "[s]"},
}};

// A box's tooltip while its text is no number.
inline constexpr const char* kNotANumberTip = QT_TRANSLATE_NOOP(
    "volvenza::DatiIniziali",
    "Non è un numero: simulazione, dimensionamento, salvataggio ed esportazioni aspettano che "
    "sia corretto (Ctrl+Z lo annulla)");

inline constexpr const char* kGasModelContext = "volvenza::frmModelloGas";

// The gas laws as the gas-model window offers them, in GasLawKind's order,
// with the window's mnemonics.
inline constexpr std::array<const char*, 3> kGasLawCaptions{{
    QT_TRANSLATE_NOOP("volvenza::frmModelloGas", "&Classica"),
    QT_TRANSLATE_NOOP("volvenza::frmModelloGas", "Gas &ideale"),
    QT_TRANSLATE_NOOP("volvenza::frmModelloGas", "&Azoto reale"),
}};

// The gas-model window's boxes the page shows too, with their mnemonics.
inline constexpr const char* kExponentCaption =
    QT_TRANSLATE_NOOP("volvenza::frmModelloGas", "&Esponente n della politropica");
inline constexpr const char* kMinTempCaption =
    QT_TRANSLATE_NOOP("volvenza::frmModelloGas", "Temperatura mi&nima [°C]");
inline constexpr const char* kMaxTempCaption =
    QT_TRANSLATE_NOOP("volvenza::frmModelloGas", "Temperatura ma&ssima [°C]");

// The results table's headings: the time, the four series, and the gas
// temperature, shown when the ideal or the real law ran.
inline constexpr std::array<const char*, 6> kResultsHeadings{
    {"T", "V(T)", "P(T)", "Qt(T)", "Qs(T)=Qt(T)-Qp", "Tgas(T)"}};

inline constexpr const char* kSizingContext = "volvenza::Dimensionamento";

// Results the data have changed under: the sizing window's answer and its
// printed page, the main window's status, the page's results and answer.
inline constexpr const char* kStaleNote = QT_TRANSLATE_NOOP(
    "volvenza::Dimensionamento", "Risultati non aggiornati: i dati sono cambiati");

}  // namespace volvenza
