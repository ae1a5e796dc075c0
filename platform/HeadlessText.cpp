#include "platform/HeadlessText.h"

#include <vector>

#include <QCoreApplication>
#include <QRegularExpression>

#include "platform/Language.h"

namespace volvenza {
namespace {

constexpr const char* kContext = "volvenza::HeadlessText";

// Every message, whole or with its variable parts as %1, %2...; a whole
// message comes before the patterns it would also match.
constexpr const char* kMessages[] = {
    // The checks before a run.
    QT_TRANSLATE_NOOP("volvenza::HeadlessText",
                      "Hai lasciato tutti i valori iniziali a 0, la simulazione non può partire"),
    QT_TRANSLATE_NOOP("volvenza::HeadlessText",
                      "Hai lasciato il tempo di ciclo a 0, la simulazione non può partire"),
    QT_TRANSLATE_NOOP("volvenza::HeadlessText",
                      "Il tempo di ciclo deve essere compreso tra 0 e 327,67 s, la simulazione "
                      "non può partire"),
    QT_TRANSLATE_NOOP("volvenza::HeadlessText",
                      "I valori iniziali non possono essere negativi e la temperatura deve "
                      "superare -273,16 °C, la simulazione non può partire"),
    QT_TRANSLATE_NOOP("volvenza::HeadlessText",
                      "Non ci sono movimenti, la simulazione non può partire"),
    QT_TRANSLATE_NOOP("volvenza::HeadlessText",
                      "La simulazione verrà interrotta, corregere il problema e riavviarla."),
    QT_TRANSLATE_NOOP("volvenza::HeadlessText", "ATTENZIONE !!!!! PRECARICA VOLVENZA TROPPO ALTA"),
    QT_TRANSLATE_NOOP("volvenza::HeadlessText",
                      "Il valore di %1 non è un numero valido, la simulazione non può partire"),
    QT_TRANSLATE_NOOP("volvenza::HeadlessText",
                      "La portata del movimento %1 non è un numero valido. La simulazione verrà "
                      "interrotta, correggere il dato e riavviarla."),
    QT_TRANSLATE_NOOP("volvenza::HeadlessText",
                      "Il tempo iniziale e finale del movimento %1 sono stati lasciati a 0. Si "
                      "vuole procedere comunque?"),
    QT_TRANSLATE_NOOP("volvenza::HeadlessText",
                      "Il tempo finale del movimento %1 è uguale o minore del tempo iniziale. La "
                      "simulazione verà interrotta, correggere il dato e riavviarla."),
    QT_TRANSLATE_NOOP("volvenza::HeadlessText",
                      "La temperatura minima deve essere minore o uguale alla temperatura di "
                      "lavoro tc e la massima maggiore o uguale"),
    QT_TRANSLATE_NOOP("volvenza::HeadlessText", "%1, la simulazione non può partire"),
    // The initial-data boxes named in the messages above.
    QT_TRANSLATE_NOOP("volvenza::HeadlessText", "Tempo ciclo"),
    // The gas laws.
    QT_TRANSLATE_NOOP("volvenza::HeadlessText",
                      "L'esponente della politropica deve essere compreso tra 1 e 1,67 (ora %1)"),
    QT_TRANSLATE_NOOP("volvenza::HeadlessText",
                      "Le temperature di carica e di lavoro devono essere sopra lo zero assoluto"),
    QT_TRANSLATE_NOOP("volvenza::HeadlessText",
                      "Le pressioni assolute di precarica e massima devono essere maggiori di 0"),
    QT_TRANSLATE_NOOP("volvenza::HeadlessText",
                      "Temperatura di %1 °C (%2 K) fuori dal campo dell'equazione dell'azoto, da "
                      "63,151 a 1000 K"),
    QT_TRANSLATE_NOOP("volvenza::HeadlessText",
                      "Pressione di %1 bar assoluti fuori dal campo dell'equazione dell'azoto, da "
                      "0 a 22000 bar"),
    QT_TRANSLATE_NOOP("volvenza::HeadlessText",
                      "A %1 °C e %2 bar assoluti l'azoto è solido (pressione di fusione %3 bar)"),
    QT_TRANSLATE_NOOP("volvenza::HeadlessText",
                      "Densità dell'azoto non trovata a %1 K e %2 bar assoluti"),
    QT_TRANSLATE_NOOP("volvenza::HeadlessText",
                      "Temperatura dell'azoto non trovata per l'entropia %1 J/(kg K) a %2 kg/m3"),
    QT_TRANSLATE_NOOP("volvenza::HeadlessText",
                      "Il volume nominale del gas deve essere maggiore di 0"),
    QT_TRANSLATE_NOOP("volvenza::HeadlessText",
                      "Il passo di simulazione deve essere maggiore di 0"),
    QT_TRANSLATE_NOOP("volvenza::HeadlessText",
                      "La costante di tempo termica deve essere maggiore o uguale a 0 (ora %1 s)"),
    QT_TRANSLATE_NOOP("volvenza::HeadlessText", "Precarica: %1"),
    QT_TRANSLATE_NOOP("volvenza::HeadlessText", "Pressione massima: %1"),
    // The sizing assistant's refusals.
    QT_TRANSLATE_NOOP("volvenza::HeadlessText", "La pressione minima p1 deve essere positiva"),
    QT_TRANSLATE_NOOP("volvenza::HeadlessText",
                      "La pressione minima p1 deve essere minore della pressione massima Pm"),
    QT_TRANSLATE_NOOP("volvenza::HeadlessText", "Il catalogo non contiene alcuna grandezza"),
    QT_TRANSLATE_NOOP("volvenza::HeadlessText", "Il catalogo può contenere al più %1 grandezze"),
    QT_TRANSLATE_NOOP(
        "volvenza::HeadlessText",
        "Il catalogo deve elencare volumi positivi in ordine crescente, senza ripetizioni"),
    QT_TRANSLATE_NOOP("volvenza::HeadlessText",
                      "Il catalogo ha un limite non valido alla grandezza %1 dm3: il rapporto di "
                      "compressione deve superare 1, PS e portata massima essere positive, τ non "
                      "negativa"),
    QT_TRANSLATE_NOOP("volvenza::HeadlessText", "La pressione nominale PS deve essere positiva"),
    QT_TRANSLATE_NOOP("volvenza::HeadlessText",
                      "La taratura della valvola di massima deve essere positiva"),
    QT_TRANSLATE_NOOP(
        "volvenza::HeadlessText",
        "La taratura della valvola di massima (%1 bar) supera la pressione nominale PS "
        "(%2 bar): la valvola deve proteggere l'accumulatore"),
    QT_TRANSLATE_NOOP("volvenza::HeadlessText",
                      "La tolleranza della precarica deve essere tra 0 e 50 %"),
    QT_TRANSLATE_NOOP("volvenza::HeadlessText",
                      "Le ore di lavoro continuo devono essere più di 0 e al più un anno"),
    QT_TRANSLATE_NOOP("volvenza::HeadlessText",
                      "Mancano i dati del ciclo: tempo di ciclo e movimenti"),
    QT_TRANSLATE_NOOP(
        "volvenza::HeadlessText",
        "p1 (%1 bar) non è sotto la pressione a cui la pompa riparte, Pm - Dp (%2 bar): "
        "la pressione scende sotto p1 prima che la pompa ricarichi l'accumulatore; "
        "ridurre Dp sotto %3 bar"),
    QT_TRANSLATE_NOOP(
        "volvenza::HeadlessText",
        "Nessuna precarica rispetta insieme le regole 2 e 3 per questo tipo di "
        "accumulatore: la precarica dovrebbe essere di almeno %1 bar e di al più %2 bar; "
        "servirebbe un accumulatore a pistone, una Pm di al più %3 bar o una p1 di almeno "
        "%4 bar"),
    QT_TRANSLATE_NOOP("volvenza::HeadlessText", "Temperatura minima dell'inviluppo: %1"),
    QT_TRANSLATE_NOOP("volvenza::HeadlessText", "Temperatura massima dell'inviluppo: %1"),
    QT_TRANSLATE_NOOP("volvenza::HeadlessText",
                      "La temperatura e la pressione devono essere numeri finiti"),
    QT_TRANSLATE_NOOP("volvenza::HeadlessText", "a %1 °C e %2 bar assoluti l'azoto condensa"),
    // A run whose gas left its law's domain, and why.
    QT_TRANSLATE_NOOP("volvenza::HeadlessText",
                      "ATTENZIONE: %1 a t = %2 s (gas a %3 °C e %4 bar): la legge del gas non "
                      "vale oltre e la simulazione si ferma qui"),
    QT_TRANSLATE_NOOP("volvenza::HeadlessText", "l'azoto condensa"),
    QT_TRANSLATE_NOOP("volvenza::HeadlessText",
                      "La temperatura del gas scende a %1 °C, sotto i %2 °C che sacche, membrane "
                      "e guarnizioni in gomma nitrilica ammettono"),
    QT_TRANSLATE_NOOP("volvenza::HeadlessText", "l'azoto scende sotto il punto triplo"),
    QT_TRANSLATE_NOOP("volvenza::HeadlessText", "l'azoto esce dal campo dell'equazione"),
    // The boxes of "Modello del gas".
    QT_TRANSLATE_NOOP("volvenza::HeadlessText",
                      "L'esponente n deve essere un numero compreso tra 1 e 1,67"),
    QT_TRANSLATE_NOOP("volvenza::HeadlessText",
                      "La costante di tempo termica deve essere un numero maggiore o uguale a 0, "
                      "oppure vuota per un tempo infinito"),
    QT_TRANSLATE_NOOP("volvenza::HeadlessText",
                      "La temperatura di carica deve essere un numero maggiore di -273,15 °C"),
    QT_TRANSLATE_NOOP("volvenza::HeadlessText",
                      "La temperatura minima deve essere un numero maggiore di -273,15 °C, "
                      "oppure vuota per la temperatura di lavoro tc"),
    QT_TRANSLATE_NOOP("volvenza::HeadlessText",
                      "La temperatura massima deve essere un numero maggiore di -273,15 °C, "
                      "oppure vuota per la temperatura di lavoro tc"),
    QT_TRANSLATE_NOOP("volvenza::HeadlessText",
                      "La temperatura minima non può superare la massima"),
    // The boxes that take numbers.
    QT_TRANSLATE_NOOP("volvenza::HeadlessText",
                      "ATTENZIONE!!!! Usare la virgola '','' e no il punto ''.'' per i decimali"),
    // The files.
    QT_TRANSLATE_NOOP("volvenza::HeadlessText",
                      "Impossibile salvare il file %1: la cartella %2 è di sola lettura."),
    QT_TRANSLATE_NOOP("volvenza::HeadlessText", "Impossibile salvare il file %1."),
    QT_TRANSLATE_NOOP("volvenza::HeadlessText", "Impossibile aprire %1: non è un file."),
    QT_TRANSLATE_NOOP("volvenza::HeadlessText", "Impossibile aprire il file %1."),
    QT_TRANSLATE_NOOP("volvenza::HeadlessText",
                      "Il file %1 non è un file di simulazione valido (riga %2)."),
    // What one format does not hold of the other.
    QT_TRANSLATE_NOOP("volvenza::HeadlessText",
                      "Il progetto %1 non conserva i risultati: sono ricalcolati all'apertura."),
    QT_TRANSLATE_NOOP("volvenza::HeadlessText",
                      "Il file %1 non conserva la legge del gas né l'inviluppo di temperatura."),
    QT_TRANSLATE_NOOP("volvenza::HeadlessText",
                      "Il file %1 non conserva i requisiti di dimensionamento né la "
                      "raccomandazione."),
    // The project files: the message and its detail.
    QT_TRANSLATE_NOOP("volvenza::HeadlessText",
                      "Il file %1 non è un progetto Volvenza valido: %2."),
    QT_TRANSLATE_NOOP("volvenza::HeadlessText", "il testo JSON non è valido al carattere %1"),
    QT_TRANSLATE_NOOP("volvenza::HeadlessText", "il testo JSON contiene un numero troppo grande"),
    QT_TRANSLATE_NOOP("volvenza::HeadlessText", "è troppo grande"),
    QT_TRANSLATE_NOOP("volvenza::HeadlessText", "il campo %1 deve essere un oggetto"),
    QT_TRANSLATE_NOOP("volvenza::HeadlessText", "il campo %1 manca"),
    QT_TRANSLATE_NOOP("volvenza::HeadlessText", "il campo %1 deve essere un numero"),
    QT_TRANSLATE_NOOP("volvenza::HeadlessText", "il campo %1 è fuori dall'intervallo"),
    QT_TRANSLATE_NOOP("volvenza::HeadlessText", "il campo %1 deve essere un numero o null"),
    QT_TRANSLATE_NOOP("volvenza::HeadlessText", "il campo %1 deve essere true o false"),
    QT_TRANSLATE_NOOP("volvenza::HeadlessText", "il campo %1 deve essere uno fra %2"),
    QT_TRANSLATE_NOOP("volvenza::HeadlessText", "il campo %1 non è \"volvenza-progetto\""),
    QT_TRANSLATE_NOOP("volvenza::HeadlessText",
                      "il campo %1 non è una versione che questo programma legge"),
    QT_TRANSLATE_NOOP("volvenza::HeadlessText",
                      "il campo %1 deve essere un elenco di al più 1000 movimenti"),
    QT_TRANSLATE_NOOP("volvenza::HeadlessText", "il campo %1 deve essere un numero da 0 a 7"),
    QT_TRANSLATE_NOOP("volvenza::HeadlessText", "il campo %1 deve essere un elenco"),
    QT_TRANSLATE_NOOP("volvenza::HeadlessText", "il campo %1 non è leggibile"),
};

struct Pattern {
    const char* source;
    QRegularExpression match;
};

// The source with its %n parts turned into captures, the rest literal.
QRegularExpression Compile(const QString& source) {
    static const QRegularExpression marker(QStringLiteral("%[1-9]"));
    QString expression;
    int from = 0;
    for (const auto& m : marker.globalMatch(source)) {
        expression += QRegularExpression::escape(source.mid(from, m.capturedStart() - from));
        expression += QStringLiteral("(.*)");
        from = m.capturedEnd();
    }
    expression += QRegularExpression::escape(source.mid(from));
    return QRegularExpression(QRegularExpression::anchoredPattern(expression),
                              QRegularExpression::DotMatchesEverythingOption);
}

const std::vector<Pattern>& Patterns() {
    static const std::vector<Pattern> patterns = [] {
        std::vector<Pattern> list;
        for (const char* source : kMessages)
            list.push_back({source, Compile(QString::fromUtf8(source))});
        return list;
    }();
    return patterns;
}

// A number as the libraries write it: decimal comma, maybe an exponent.
QString LocalNumber(const QString& part) {
    static const QRegularExpression number(
        QStringLiteral("^-?[0-9]+(,[0-9]+)?([eE][-+]?[0-9]+)?$"));
    if (!number.match(part).hasMatch()) return QString();
    QString local = part;
    return local.replace(QLatin1Char(','), QLatin1Char(UiDecimalSeparator()));
}

// The pattern with %1, %2... replaced in one pass, so that a part holding
// "%1" (a file name may) stays as it is.
QString Fill(const QString& pattern, const QStringList& parts) {
    QString out;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar next = i + 1 < pattern.size() ? pattern[i + 1] : QChar();
        const int n = next.digitValue();
        if (pattern[i] == QLatin1Char('%') && n >= 1 && n <= parts.size()) {
            out += parts[n - 1];
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

QString Translate(const QString& text, int depth) {
    if (depth > 4) return text;
    for (const Pattern& p : Patterns()) {
        const QRegularExpressionMatch m = p.match.match(text);
        if (!m.hasMatch()) continue;
        QStringList parts;
        for (int i = 1; i <= m.lastCapturedIndex(); ++i) {
            const QString part = m.captured(i);
            const QString number = LocalNumber(part);
            parts << (number.isEmpty() ? Translate(part, depth + 1) : number);
        }
        return Fill(QCoreApplication::translate(kContext, p.source), parts);
    }
    return text;
}

}  // namespace

QString HeadlessText(const std::string& italian) {
    return Translate(QString::fromStdString(italian), 0);
}

}  // namespace volvenza
