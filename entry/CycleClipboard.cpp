#include "entry/CycleClipboard.h"

#include <QCoreApplication>
#include <QStringList>

#include "entry/ActuatorPages.h"
#include "entry/CycleEdits.h"
#include "entry/CycleTableModel.h"
#include "numbers/NumberText.h"
#include "platform/Language.h"
#include "platform/UiText.h"

namespace volvenza {
namespace {

const char* const kNothing =
    QT_TRANSLATE_NOOP("volvenza::Ciclo", "Gli appunti non contengono movimenti da incollare.");
const char* const kBadCells = QT_TRANSLATE_NOOP(
    "volvenza::Ciclo",
    "Impossibile incollare i movimenti: la riga %1 degli appunti ha %2 celle separate da "
    "tabulazioni invece di 11 o 12.");
const char* const kBadKind = QT_TRANSLATE_NOOP(
    "volvenza::Ciclo",
    "Impossibile incollare i movimenti: alla riga %1 degli appunti il tipo «%2» non è uno dei "
    "tipi di movimento.");
const char* const kBadNumber = QT_TRANSLATE_NOOP(
    "volvenza::Ciclo",
    "Impossibile incollare i movimenti: alla riga %1 degli appunti il valore «%2» di %3 non è "
    "un numero.");

// The number, then the table's columns.
constexpr int kCells = 1 + CycleTableModel::ColumnCount;

QString Text(const char* source) {
    return QCoreApplication::translate("volvenza::Ciclo", source);
}

// A kind's name in either language, whatever its case, or its code: text
// copied under one language pastes under the other.
int16_t KindOf(const QString& cell) {
    const QString name = cell.trimmed();
    for (const ActuatorPage& page : kActuatorPages) {
        if (name.compare(ActuatorText(page.title), Qt::CaseInsensitive) == 0 ||
            name.compare(QString::fromUtf8(page.title), Qt::CaseInsensitive) == 0) {
            return page.kind;
        }
    }
    bool number = false;
    const int code = name.toInt(&number);
    return number && PageForKind(static_cast<int16_t>(code)) != nullptr ? static_cast<int16_t>(code)
                                                                        : MovementKind::Empty;
}

}  // namespace

QString MovementsAsText(const std::vector<Movement>& movements, int firstNumber) {
    QString text;
    int number = firstNumber;
    for (const Movement& m : movements) {
        const int16_t kind = ListedKind(m.Kind);
        QStringList cells{QString::number(number++), CycleTableModel::KindName(kind)};
        for (int column = CycleTableModel::StartTime; column < CycleTableModel::Flow; ++column) {
            float Movement::*field = CycleTableModel::Field(column);
            const bool shown = column <= CycleTableModel::EndTime || PageShows(kind, field);
            cells << (shown ? QString::fromStdString(FormatNumber(m.*field, UiDecimalSeparator()))
                            : QString());
        }
        cells << QString::fromStdString(FormatNumber(m.Qm, UiDecimalSeparator()));
        text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

PastedMovements MovementsFromText(const QString& text) {
    PastedMovements pasted;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int n = 0; n < lines.size(); ++n) {
        QString line = lines[n];
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
        if (line.trimmed().isEmpty()) continue;
        QStringList cells = line.split(QLatin1Char('\t'));
        // Spreadsheets may carry empty cells past the last column.
        while (cells.size() > kCells && cells.last().trimmed().isEmpty()) cells.removeLast();
        if (cells.size() == kCells - 1) cells.prepend(QString());
        const int lineNumber = n + 1;
        if (cells.size() != kCells) {
            return {{}, Text(kBadCells).arg(lineNumber).arg(cells.size())};
        }
        const int16_t kind = KindOf(cells[1 + CycleTableModel::Kind]);
        if (kind == MovementKind::Empty) {
            return {{},
                    Text(kBadKind)
                        .arg(lineNumber)
                        .arg(QuotedExcerpt(cells[1 + CycleTableModel::Kind]))};
        }
        Movement m;
        for (int column = CycleTableModel::StartTime; column <= CycleTableModel::Flow; ++column) {
            const QString cell = cells[1 + column].trimmed();
            if (cell.isEmpty()) continue;
            const std::string typed = cell.toStdString();
            bool read = false;
            if (column == CycleTableModel::Flow) {
                const auto value = ParseNumber<double>(typed);
                if (value) m.Qm = *value;
                read = value.has_value();
            } else {
                const auto value = ParseNumber<float>(typed);
                if (value) m.*CycleTableModel::Field(column) = *value;
                read = value.has_value();
            }
            if (!read) {
                return {{},
                        Text(kBadNumber)
                            .arg(lineNumber)
                            .arg(QuotedExcerpt(cell), CycleTableModel::Header(column))};
            }
        }
        pasted.movements.push_back(WithKind(m, kind));
    }
    if (pasted.movements.empty()) pasted.error = Text(kNothing);
    return pasted;
}

}  // namespace volvenza
