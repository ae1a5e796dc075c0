#pragma once
// How a box shows that it holds a draft, a text that is no number yet.

#include <QColor>
#include <QLineEdit>
#include <QPalette>

namespace volvenza {

// A draft's text in red; a draft of no text at all (a box emptied that must
// give a figure) on a red ground too, or nothing would show it.
inline void MarkDraft(QLineEdit& box, bool draft) {
    QPalette palette;  // an empty palette inherits the window's colours
    if (draft) {
        palette.setColor(QPalette::Text, Qt::red);
        if (box.text().trimmed().isEmpty()) palette.setColor(QPalette::Base, QColor(255, 221, 221));
    }
    box.setPalette(palette);
}

}  // namespace volvenza
