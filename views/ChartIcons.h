#pragma once
// Pictures of the chart window's toolbar buttons, drawn at run time in the
// style of the main toolbar: ink outlines on a 16-unit grid, drawn at twice
// the size.

#include <QIcon>
#include <QString>

namespace volvenza {

// By button key: "Cancella", "Tracciatore", "Disegna", "ZoomArea",
// "AggiungiParticolari", "Differenza". An unknown key gives an empty picture.
QIcon ChartToolIcon(const QString& key);

}  // namespace volvenza
