#include "messages/MessageSources.h"
#include "messages/TranslationMark.h"

// The Italian texts of what the cycle table says of a movement and of what
// the paste reader says of movements pasted from a spreadsheet.

namespace volvenza::message_sources {
namespace {

constexpr Source kTable[] = {
    {MessageId::RowEndNotAfterStart,
     QT_TRANSLATE_NOOP(
         "volvenza::Message",
         "Tf è uguale o minore di Ti: la simulazione si fermerà su questo movimento.")},
    {MessageId::RowBothTimesZero,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Ti e Tf sono a 0: la simulazione chiederà se procedere, e il movimento non "
                       "assorbirà portata.")},
    {MessageId::RowFlowNotFinite,
     QT_TRANSLATE_NOOP(
         "volvenza::Message",
         "Qm non è un numero finito: la simulazione non può usarla; controllare tempi e misure.")},
    {MessageId::RowFlowNegative, QT_TRANSLATE_NOOP("volvenza::Message",
                                                   "Qm è negativa: un attuatore assorbe portata, "
                                                   "non la restituisce; controllare le misure.")},
    {MessageId::RowRodWiderThanBore,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Qm è negativa perché il diametro dello stelo d supera l'alesaggio D.")},
    {MessageId::RowFlowWithoutDuration,
     QT_TRANSLATE_NOOP(
         "volvenza::Message",
         "Qm non è mostrata: con Tf uguale a Ti il movimento non dura e non ha una portata.")},
    {MessageId::RowTypedFlow,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Qm immesso a mano: le misure e i tempi danno %1 dm3/min.")},
    {MessageId::RowBeforeCycle,
     QT_TRANSLATE_NOOP(
         "volvenza::Message",
         "Il movimento comincia prima di 0 s: la simulazione rifiuta un tempo negativo.")},
    {MessageId::RowTimeNotFinite,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Ti o Tf non è un numero finito: la simulazione non può usarlo.")},
    {MessageId::RowLoadWithoutSizes,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Il carico non dà una pressione: le misure del movimento non danno un'area "
                       "o una cilindrata; vale p1.")},
    {MessageId::RowAfterCycle,
     QT_TRANSLATE_NOOP("volvenza::Message", "Il movimento esce dal ciclo, che dura %1 s.")},
    {MessageId::PasteNothing,
     QT_TRANSLATE_NOOP("volvenza::Message", "Gli appunti non contengono movimenti da incollare.")},
    {MessageId::PasteBadCells,
     QT_TRANSLATE_NOOP(
         "volvenza::Message",
         "Impossibile incollare i movimenti: la riga %1 degli appunti ha %2 celle separate da "
         "tabulazioni; ne servono almeno 3 (tipo, Ti, Tf).")},
    {MessageId::PasteBadKind,
     QT_TRANSLATE_NOOP(
         "volvenza::Message",
         "Impossibile incollare i movimenti: alla riga %1 degli appunti il tipo «%2» non è uno dei "
         "tipi di movimento.")},
    {MessageId::PasteBadNumber,
     QT_TRANSLATE_NOOP(
         "volvenza::Message",
         "Impossibile incollare i movimenti: alla riga %1 degli appunti il valore «%2» di %3 non è "
         "un numero.")},
    {MessageId::PasteAmbiguous,
     QT_TRANSLATE_NOOP(
         "volvenza::Message",
         "Impossibile incollare i movimenti: alla riga %1 degli appunti il valore «%2» di %3 è "
         "ambiguo, perché contiene un separatore delle migliaia. Scriverlo senza separatore delle "
         "migliaia e con la virgola per i decimali (per esempio 1500 oppure 1,5).")},
    {MessageId::PasteBeyondSingle,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Impossibile incollare i movimenti: alla riga %1 degli appunti il valore "
                       "«%2» di %3 è oltre "
                       "ciò che la colonna contiene (3,402823E+38 in valore assoluto), come quando "
                       "lo si scrive.")},
    {MessageId::PasteHeaderSkipped,
     QT_TRANSLATE_NOOP(
         "volvenza::Message",
         "La riga %1 degli appunti è un'intestazione (Ti e Tf non sono numeri) e non è stata "
         "incollata.")},
    {MessageId::PasteExtraCells,
     QT_TRANSLATE_NOOP(
         "volvenza::Message",
         "Le celle dopo la colonna pn sono state ignorate (la prima alla riga %1 degli appunti).")},
    {MessageId::PasteBadDuty, QT_TRANSLATE_NOOP("volvenza::Message",
                                                "Impossibile incollare i movimenti: alla riga %1 "
                                                "degli appunti il valore «%2» di %3 è fuori "
                                                "dai limiti, come quando lo si scrive.")},
    {MessageId::PasteBadMark, QT_TRANSLATE_NOOP("volvenza::Message",
                                                "Impossibile incollare i movimenti: alla riga %1 "
                                                "degli appunti «%2» di %3 non è 1, x o 0.")},
    {MessageId::PasteUnusedSizes,
     QT_TRANSLATE_NOOP(
         "volvenza::Message",
         "Le misure che il tipo del movimento non usa sono state ignorate (la prima alla riga %1 "
         "degli appunti).")},
    {MessageId::PasteTooMany,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Impossibile incollare: gli appunti contengono %1 movimenti e la tabella ne "
                       "può ricevere ancora %2 (al massimo 1000 movimenti). Copiare meno righe.")},
    {MessageId::PasteCellUnused,
     QT_TRANSLATE_NOOP("volvenza::Message",
                       "Impossibile incollare «%1»: il movimento %2 non usa la colonna %3.")},
};

static_assert(Runs(kTable, MessageId::RowEndNotAfterStart, MessageId::PasteCellUnused) &&
                  Follows(MessageId::RowEndNotAfterStart, MessageId::ReportUnavailable),
              "every MessageId from RowEndNotAfterStart to PasteCellUnused has its text, in "
              "the enum's order");

}  // namespace

std::span<const Source> TableSources() {
    return kTable;
}

}  // namespace volvenza::message_sources
