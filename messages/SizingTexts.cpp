#include "messages/MessageSources.h"
#include "messages/TranslationMark.h"

// The Italian texts of the sizing assistant's refusals, of its window's
// boxes read for a search, and of an energy balance that cannot be given.

namespace volvenza::message_sources {
namespace {

constexpr Source kSizing[] = {
    {MessageId::MinPressurePositive,
     QT_TRANSLATE_NOOP("volvenza::Message", "La pressione minima p1 deve essere positiva.")},
    {MessageId::MinBelowMax,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "La pressione minima p1 deve essere minore della pressione massima Pm.")},
    {MessageId::CatalogueEmpty,
     QT_TRANSLATE_NOOP("volvenza::Message", "Il catalogo non contiene alcuna grandezza.")},
    {MessageId::CatalogueTooLong,
     QT_TRANSLATE_NOOP("volvenza::Message", "Il catalogo può contenere al più %1 grandezze.")},
    {MessageId::CatalogueOrder,
     QT_TRANSLATE_NOOP(
         "volvenza::Message",
         "Il catalogo deve elencare volumi positivi in ordine crescente, senza ripetizioni.")},
    {MessageId::CatalogueLimit,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Il catalogo ha un limite non valido alla grandezza %1 dm3: il rapporto di "
                       "compressione deve superare 1, PS, portata massima ed escursione massima "
                       "essere positive, τ non negativa, i cicli nominali almeno 1.")},
    {MessageId::RatedPressurePositive,
     QT_TRANSLATE_NOOP("volvenza::Message", "La pressione nominale PS deve essere positiva.")},
    {MessageId::ReliefPositive,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "La taratura della valvola di massima deve essere positiva.")},
    {MessageId::ReliefAboveRated,
     QT_TRANSLATE_NOOP(
         "volvenza::Message",
         "La taratura della valvola di massima (%1 bar) supera la pressione nominale PS "
         "(%2 bar): la valvola deve proteggere l'accumulatore.")},
    {MessageId::PrechargeTolerance,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "La tolleranza della precarica deve essere tra 0 e 50 %.")},
    {MessageId::WorkingHours,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Le ore di lavoro continuo devono essere più di 0 e al più un anno.")},
    {MessageId::PumpEfficiency,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Il rendimento della pompa deve essere più di 0 e al più 1.")},
    {MessageId::HoursPerYear,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Le ore di lavoro in un anno devono essere più di 0 e al più 8760.")},
    {MessageId::ParallelCount,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Gli accumulatori in parallelo devono essere da 1 a %1.")},
    {MessageId::BottleVolume,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Il volume delle bombole deve essere tra 0 e 100000 dm3.")},
    {MessageId::VolumetricEfficiency,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Il rendimento volumetrico della pompa deve essere più di 0 e al più 1.")},
    {MessageId::BottlesTooLarge,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Le bombole (%1 dm3) sono più grandi del volume del gas a Pm (%2 dm3): "
                       "l'olio riempirebbe gli accumulatori prima di Pm; ridurre le bombole o "
                       "alzare la precarica.")},
    {MessageId::CycleMissing,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Mancano i dati del ciclo: tempo di ciclo e movimenti.")},
    {MessageId::RestartNotAboveMin,
     QT_TRANSLATE_NOOP(
         "volvenza::Message",
         "p1 (%1 bar) non è sotto la pressione a cui la pompa riparte, Pm - Dp (%2 bar): "
         "la pressione scende sotto p1 prima che la pompa ricarichi l'accumulatore; "
         "abbassare p1 sotto %2 bar o ridurre Dp sotto Pm - p1.")},
    {MessageId::HoldAboveStart,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "La pressione da mantenere (%1 bar) supera quella da cui parte il "
                       "mantenimento, %2 (%3 bar): darla di al più %3 bar.")},
    {MessageId::HoldCoolingRange,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Il raffreddamento del gas (%1 K) lo porterebbe dai %2 K di lavoro a %3 K, "
                       "fuori dal campo della legge del gas (sopra %4 K): darlo minore di %5 K.")},
    {MessageId::NoPrechargeWindow,
     QT_TRANSLATE_NOOP(
         "volvenza::Message",
         "Nessuna precarica rispetta insieme le regole 2 e 3 per questo tipo di "
         "accumulatore: la precarica dovrebbe essere di almeno %1 bar e di al più %2 bar; "
         "servirebbe un accumulatore a pistone, una Pm di al più %3 bar o una p1 di almeno "
         "%4 bar.")},
    {MessageId::EnvelopeMinimum,
     QT_TRANSLATE_NOOP("volvenza::Message", "Temperatura minima dell'inviluppo: %1.")},
    {MessageId::EnvelopeMaximum,
     QT_TRANSLATE_NOOP("volvenza::Message", "Temperatura massima dell'inviluppo: %1.")},
    {MessageId::SizingStopped, QT_TRANSLATE_NOOP("volvenza::Message", "Ricerca interrotta")},
    {MessageId::SizingBoxMinPressure,
     QT_TRANSLATE_NOOP("volvenza::Message", "Scrivere la pressione minima p1 in bar.")},
    {MessageId::SizingBoxRated,
     QT_TRANSLATE_NOOP("volvenza::Message", "La pressione nominale PS non è un numero.")},
    {MessageId::SizingBoxRelief,
     QT_TRANSLATE_NOOP("volvenza::Message", "La taratura della valvola non è un numero.")},
    {MessageId::SizingBoxTolerance,
     QT_TRANSLATE_NOOP("volvenza::Message", "Scrivere la tolleranza della precarica in %.")},
    {MessageId::SizingBoxHours,
     QT_TRANSLATE_NOOP("volvenza::Message", "Scrivere le ore di lavoro continuo.")},
    {MessageId::SizingBoxEfficiency,
     QT_TRANSLATE_NOOP("volvenza::Message", "Scrivere il rendimento della pompa.")},
    {MessageId::SizingBoxHoursPerYear,
     QT_TRANSLATE_NOOP("volvenza::Message", "Scrivere le ore di lavoro in un anno.")},
    {MessageId::SizingBoxBottles,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Scrivere fino a %1 bombole in dm3, ciascuna più di 0, separate da \";\".")},
    {MessageId::SizingBoxCatalogueV0,
     QT_TRANSLATE_NOOP("volvenza::Message", "Il catalogo non dà V0 alla riga %1.")},
    {MessageId::SizingBoxHold,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Mantenimento della pressione: scrivere pressione e tempo oltre 0, "
                       "perdite e raffreddamento da 0 in su.")},
    {MessageId::EnergyNotFinite,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Il bilancio energetico non si può dare: le sue cifre non vengono tutte "
                       "numeri finiti (la portata più grande del ciclo, del movimento %1, vale %2 "
                       "dm3/min).")},
};

static_assert(Runs(kSizing, MessageId::MinPressurePositive, MessageId::EnergyNotFinite) &&
                  Follows(MessageId::MinPressurePositive, MessageId::MinAboveMax),
              "every MessageId from MinPressurePositive to EnergyNotFinite has its text, in the "
              "enum's order");

}  // namespace

std::span<const Source> SizingSources() {
    return kSizing;
}

}  // namespace volvenza::message_sources
