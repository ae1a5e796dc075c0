#include "entry/CycleClipboard.h"

#include <optional>
#include <utility>

#include <QCoreApplication>
#include <QRegularExpression>

#include "entry/ActuatorPages.h"
#include "entry/CycleEdits.h"
#include "entry/CycleTableModel.h"
#include "numbers/NumberText.h"
#include "platform/Language.h"
#include "platform/UiText.h"
#include "views/MovementText.h"

namespace volvenza {
namespace {

const char* const kNothing =
    QT_TRANSLATE_NOOP("volvenza::Ciclo", "Gli appunti non contengono movimenti da incollare.");
const char* const kBadCells = QT_TRANSLATE_NOOP(
    "volvenza::Ciclo",
    "Impossibile incollare i movimenti: la riga %1 degli appunti ha %2 celle separate da "
    "tabulazioni; ne servono almeno 3 (tipo, Ti, Tf).");
const char* const kBadKind = QT_TRANSLATE_NOOP(
    "volvenza::Ciclo",
    "Impossibile incollare i movimenti: alla riga %1 degli appunti il tipo «%2» non è uno dei "
    "tipi di movimento.");
const char* const kBadNumber = QT_TRANSLATE_NOOP(
    "volvenza::Ciclo",
    "Impossibile incollare i movimenti: alla riga %1 degli appunti il valore «%2» di %3 non è "
    "un numero.");
const char* const kAmbiguous = QT_TRANSLATE_NOOP(
    "volvenza::Ciclo",
    "Impossibile incollare i movimenti: alla riga %1 degli appunti il valore «%2» di %3 è "
    "ambiguo, perché contiene un separatore delle migliaia. Scriverlo senza separatore delle "
    "migliaia e con la virgola per i decimali (per esempio 1500 oppure 1,5).");
const char* const kBeyondSingle = QT_TRANSLATE_NOOP(
    "volvenza::Ciclo",
    "Impossibile incollare i movimenti: alla riga %1 degli appunti il valore «%2» di %3 è oltre "
    "ciò che la colonna contiene (3,402823E+38 in valore assoluto), come quando lo si scrive.");
const char* const kHeaderSkipped = QT_TRANSLATE_NOOP(
    "volvenza::Ciclo",
    "La riga %1 degli appunti è un'intestazione (Ti e Tf non sono numeri) e non è stata "
    "incollata.");
const char* const kExtraCells = QT_TRANSLATE_NOOP(
    "volvenza::Ciclo",
    "Le celle dopo la colonna pn sono state ignorate (la prima alla riga %1 degli appunti).");
const char* const kBadDuty = QT_TRANSLATE_NOOP(
    "volvenza::Ciclo",
    "Impossibile incollare i movimenti: alla riga %1 degli appunti il valore «%2» di %3 è fuori "
    "dai limiti, come quando lo si scrive.");
const char* const kBadMark = QT_TRANSLATE_NOOP(
    "volvenza::Ciclo",
    "Impossibile incollare i movimenti: alla riga %1 degli appunti «%2» di %3 non è 1, x o 0.");
const char* const kUnusedSizes = QT_TRANSLATE_NOOP(
    "volvenza::Ciclo",
    "Le misure che il tipo del movimento non usa sono state ignorate (la prima alla riga %1 "
    "degli appunti).");

constexpr int kColumns = CycleTableModel::ColumnCount;

QString Text(const char* source) {
    return QCoreApplication::translate("volvenza::Ciclo", source);
}

// A kind by its name in either language, whatever its case: text copied
// under one language pastes under the other.
int16_t KindByName(const QString& cell) {
    const QString name = cell.trimmed();
    for (const ActuatorPage& page : kActuatorPages) {
        if (name.compare(ActuatorText(page.title), Qt::CaseInsensitive) == 0 ||
            name.compare(QString::fromUtf8(page.title), Qt::CaseInsensitive) == 0) {
            return page.kind;
        }
    }
    return MovementKind::Empty;
}

// The emergency mark as a spreadsheet holds it: 1 or x marked, 0 or
// nothing not; nothing else is read.
std::optional<bool> ReadMark(const QString& cell) {
    const QString text = cell.trimmed();
    if (text == QLatin1String("1") || text.compare(QLatin1String("x"), Qt::CaseInsensitive) == 0)
        return true;
    if (text.isEmpty() || text == QLatin1String("0")) return false;
    return std::nullopt;
}

bool IsRowNumber(const QString& cell) {
    bool number = false;
    cell.trimmed().toInt(&number);
    return number || cell.trimmed().isEmpty();
}

}  // namespace

int16_t PastedKind(const QString& cell) {
    const int16_t kind = KindByName(cell);
    if (kind != MovementKind::Empty) return kind;
    bool number = false;
    const int code = cell.trimmed().toInt(&number);
    return number && PageForKind(static_cast<int16_t>(code)) != nullptr ? static_cast<int16_t>(code)
                                                                        : MovementKind::Empty;
}

PastedNumber ReadPastedNumber(const QString& cell) {
    const QString text = cell.trimmed();
    const QChar decimal = QLatin1Char(UiDecimalSeparator());
    const QChar grouping = QLatin1Char(decimal == QLatin1Char(',') ? '.' : ',');
    // The other separator read as a decimal one is a safe guess only when it
    // cannot be grouping thousands: never with three digits after it, nor
    // next to the language's own decimal separator.
    static const QRegularExpression threeDigits(QStringLiteral("[.,]\\d{3}(?!\\d)"));
    if (text.contains(grouping) &&
        (text.contains(decimal) ||
         threeDigits.match(text, text.lastIndexOf(grouping)).capturedStart() ==
             text.lastIndexOf(grouping))) {
        return {PastedNumber::Status::Ambiguous, 0};
    }
    const auto value = ParseNumber<double>(text.toStdString());
    if (!value) return {};
    return {PastedNumber::Status::Read, *value};
}

QString PastedNumberError(const PastedNumber& number, const QString& cell, int line, int column) {
    return Text(number.status == PastedNumber::Status::Ambiguous ? kAmbiguous : kBadNumber)
        .arg(line)
        .arg(QuotedExcerpt(cell.trimmed()), CycleTableModel::Header(column));
}

PastedValue ValueFromText(const QString& text, int column) {
    if (column == CycleTableModel::Kind) {
        const int16_t kind = PastedKind(text);
        if (kind == MovementKind::Empty)
            return {{}, Text(kBadKind).arg(1).arg(QuotedExcerpt(text))};
        return {int(kind), {}};
    }
    if (column == CycleTableModel::Emergency) {
        const auto mark = ReadMark(text);
        if (!mark)
            return {
                {},
                Text(kBadMark).arg(1).arg(QuotedExcerpt(text), CycleTableModel::Header(column))};
        return {int(*mark ? Qt::Checked : Qt::Unchecked), {}};
    }
    const PastedNumber number = ReadPastedNumber(text);
    if (number.status != PastedNumber::Status::Read) {
        return {{}, PastedNumberError(number, text, 1, column)};
    }
    return {text.trimmed(), {}};
}

QString MovementsAsText(const std::vector<Movement>& movements, int firstNumber) {
    QString text;
    int number = firstNumber;
    for (const Movement& m : movements) {
        const int16_t kind = ListedKind(m.Kind);
        QStringList cells{QString::number(number++), KindTitle(kind)};
        for (int column = CycleTableModel::StartTime; column < CycleTableModel::Flow; ++column) {
            float Movement::*field = CycleTableModel::Field(column);
            const bool shown = column <= CycleTableModel::EndTime || PageShows(kind, field);
            cells << (shown ? QString::fromStdString(FormatNumber(m.*field, UiDecimalSeparator()))
                            : QString());
        }
        cells << QString::fromStdString(FormatNumber(m.Qm, UiDecimalSeparator()));
        for (int column = CycleTableModel::Load; column <= CycleTableModel::TypedRequired;
             ++column) {
            cells << CycleTableModel::DutyText(m, column);
        }
        cells << (m.Duty.Emergency ? QStringLiteral("1") : QString())
              << CycleTableModel::DutyText(m, CycleTableModel::Required);
        text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

PastedMovements MovementsFromText(const QString& text) {
    PastedMovements pasted;
    const QStringList lines = text.split(QLatin1Char('\n'));
    bool first = true;
    int extraLine = 0, unusedLine = 0;
    for (int n = 0; n < lines.size(); ++n) {
        QString line = lines[n];
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
        if (line.trimmed().isEmpty()) continue;
        const int lineNumber = n + 1;
        QStringList cells = line.split(QLatin1Char('\t'));
        // The number column, when there is one, comes before a kind's name.
        const int offset =
            cells.size() > 1 && KindByName(cells[1]) != MovementKind::Empty && IsRowNumber(cells[0])
                ? 1
                : 0;
        cells = cells.mid(offset);
        const bool wasFirst = std::exchange(first, false);
        if (cells.size() < 1 + CycleTableModel::EndTime) {
            return {{}, {}, Text(kBadCells).arg(lineNumber).arg(cells.size() + offset), {}};
        }
        const int16_t kind = PastedKind(cells[CycleTableModel::Kind]);
        if (kind == MovementKind::Empty) {
            // Column titles above the data: no kind and no times.
            auto notNumber = [&](int column) {
                return ReadPastedNumber(cells[column]).status == PastedNumber::Status::NotANumber;
            };
            if (wasFirst && notNumber(CycleTableModel::StartTime) &&
                notNumber(CycleTableModel::EndTime)) {
                pasted.notes << Text(kHeaderSkipped).arg(lineNumber);
                continue;
            }
            return {{},
                    {},
                    Text(kBadKind).arg(lineNumber).arg(QuotedExcerpt(cells[CycleTableModel::Kind])),
                    {}};
        }
        for (int extra = kColumns; extra < cells.size(); ++extra) {
            if (!cells[extra].trimmed().isEmpty() && extraLine == 0) extraLine = lineNumber;
        }
        while (cells.size() < kColumns) cells << QString();
        Movement m;
        bool flowGiven = false;
        for (int column = CycleTableModel::StartTime; column <= CycleTableModel::Flow; ++column) {
            const QString cell = cells[column].trimmed();
            if (cell.isEmpty()) continue;
            const PastedNumber number = ReadPastedNumber(cell);
            if (number.status != PastedNumber::Status::Read) {
                return {{}, {}, PastedNumberError(number, cell, lineNumber, column), {}};
            }
            if (column == CycleTableModel::Flow) {
                m.Qm = number.value;
                flowGiven = true;
            } else {
                float Movement::*field = CycleTableModel::Field(column);
                // Rounded once, to single precision, as typing does; what
                // typing refuses (beyond single precision) is refused here too.
                const auto single = ParseNumber<float>(cell.toStdString());
                if (!single) {
                    return {{},
                            {},
                            Text(kBeyondSingle)
                                .arg(lineNumber)
                                .arg(QuotedExcerpt(cell), CycleTableModel::Header(column)),
                            {}};
                }
                m.*field = *single;
                if (column > CycleTableModel::EndTime && number.value != 0 &&
                    !PageShows(kind, field) && unusedLine == 0) {
                    unusedLine = lineNumber;
                }
            }
        }
        // The duty's cells take what typing takes; pn is worked out, not read.
        m.Kind = kind;
        for (int column = CycleTableModel::Load; column <= CycleTableModel::TypedRequired;
             ++column) {
            const QString cell = cells[column].trimmed();
            const PastedNumber number = ReadPastedNumber(cell);
            if (!cell.isEmpty() && number.status != PastedNumber::Status::Read) {
                return {{}, {}, PastedNumberError(number, cell, lineNumber, column), {}};
            }
            if (!CycleTableModel::DutyFromText(m, column, cell)) {
                return {{},
                        {},
                        Text(kBadDuty)
                            .arg(lineNumber)
                            .arg(QuotedExcerpt(cell), CycleTableModel::Header(column)),
                        {}};
            }
        }
        const auto mark = ReadMark(cells[CycleTableModel::Emergency]);
        if (!mark) {
            return {{},
                    {},
                    Text(kBadMark)
                        .arg(lineNumber)
                        .arg(QuotedExcerpt(cells[CycleTableModel::Emergency].trimmed()),
                             CycleTableModel::Header(CycleTableModel::Emergency)),
                    {}};
        }
        m.Duty.Emergency = *mark;
        pasted.movements.push_back(WithKind(m, kind));
        pasted.flowGiven.push_back(flowGiven);
    }
    if (extraLine > 0) pasted.notes << Text(kExtraCells).arg(extraLine);
    if (unusedLine > 0) pasted.notes << Text(kUnusedSizes).arg(unusedLine);
    if (pasted.movements.empty()) pasted.error = Text(kNothing);
    return pasted;
}

}  // namespace volvenza
