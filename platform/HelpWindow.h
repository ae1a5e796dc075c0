#pragma once
// Our help viewer: a window beside the program with the contents page and a
// keyword index with a search field. The help pages are HTML in the
// program's resources under ":/help", the English ones under ":/help/en"
// with the same names; "index.html" is the contents page and "keywords.txt"
// lists "keyword|page" lines for the index.

#include <QPointer>
#include <QWidget>

#include "platform/HelpViewer.h"
#include "platform/Language.h"

class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;

namespace volvenza {

// The resource folder of the help pages in a language, ending in "/".
QString HelpFolder(UiLanguage language);

class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    explicit HelpWindow(QWidget* parent = nullptr);

    void ShowContents();
    void ShowIndex(const QString& key);
    void ShowPage(const QString& page);
    // A message page in place of the help, for a help file we cannot read.
    void ShowMissing(const QString& helpFile);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void LoadKeywords();
    void FilterKeywords(const QString& text);
    void OpenSelectedKeyword();

    // The interface's language when the window opens: the program does not
    // change it while running.
    UiLanguage language_;
    QString folder_;
    QTabWidget* tabs_ = nullptr;
    QTextBrowser* browser_ = nullptr;
    QLineEdit* search_ = nullptr;
    QListWidget* keywords_ = nullptr;
    // The section a page opened at before the window was first laid out.
    QString pendingAnchor_;
};

// Opens help files named like the program's own ("VOLVENZA.HLP", in any
// case) from the resources in one HelpWindow that it keeps.
class ResourceHelpViewer : public HelpViewer {
  public:
    explicit ResourceHelpViewer(QString helpFileName) : helpFileName_(std::move(helpFileName)) {}
    ~ResourceHelpViewer() override;

    Status Open(QWidget* owner, const QString& helpFile, HelpCommand command,
                const QString& key) override;
    HelpWindow* Window() const { return window_; }

  private:
    QString helpFileName_;
    QPointer<HelpWindow> window_;
};

}  // namespace volvenza
