#include <iterator>

#include "messages/Message.h"
#include "messages/MessageSources.h"
#include "messages/TranslationMark.h"

// The Italian text of the checks before a run, of the boxes whose text stops
// what reads the data and of the ranges they say; and where each message's
// text is found, here or in the table of its subject (MessageSources.h).
// How a message is put together is Message.cpp's.

namespace volvenza {
namespace {

using message_sources::Source;

// In the order of MessageId, checked below. The refusals to start a cycle
// are the original program's words, stopless; the cycle time's range is ours.
constexpr Source kSources[] = {
    {MessageId::AllInitialZero,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Hai lasciato tutti i valori iniziali a 0, la simulazione non può partire")},
    {MessageId::CycleTimeZero,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Hai lasciato il tempo di ciclo a 0, la simulazione non può partire")},
    {MessageId::CycleTimeRange,
     QT_TRANSLATE_NOOP(
         "volvenza::Message",
         "Il tempo di ciclo deve essere compreso tra 0 e 327,67 s, la simulazione non "
         "può partire.")},
    {MessageId::NoMovements,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Non ci sono movimenti, la simulazione non può partire")},
    {MessageId::RunStopped,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "La simulazione verrà interrotta, corregere il problema e riavviarla.")},
    {MessageId::PrechargeTooHigh,
     QT_TRANSLATE_NOOP("volvenza::Message", "ATTENZIONE !!!!! PRECARICA VOLVENZA TROPPO ALTA")},
    {MessageId::FlowNotNumber,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "La portata del movimento %1 non è un numero valido. La simulazione verrà "
                       "interrotta, correggere il dato e riavviarla.")},
    {MessageId::MovementTimesZero,
     QT_TRANSLATE_NOOP(
         "volvenza::Message",
         "Il tempo iniziale e finale del movimento %1 sono stati lasciati a 0. Si vuole "
         "procedere comunque?")},
    {MessageId::MovementEndNotAfterStart,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Il tempo finale del movimento %1 è uguale o minore del tempo iniziale. La "
                       "simulazione verà interrotta, correggere il dato e riavviarla.")},
    {MessageId::EnvelopeAroundWork,
     QT_TRANSLATE_NOOP(
         "volvenza::Message",
         "La temperatura minima deve essere minore o uguale alla temperatura di lavoro tc "
         "e la massima maggiore o uguale.")},
    {MessageId::CannotStart,
     QT_TRANSLATE_NOOP("volvenza::Message", "%1, la simulazione non può partire.")},
    {MessageId::GasTooCold,
     QT_TRANSLATE_NOOP(
         "volvenza::Message",
         "La temperatura del gas scende a %1 °C, sotto i %2 °C che sacche, membrane e "
         "guarnizioni in gomma nitrilica ammettono.")},
    {MessageId::InitialValueNegative,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "%1 vale %2: i valori iniziali non possono essere negativi, la simulazione "
                       "non può partire.")},
    {MessageId::WorkTempAbsoluteZero,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "tc vale %1 °C: la temperatura di lavoro deve superare lo zero assoluto, "
                       "-273,15 °C, la simulazione non può partire.")},
    {MessageId::EnvelopeMinAbsoluteZero,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "La temperatura minima dell'inviluppo vale %1 °C: deve superare lo zero "
                       "assoluto, -273,15 °C, la simulazione non può partire.")},
    {MessageId::EnvelopeMaxAbsoluteZero,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "La temperatura massima dell'inviluppo vale %1 °C: deve superare lo zero "
                       "assoluto, -273,15 °C, la simulazione non può partire.")},
    {MessageId::MovementNegative,
     QT_TRANSLATE_NOOP(
         "volvenza::Message",
         "Nel movimento %1 %2 vale %3 e non può essere negativo. La simulazione verrà "
         "interrotta, correggere il dato e riavviarla.")},
    {MessageId::MovementNotFinite,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Nel movimento %1 %2 vale %3, che non è un numero finito. La simulazione "
                       "verrà interrotta, correggere il dato e riavviarla.")},
    {MessageId::MovementListFull,
     QT_TRANSLATE_NOOP("volvenza::Message", "Raggiunto il numero massimo di 1000 movimenti.")},
    {MessageId::DraftNotNumber,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Il valore di %1 è \"%2\", che non è un numero valido: %3. Correggerlo o "
                       "annullarlo con Ctrl+Z.")},
    {MessageId::DraftOutOfRange,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Il valore di %1 è \"%2\", fuori dal suo campo: %3; %4. Correggerlo o "
                       "annullarlo con Ctrl+Z.")},
    {MessageId::DraftEmpty,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Il valore di %1 manca: %2. Scriverlo o annullare con Ctrl+Z.")},
    {MessageId::DutyLoadRange,
     QT_TRANSLATE_NOOP("volvenza::Message", "il carico deve essere almeno 0")},
    {MessageId::DutyEfficiencyRange,
     QT_TRANSLATE_NOOP("volvenza::Message", "il rendimento deve essere più di 0 e al più 1")},
    {MessageId::DutyLossRange,
     QT_TRANSLATE_NOOP("volvenza::Message", "la perdita deve essere almeno 0 bar")},
    {MessageId::DutyRequiredRange,
     QT_TRANSLATE_NOOP("volvenza::Message", "la pressione richiesta deve essere più di 0 bar")},
    {MessageId::DraftInitialBox, QT_TRANSLATE_NOOP("volvenza::Message", "%1 (Inizializzazione)")},
    {MessageId::DraftMovementBox, QT_TRANSLATE_NOOP("volvenza::Message", "%1 del movimento %2")},
    {MessageId::DraftRequirementBox,
     QT_TRANSLATE_NOOP("volvenza::Message", "%1 (Dimensionamento)")},
    {MessageId::RequirementMinPressure,
     QT_TRANSLATE_NOOP("volvenza::Message", "pressione minima p1")},
    {MessageId::RequirementRated, QT_TRANSLATE_NOOP("volvenza::Message", "pressione nominale PS")},
    {MessageId::RequirementRelief,
     QT_TRANSLATE_NOOP("volvenza::Message", "taratura della valvola di massima")},
    {MessageId::RequirementTolerance,
     QT_TRANSLATE_NOOP("volvenza::Message", "tolleranza della precarica")},
    {MessageId::RequirementHours, QT_TRANSLATE_NOOP("volvenza::Message", "ore di lavoro continuo")},
    {MessageId::RequirementEfficiency,
     QT_TRANSLATE_NOOP("volvenza::Message", "rendimento della pompa")},
    {MessageId::RequirementHoursPerYear,
     QT_TRANSLATE_NOOP("volvenza::Message", "ore di lavoro in un anno")},
    {MessageId::RequirementBottles,
     QT_TRANSLATE_NOOP("volvenza::Message", "bombole per i pistoni")},
    {MessageId::RequirementHoldPressure,
     QT_TRANSLATE_NOOP("volvenza::Message", "pressione da mantenere")},
    {MessageId::RequirementHoldTime,
     QT_TRANSLATE_NOOP("volvenza::Message", "tempo di mantenimento")},
    {MessageId::RequirementHoldLeakage,
     QT_TRANSLATE_NOOP("volvenza::Message", "perdite delle valvole")},
    {MessageId::RequirementHoldCooling,
     QT_TRANSLATE_NOOP("volvenza::Message", "raffreddamento del gas nel tempo")},
    {MessageId::DraftCatalogueCell,
     QT_TRANSLATE_NOOP("volvenza::Message", "%1 alla riga %2 del catalogo (Dimensionamento)")},
    {MessageId::CatalogueRatio, QT_TRANSLATE_NOOP("volvenza::Message", "rapporto max")},
    {MessageId::CatalogueFlow, QT_TRANSLATE_NOOP("volvenza::Message", "portata max")},
    {MessageId::CatalogueSwing, QT_TRANSLATE_NOOP("volvenza::Message", "escursione max")},
    {MessageId::CatalogueCycles, QT_TRANSLATE_NOOP("volvenza::Message", "cicli nominali")},
    {MessageId::DraftStopsRun,
     QT_TRANSLATE_NOOP("volvenza::Message", "la simulazione non può partire")},
    {MessageId::DraftStopsSizing,
     QT_TRANSLATE_NOOP("volvenza::Message", "il dimensionamento non può partire")},
    {MessageId::DraftStopsSave,
     QT_TRANSLATE_NOOP("volvenza::Message", "il lavoro non viene salvato")},
    {MessageId::DraftStopsExport,
     QT_TRANSLATE_NOOP("volvenza::Message", "l'esportazione non viene fatta")},
    {MessageId::DecimalPoint,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "ATTENZIONE!!!! Usare la virgola '','' e no il punto ''.'' per i decimali")},
    {MessageId::RangeFromTo, QT_TRANSLATE_NOOP("volvenza::Message", "da %1 a %2")},
    {MessageId::RangeAboveTo, QT_TRANSLATE_NOOP("volvenza::Message", "più di %1 e al più %2")},
    {MessageId::RangeWhole, QT_TRANSLATE_NOOP("volvenza::Message", "un numero intero da %1 a %2")},
    {MessageId::RangeAtLeastOrNull, QT_TRANSLATE_NOOP("volvenza::Message", "almeno %1, o null")},
    {MessageId::RangeAtLeast, QT_TRANSLATE_NOOP("volvenza::Message", "almeno %1")},
    {MessageId::RangeAbove, QT_TRANSLATE_NOOP("volvenza::Message", "più di %1")},
};

static_assert(message_sources::Runs(kSources, MessageId::AllInitialZero, MessageId::RangeAbove),
              "every MessageId up to RangeAbove has its text, in the enum's order");

}  // namespace

const char* MessageSource(MessageId id) {
    const auto i = static_cast<size_t>(id);
    if (i < std::size(kSources)) return kSources[i].italian;
    // The tables after this one follow on, each from where the last ended.
    size_t j = i - std::size(kSources);
    for (const auto table : {message_sources::GasSources(), message_sources::SizingSources(),
                             message_sources::FileSources(), message_sources::TableSources(),
                             message_sources::CommandSources()}) {
        if (j < table.size()) return table[j].italian;
        j -= table.size();
    }
    return "";
}

}  // namespace volvenza
