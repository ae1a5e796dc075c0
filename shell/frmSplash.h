#pragma once
// The splash: a frameless window shown over the main window while the
// program comes up, with a progress bar that Main advances to 1, 2 and 3.

#include <QWidget>

class QProgressBar;

namespace volvenza {

class frmSplash : public QWidget {
    Q_OBJECT
  public:
    explicit frmSplash(QWidget* parent = nullptr);

    // The bar runs from 0.0001 to 3.
    void SetProgress(float value);
    float Progress() const;

  private:
    QProgressBar* bar_ = nullptr;
};

}  // namespace volvenza
