#include "messages/MessageSources.h"
#include "messages/TranslationMark.h"

// The Italian texts of what the gas laws refuse, of a run whose gas left its
// law's domain, and of the gas-model dialog's boxes.

namespace volvenza::message_sources {
namespace {

constexpr Source kGas[] = {
    {MessageId::ExponentRange,
     QT_TRANSLATE_NOOP(
         "volvenza::Message",
         "L'esponente della politropica deve essere compreso tra 1 e 1,67 (ora %1).")},
    {MessageId::TemperaturesAboveZero,
     QT_TRANSLATE_NOOP(
         "volvenza::Message",
         "Le temperature di carica e di lavoro devono essere sopra lo zero assoluto.")},
    {MessageId::PressuresPositive,
     QT_TRANSLATE_NOOP(
         "volvenza::Message",
         "Le pressioni assolute di precarica e massima devono essere maggiori di 0.")},
    {MessageId::NitrogenTemperatureRange,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Temperatura di %1 °C (%2 K) fuori dal campo dell'equazione dell'azoto, da "
                       "63,151 a 1000 K.")},
    {MessageId::NitrogenPressureRange,
     QT_TRANSLATE_NOOP(
         "volvenza::Message",
         "Pressione di %1 bar assoluti fuori dal campo dell'equazione dell'azoto: deve essere "
         "più di 0 e al più 22000 bar.")},
    {MessageId::NitrogenSolid,
     QT_TRANSLATE_NOOP(
         "volvenza::Message",
         "A %1 °C e %2 bar assoluti l'azoto è solido (pressione di fusione %3 bar).")},
    {MessageId::NitrogenDensityNotFound,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Densità dell'azoto non trovata a %1 K e %2 bar assoluti.")},
    {MessageId::NitrogenTemperatureNotFound,
     QT_TRANSLATE_NOOP(
         "volvenza::Message",
         "Temperatura dell'azoto non trovata per l'entropia %1 J/(kg K) a %2 kg/m3.")},
    {MessageId::GasVolumePositive,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Il volume nominale del gas deve essere maggiore di 0.")},
    {MessageId::TimeStepPositive,
     QT_TRANSLATE_NOOP("volvenza::Message", "Il passo di simulazione deve essere maggiore di 0.")},
    {MessageId::TimeConstantRange,
     QT_TRANSLATE_NOOP(
         "volvenza::Message",
         "La costante di tempo termica deve essere maggiore o uguale a 0 (ora %1 s).")},
    {MessageId::AtPrecharge, QT_TRANSLATE_NOOP("volvenza::Message", "Precarica: %1.")},
    {MessageId::AtMaxPressure, QT_TRANSLATE_NOOP("volvenza::Message", "Pressione massima: %1.")},
    {MessageId::FiniteState,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "La temperatura e la pressione devono essere numeri finiti.")},
    {MessageId::NitrogenCondensesAt,
     QT_TRANSLATE_NOOP("volvenza::Message", "a %1 °C e %2 bar assoluti l'azoto condensa")},
    {MessageId::OutsideGas,
     QT_TRANSLATE_NOOP(
         "volvenza::Message",
         "ATTENZIONE: %1 a t = %2 s (gas a %3 °C e %4 bar): la legge del gas non vale "
         "oltre e la simulazione si ferma qui.")},
    {MessageId::ReasonCondenses, QT_TRANSLATE_NOOP("volvenza::Message", "l'azoto condensa")},
    {MessageId::ReasonBelowTriple,
     QT_TRANSLATE_NOOP("volvenza::Message", "l'azoto scende sotto il punto triplo")},
    {MessageId::ReasonOutOfRange,
     QT_TRANSLATE_NOOP("volvenza::Message", "l'azoto esce dal campo dell'equazione")},
    {MessageId::ExponentBox,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "L'esponente n deve essere un numero compreso tra 1 e 1,67.")},
    {MessageId::TimeConstantBox,
     QT_TRANSLATE_NOOP(
         "volvenza::Message",
         "La costante di tempo termica deve essere un numero maggiore o uguale a 0, oppure "
         "vuota per un tempo infinito.")},
    {MessageId::ChargeTempBox,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "La temperatura di carica deve essere un numero maggiore di -273,15 °C.")},
    {MessageId::MinTempBox,
     QT_TRANSLATE_NOOP(
         "volvenza::Message",
         "La temperatura minima deve essere un numero maggiore di -273,15 °C, oppure vuota "
         "per la temperatura di lavoro tc.")},
    {MessageId::MaxTempBox,
     QT_TRANSLATE_NOOP(
         "volvenza::Message",
         "La temperatura massima deve essere un numero maggiore di -273,15 °C, oppure "
         "vuota per la temperatura di lavoro tc.")},
    {MessageId::MinAboveMax,
     QT_TRANSLATE_NOOP("volvenza::Message", "La temperatura minima non può superare la massima.")},
};

static_assert(
    Runs(kGas, MessageId::ExponentRange, MessageId::MinAboveMax) &&
        Follows(MessageId::ExponentRange, MessageId::RangeAbove),
    "every MessageId from ExponentRange to MinAboveMax has its text, in the enum's order");

}  // namespace

std::span<const Source> GasSources() {
    return kGas;
}

}  // namespace volvenza::message_sources
