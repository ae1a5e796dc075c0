#pragma once
// The line a results window shows under its results: what produced them,
// and, in red, that they no longer belong to the data.

#include <QLabel>
#include <QPalette>

namespace volvenza {

inline QLabel* MakeResultsNote(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QStringLiteral("LRisultati"));
    label->setTextFormat(Qt::PlainText);
    label->hide();
    return label;
}

inline void ShowResultsNote(QLabel* label, const QString& note, bool stale) {
    label->setText(note);
    // A long note (the movements' duties) is cut by the window: whole here.
    label->setToolTip(note);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, stale ? QColor(Qt::red) : QColor(Qt::black));
    label->setPalette(palette);
    label->setVisible(!note.isEmpty());
}

}  // namespace volvenza
