#pragma once
// The options dialog: one tab, "Generali", with the print header.

#include <vector>

#include <QDialog>

class QLineEdit;
class QTabBar;

namespace volvenza {

class frmOptions : public QDialog {
    Q_OBJECT
  public:
    explicit frmOptions(const QString& printHeader, QWidget* parent = nullptr);

    // The header as typed, to be taken over when the dialog was accepted.
    QString Header() const;
    int CurrentTab() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void SelectTab(int index);

    QTabBar* tabs_ = nullptr;
    std::vector<QWidget*> pages_;
    QLineEdit* header_ = nullptr;
};

}  // namespace volvenza
