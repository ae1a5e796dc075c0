#pragma once
// The checks every window is walked through: texts that fit, the chart's
// labels clear of its marks, the language and the Alt letters. Each gives
// its faults, one line each; none when the window passes.

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include "engine/CircuitState.h"
#include "platform/DrawingSurface.h"
#include "platform/Language.h"
#include "platform/TextFit.h"
#include "tests/gui/GuiTesting.h"
#include "tests/gui/Vocabulary.h"
#include "views/ChartGasCurves.h"
#include "views/ChartGeometry.h"

namespace volvenza::testing {

inline QString Name(const QWidget& widget) {
    return widget.objectName().isEmpty() ? QString::fromLatin1(widget.metaObject()->className())
                                         : widget.objectName();
}

inline bool Shown(const QWidget& widget, const QWidget& window) {
    return widget.isVisibleTo(&window) && widget.width() > 0 && widget.height() > 0;
}

// The room a button leaves for its text, and the text's size.
inline QSize ButtonRoom(const QAbstractButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    const auto element = qobject_cast<const QCheckBox*>(&button) != nullptr
                             ? QStyle::SE_CheckBoxContents
                             : QStyle::SE_PushButtonContents;
    return button.style()->subElementRect(element, &option, &button).size();
}

// Reads back whether a box shows its whole text: painted with the cursor at
// the start and then at the end, the end lies one text width from the start
// exactly when the box did not have to scroll.
inline bool ShowsWholeText(QLineEdit& box) {
    const int cursor = box.cursorPosition();
    box.setCursorPosition(0);
    box.repaint();
    const int start = box.inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
    box.setCursorPosition(static_cast<int>(box.text().size()));
    box.repaint();
    const int end = box.inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
    box.setCursorPosition(cursor);
    box.repaint();
    const double width = QFontMetricsF(box.font(), &box).horizontalAdvance(box.text());
    return std::abs(end - start - width) <= 1;
}

// The rectangle a label's text takes inside the label (label coordinates).
inline QRect LabelTextRect(const QLabel& label) {
    const QRect contents = label.contentsRect().adjusted(label.margin(), label.margin(),
                                                         -label.margin(), -label.margin());
    // With a buddy the label draws its &-letter underlined, not the &.
    const int flags = int(label.alignment()) | (label.wordWrap() ? Qt::TextWordWrap : 0) |
                      (label.buddy() != nullptr ? Qt::TextShowMnemonic : 0);
    return QFontMetrics(label.font(), &label).boundingRect(contents, flags, label.text());
}

// Where the texts of `window` do not fit: "name: text" lines.
inline QStringList Overflows(QWidget& window) {
    QStringList faults;
    auto fault = [&faults](const QWidget& widget, const QString& text, const char* what) {
        faults << QStringLiteral("%1 '%2' %3").arg(Name(widget), text, QLatin1String(what));
    };
    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (!Shown(*label, window) || label->text().isEmpty()) continue;
        const QRect text = LabelTextRect(*label);
        if (!label->contentsRect().contains(text)) fault(*label, label->text(), "is clipped");
        // The text must not run into a control standing beside the label,
        // nor into another label's text.
        const QRect drawn = text.translated(label->pos());
        for (QWidget* other :
             label->parentWidget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (other == label || !Shown(*other, window)) continue;
            const auto* otherLabel = qobject_cast<QLabel*>(other);
            QRect occupied;
            if (otherLabel != nullptr && !otherLabel->text().isEmpty())
                occupied = LabelTextRect(*otherLabel).translated(other->pos());
            else if (other->inherits("QLineEdit") || other->inherits("QAbstractButton"))
                occupied = other->geometry();
            if (drawn.intersects(occupied))
                fault(*label, label->text(), qPrintable("runs into " + Name(*other)));
        }
    }
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        const QString text = QString(button->text()).remove(QLatin1Char('&'));
        const auto* tool = qobject_cast<QToolButton*>(button);
        if (!Shown(*button, window) || text.isEmpty() ||
            (tool != nullptr && tool->toolButtonStyle() == Qt::ToolButtonIconOnly))
            continue;
        const QFontMetrics metrics(button->font(), button);
        const QSize room = ButtonRoom(*button);
        if (metrics.horizontalAdvance(text) > room.width() || metrics.height() > room.height())
            fault(*button, text, "is clipped");
    }
    // A frame's title ends inside the frame.
    for (QGroupBox* frame : window.findChildren<QGroupBox*>()) {
        if (!Shown(*frame, window) || frame->title().isEmpty()) continue;
        const QFontMetrics metrics(frame->font());
        const QString title = QString(frame->title()).remove(QLatin1Char('&'));
        if (metrics.horizontalAdvance(title) > frame->width() - metrics.horizontalAdvance(' '))
            fault(*frame, frame->title(), "is clipped");
    }
    for (QLineEdit* box : window.findChildren<QLineEdit*>()) {
        if (!Shown(*box, window) || box->text().isEmpty()) continue;
        // What the box shows: the whole text, and for a box the program
        // writes (a readout), from the start after every update.
        if (box->isReadOnly() && box->cursorPosition() != 0)
            fault(*box, box->text(), "does not show its start");
        if (!ShowsWholeText(*box)) fault(*box, box->text(), "is clipped");
    }
    // The cells of a grid that are in view, with their colour mark if any.
    for (QTableView* table : window.findChildren<QTableView*>()) {
        if (!Shown(*table, window)) continue;
        const QFontMetrics metrics(table->font(), table);
        const int margin =
            2 * (table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 1);
        const int mark = table->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, table);
        const QAbstractItemModel* model = table->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            if (table->rowViewportPosition(row) >= table->viewport()->height()) break;
            for (int column = 0; column < model->columnCount(); ++column) {
                const QModelIndex cell = model->index(row, column);
                const QString text = cell.data().toString();
                int needed = metrics.horizontalAdvance(text) + margin;
                if (cell.data(Qt::DecorationRole).isValid()) needed += mark + margin;
                if (!text.isEmpty() && needed > table->columnWidth(column))
                    fault(*table, text, "is clipped");
            }
        }
    }
    for (QHeaderView* header : window.findChildren<QHeaderView*>()) {
        if (!Shown(*header, window) || header->orientation() != Qt::Horizontal) continue;
        const QFontMetrics metrics(header->font(), header);
        const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
        for (int section = 0; section < header->count(); ++section) {
            const QString text = header->model()->headerData(section, Qt::Horizontal).toString();
            // A heading may be wrapped over lines of its own.
            for (const QString& line : text.split(QLatin1Char('\n'))) {
                if (metrics.horizontalAdvance(line) + 2 * margin > header->sectionSize(section))
                    fault(*header, text, "is clipped");
            }
        }
    }
    return faults;
}

