#pragma once
// The program's pictures, drawn at run time: the program icon, the toolbar
// pictures 1 to 10, the client-area background and the maker's logo.

#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace volvenza {

QPixmap ProgramIcon();           // 32 by 32
QIcon ToolbarIcon(int picture);  // 1..10
// 1024 by 768, or `size` where larger, the grid filling it.
QPixmap BackgroundPicture(QSize size = {});
QPixmap MakerLogo();  // 135 by 150

// The program icon and the icon of its simulation files, drawn on a 32-unit
// grid scaled to `size` pixels square: the installed icons are made from
// these. They need no window system.
QImage ProgramIconImage(int size);
QImage SimulationFileIconImage(int size);

}  // namespace volvenza
