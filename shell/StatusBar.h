#pragma once
// The main window's status bar: the fixed text "Stato", then the date and
// the time, which the bar keeps current by itself.

#include <QStatusBar>

class QLabel;
class QTimer;

namespace volvenza {

class StatusBar : public QStatusBar {
    Q_OBJECT
  public:
    explicit StatusBar(QWidget* parent = nullptr);

    QString DateText() const;
    QString TimeText() const;

  private:
    void Refresh();

    QLabel* date_ = nullptr;
    QLabel* time_ = nullptr;
    QTimer* clock_ = nullptr;
};

}  // namespace volvenza