// The chart's labels as drawn: each one's ink in pixels, clear of the ticks,
// of the axes, of the other labels and of the area's edges.
inline QStringList ChartOverlaps(const CircuitState& state, const DrawingSurface& surface,
                                 bool temperature = false) {
    const QImage& image = surface.CommittedImage();
    const QFontMetricsF metrics(surface.Font(), &image);
    QStringList names;
    std::vector<QRectF> labels, marks;
    // The ink of a label: the surface draws its text with the top of the
    // font's box at the label's point.
    auto place = [&](QPointF topLeft, const QString& text) {
        const QPointF baseline = surface.ToPixels(topLeft) + QPointF(0, metrics.ascent());
        names << text;
        labels.push_back(metrics.tightBoundingRect(text).translated(baseline));
    };
    auto mark = [&](QPointF from, QPointF to) {
        marks.push_back(QRectF(surface.ToPixels(from), surface.ToPixels(to)).normalized());
    };
    place(TimeAxisNamePlace(temperature), "t");
    place({-5, 87}, "P(t)");
    mark({0, 0}, {kPlotSize, 0});
    mark({0, 0}, {0, kPlotSize});
    ChartTicks ticks = ComputeTicks(state, FullView(state));
    if (temperature) {
        // The right-hand scale takes the place of the time axis's name.
        place({81, 87}, "T(t)");
        mark({kPlotSize, 0}, {kPlotSize, kPlotSize});
        const auto scale = TemperatureTicks(*ComputeTemperatureScale(state, FullView(state)));
        ticks.pressure.insert(ticks.pressure.end(), scale.begin(), scale.end());
    }
    for (const auto* group : {&ticks.time, &ticks.pressure}) {
        for (const ChartTick& tick : *group) {
            place(tick.labelAt, QString::fromStdString(tick.label));
            mark(tick.markFrom, tick.markTo);
        }
    }
    QStringList faults;
    const QRectF area(QPointF(0, 0), QSizeF(image.size()));
    for (size_t i = 0; i < labels.size(); ++i) {
        const QRectF& rect = labels[i];
        if (!area.contains(rect)) faults << names[i] + QStringLiteral(" leaves the chart");
        for (const QRectF& line : marks) {
            // A tick or axis touching the label's box crosses its glyphs.
            if (rect.intersects(line.adjusted(-0.5, -0.5, 0.5, 0.5))) {
                faults << names[i] + QStringLiteral(" touches a tick or axis");
                break;
            }
        }
        for (size_t j = i + 1; j < labels.size(); ++j) {
            if (rect.intersects(labels[j]))
                faults << names[i] + QStringLiteral(" overlaps ") + names[j];
        }
    }
    return faults;
}

