#pragma once
// The options dialog: one tab, "Generali", with the print header and the
// language of the next start.

#include <vector>

#include <QDialog>

#include "platform/Language.h"

class QComboBox;
class QLineEdit;
class QTabBar;

namespace volvenza {

class frmOptions : public QDialog {
    Q_OBJECT
  public:
    explicit frmOptions(const QString& printHeader,
                        LanguageChoice language = LanguageChoice::Automatic,
                        QWidget* parent = nullptr);

    // The header as typed, to be taken over when the dialog was accepted.
    QString Header() const;
    // The language chosen for the next start.
    LanguageChoice Language() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void SelectTab(int index);

    QTabBar* tabs_ = nullptr;
    std::vector<QWidget*> pages_;
    QLineEdit* header_ = nullptr;
    QComboBox* language_ = nullptr;
};

}  // namespace volvenza
