#pragma once
// The About window: title, version and the maker's contact lines. "OK",
// Enter or Esc closes it.

#include <QDialog>

namespace volvenza {

class frmAbout : public QDialog {
    Q_OBJECT
  public:
    explicit frmAbout(QWidget* parent = nullptr);
};

}  // namespace volvenza
