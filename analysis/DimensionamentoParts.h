#pragma once
// What the sizing window's files share: the catalogue's columns, the texts
// of the sizing library, and a box that shows a value exactly. Private to
// the window (Dimensionamento*.cpp).

#include <optional>
#include <string>
#include <vector>

#include <QString>
#include <QVariant>

class QLineEdit;

namespace volvenza::sizing_window {

enum CatalogueColumn { kV0, kRatio, kRated, kFlow, kTau, kSwing, kCycles, kCatalogueColumns };

inline QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

// The bottles' volumes as the box shows them.
QString BottlesText(const std::vector<double>& sizes);

// A box shows its value in the interface's form, which may round it: while
// its text is the one shown, the value read back is the exact one, so that
// showing the requirements never changes them.
void ShowValue(QLineEdit* box, const QString& text, const QVariant& exact);
std::optional<QVariant> Unchanged(const QLineEdit* box);

}  // namespace volvenza::sizing_window
