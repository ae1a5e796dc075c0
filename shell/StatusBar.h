#pragma once
// The main window's status bar: the text "Stato" (or a warning about the
// results, or the vessels beyond one accumulator of V0 the project runs),
// then the date and the time, which the bar keeps current by itself.

#include <QStatusBar>

class QDate;
class QLabel;
class QTimer;

namespace volvenza {

class StatusBar : public QStatusBar {
    Q_OBJECT
  public:
    explicit StatusBar(QWidget* parent = nullptr);

    QString DateText() const;
    // A date as the panel shows it: dd/MM/yyyy in Italian, the English
    // locale's short form in English.
    static QString DateText(const QDate& date);
    QString TimeText() const;
    // The vessels as the results notes name them; empty for one accumulator.
    void ShowVessels(const QString& vessels);
    // A line that stands in the first panel, before the vessels, until it
    // is taken away with an empty one.
    void ShowNotice(const QString& notice);
    // What the results shown must not be missed for, in red, after a notice
    // and before the vessels; empty for none.
    void ShowWarning(const QString& warning);

  private:
    void Refresh();
    void ShowState();

    QString vessels_;
    QString notice_;
    QString warning_;
    QLabel* state_ = nullptr;
    QLabel* date_ = nullptr;
    QLabel* time_ = nullptr;
    QTimer* clock_ = nullptr;
};

}  // namespace volvenza
