#include "entry/CycleClipboard.h"

#include <optional>
#include <utility>

#include <QRegularExpression>

#include "documents/CycleCells.h"
#include "entry/ActuatorPages.h"
#include "entry/CycleEdits.h"
#include "entry/CycleTableModel.h"
#include "numbers/NumberText.h"
#include "platform/Language.h"
#include "platform/UiMessage.h"
#include "platform/UiText.h"
#include "views/MovementText.h"

namespace volvenza {
namespace {

constexpr int kColumns = PasteColumn::Count;
static_assert(kColumns == PasteColumn::Count &&
              int(CycleTableModel::Required) == int(PasteColumn::Required));

// A kind by its name in either language, whatever its case: text copied
// under one language pastes under the other.
int16_t KindByName(std::string_view cell) {
    const QString name = QString::fromUtf8(cell.data(), static_cast<qsizetype>(cell.size()));
    for (const ActuatorPage& page : kActuatorPages) {
        const char* title = KindTitleSource(page.kind);
        if (name.compare(ActuatorText(title), Qt::CaseInsensitive) == 0 ||
            name.compare(QString::fromUtf8(title), Qt::CaseInsensitive) == 0) {
            return page.kind;
        }
    }
    return MovementKind::Empty;
}

}  // namespace

PasteWording UiPasteWording() {
    return {KindByName, [](int16_t kind, float Movement::*field) { return PageShows(kind, field); },
            UiDecimalSeparator()};
}

PastedValue ValueFromText(const QString& text, int column) {
    const PasteWording wording = UiPasteWording();
    const std::string cell = text.toStdString();
    if (column == CycleTableModel::Kind) {
        const int16_t kind = PastedKind(cell, wording);
        if (kind == MovementKind::Empty) return {{}, UiMessage(PastedKindError(cell, 1))};
        return {int(kind), {}};
    }
    if (column == CycleTableModel::Emergency) {
        const auto mark = ReadPastedMark(cell);
        if (!mark) return {{}, UiMessage(PastedMarkError(cell, 1))};
        return {int(*mark ? Qt::Checked : Qt::Unchecked), {}};
    }
    const PastedNumber number = ReadPastedNumber(cell, wording.decimal);
    if (number.status != PastedNumber::Status::Read) {
        return {{}, UiMessage(PastedNumberError(number, cell, 1, column))};
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
            cells << (CycleCellShown(kind, column)
                          ? QString::fromStdString(
                                FormatNumber(m.*PasteColumnField(column), UiDecimalSeparator()))
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

}  // namespace volvenza