// Every text a user can see or hear in `root` and its descendants.
inline QStringList Texts(const QWidget& root) {
    QStringList texts{root.windowTitle(), root.toolTip()};
    for (const QWidget* w : root.findChildren<QWidget*>())
        texts << w->windowTitle() << w->toolTip() << w->accessibleName() << OwnTexts(*w);
    for (const QAction* action : root.findChildren<QAction*>())
        texts << action->text() << action->toolTip();
    return texts;
}

inline QStringList Foreign(const QStringList& texts) {
    return OtherLanguageTexts(texts, CurrentUiLanguage());
}

// Named texts whose Alt letter (after a single '&') another one, or `taken`, has.
using TextList = QList<std::pair<QString, QString>>;
inline QString Letters(const TextList& texts, const QString& taken, QStringList& faults) {
    static const QRegularExpression mark("&([^&])");
    QString letters = taken;
    for (const auto& [name, text] : texts) {
        const auto found = mark.match(QString(text).remove(QStringLiteral("&&")));
        const QChar letter = found.hasMatch() ? found.captured(1)[0].toUpper() : QChar();
        if (!letter.isNull() && letters.contains(letter)) faults << name + ": Alt+" + letter;
        if (!letter.isNull()) letters += letter;
    }
    return letters;
}

// The Alt letters of a window's buddied labels and its buttons.
inline QStringList WindowLetterClashes(const QWidget& window, const QString& taken) {
    TextList texts;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        const auto* label = qobject_cast<const QLabel*>(w);
        const auto* button = qobject_cast<const QAbstractButton*>(w);
        if (w->isVisibleTo(&window) && (button || (label && label->buddy())))
            texts.push_back({Name(*w), button ? button->text() : label->text()});
    }
    QStringList faults;
    Letters(texts, taken, faults);
    return faults;
}

// The menu bar's letters, each menu's entries apart; in Italian "&Salva" and
// "E&sporta tabella..." keep the letter they have always shared.
inline QString MenuBarLetters(const QMenuBar& bar, QStringList& faults) {
    TextList titles;
    for (const QAction* menu : bar.actions()) {
        titles.push_back({menu->menu()->objectName(), menu->text()});
        TextList entries;
        for (const QAction* entry : menu->menu()->actions()) {
            if (entry->objectName() != QLatin1String("mnuFileEsporta") || UseEnglish())
                entries.push_back({entry->objectName(), entry->text()});
        }
        Letters(entries, {}, faults);
    }
    return Letters(titles, {}, faults);
}

inline void ExpectNone(const QStringList& faults) {
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

// A window's texts fit and are all of the language; its Alt letters are its
// own and none of `taken` (the menu bar's, for a window inside the main one).
inline void Walk(QWidget* window, const QString& taken = {}) {
    QVERIFY(window != nullptr && QTest::qWaitForWindowExposed(window));
    ExpectNone(Overflows(*window) + Foreign(Texts(*window)) + WindowLetterClashes(*window, taken));
}

}  // namespace volvenza::testing
