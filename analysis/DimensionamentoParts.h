#pragma once
// What the sizing window's files share: the catalogue's columns, the texts
// of the sizing library, a box that shows a value exactly, and how boxes
// and cells are read and where their drafts are kept. Private to
// the window (Dimensionamento*.cpp).

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <QString>
#include <QVariant>

#include "documents/Project.h"
#include "sizing/CatalogueForm.h"
#include "sizing/Requirements.h"

class QLineEdit;
class QTableWidgetItem;

namespace volvenza::sizing_window {

// The catalogue's columns (sizing/CatalogueForm.h) as the table's.
inline constexpr int kCatalogueCells = static_cast<int>(sizing::kCatalogueColumnCount);
inline constexpr int kV0 = static_cast<int>(sizing::CatalogueColumn::V0);
inline constexpr int kRatio = static_cast<int>(sizing::CatalogueColumn::MaxRatio);

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

// What a requirement's box shows for the requirements, and its exact value.
std::pair<QString, QVariant> RequirementShown(const sizing::Requirements& req, size_t box);

// Where the project keeps a box's or a cell's draft.
DraftKey RequirementKey(size_t box);
// A hold box's, after the requirements' boxes.
DraftKey HoldKey(size_t box);
// Set on a hold box while it shows its draft.
inline constexpr char kHoldDraftShown[] = "volvenzaBozza";
DraftKey CatalogueKey(int row, int column);

// A size's limits in the catalogue's columns; nothing for no limit.
std::array<std::optional<double>, kCatalogueCells> CellValues(const sizing::CatalogueSize& s);

// The cell's exact value while it shows the text it was given, else its text read.
std::optional<double> CellNumber(const QTableWidgetItem& item);

}  // namespace volvenza::sizing_window
