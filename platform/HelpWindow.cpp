#include "platform/HelpWindow.h"

#include <algorithm>
#include <utility>
#include <vector>

#include <QCollator>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QVBoxLayout>

namespace volvenza {
QString HelpFolder(UiLanguage language) {
    return language == UiLanguage::English ? QStringLiteral(":/help/en/")
                                           : QStringLiteral(":/help/");
}

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), language_(CurrentUiLanguage()), folder_(HelpFolder(language_)) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("Guida di Volvenza"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(760, 560);

    tabs_ = new QTabWidget(this);
    browser_ = new QTextBrowser;
    browser_->setObjectName(QStringLiteral("HelpPage"));
    browser_->setOpenLinks(true);
    browser_->setSearchPaths({folder_});

    auto* index = new QWidget;
    auto* indexLayout = new QVBoxLayout(index);
    auto* label = new QLabel(tr("&Digitare le prime lettere della parola da cercare:"), index);
    search_ = new QLineEdit(index);
    search_->setObjectName(QStringLiteral("HelpSearch"));
    label->setBuddy(search_);
    keywords_ = new QListWidget(index);
    keywords_->setObjectName(QStringLiteral("HelpKeywords"));
    auto* show = new QPushButton(tr("&Visualizza"), index);
    indexLayout->addWidget(label);
    indexLayout->addWidget(search_);
    indexLayout->addWidget(keywords_, 1);
    indexLayout->addWidget(show, 0, Qt::AlignRight);

    tabs_->addTab(browser_, tr("Sommario"));
    tabs_->addTab(index, tr("Indice"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);

    connect(search_, &QLineEdit::textChanged, this, &HelpWindow::FilterKeywords);
    connect(search_, &QLineEdit::returnPressed, this, &HelpWindow::OpenSelectedKeyword);
    connect(keywords_, &QListWidget::itemActivated, this, &HelpWindow::OpenSelectedKeyword);
    connect(show, &QPushButton::clicked, this, &HelpWindow::OpenSelectedKeyword);
    LoadKeywords();
}

void HelpWindow::LoadKeywords() {
    QFile file(folder_ + QStringLiteral("keywords.txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return;
    std::vector<std::pair<QString, QString>> entries;  // keyword, page
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        const qsizetype bar = line.indexOf(QLatin1Char('|'));
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')) || bar <= 0) continue;
        entries.emplace_back(line.left(bar), line.mid(bar + 1));
    }
    // Like a printed index: in alphabetical order whatever the letters' case.
    QCollator collator{language_ == UiLanguage::English
                           ? QLocale(QLocale::English, QLocale::UnitedStates)
                           : QLocale(QLocale::Italian, QLocale::Italy)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(entries.begin(), entries.end(), [&collator](const auto& a, const auto& b) {
        return collator.compare(a.first, b.first) < 0;
    });
    for (const auto& [keyword, page] : entries) {
        auto* item = new QListWidgetItem(keyword, keywords_);
        item->setData(Qt::UserRole, page);
    }
}

void HelpWindow::FilterKeywords(const QString& text) {
    // Like a printed index: jump to the first keyword that starts with the
    // typed letters.
    for (int i = 0; i < keywords_->count(); ++i) {
        if (keywords_->item(i)->text().startsWith(text, Qt::CaseInsensitive)) {
            keywords_->setCurrentRow(i);
            keywords_->scrollToItem(keywords_->item(i), QAbstractItemView::PositionAtTop);
            return;
        }
    }
}

void HelpWindow::OpenSelectedKeyword() {
    QListWidgetItem* item = keywords_->currentItem();
    if (item == nullptr) return;
    ShowPage(item->data(Qt::UserRole).toString());
}

void HelpWindow::ShowPage(const QString& page) {
    const QUrl url(QStringLiteral("qrc") + folder_ + page);
    browser_->setSource(url);
    tabs_->setCurrentIndex(0);
    // Before the window shows, the page is laid out at a width it will not
    // keep (the scroll bar comes only once it is shown), so the section
    // would end up some paragraphs away: it is found again once laid out.
    if (!isVisible()) pendingAnchor_ = url.fragment();
}

void HelpWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (pendingAnchor_.isEmpty()) return;
    QTimer::singleShot(0, this, [this] {
        if (!pendingAnchor_.isEmpty()) browser_->scrollToAnchor(pendingAnchor_);
        pendingAnchor_.clear();
    });
}

void HelpWindow::ShowContents() {
    ShowPage(QStringLiteral("index.html"));
}

void HelpWindow::ShowIndex(const QString& key) {
    tabs_->setCurrentIndex(1);
    search_->setText(key);
    if (key.isEmpty() && keywords_->count() > 0) keywords_->setCurrentRow(0);
    search_->setFocus();
}

void HelpWindow::ShowMissing(const QString& helpFile) {
    browser_->setHtml(
        QStringLiteral("<p>%1</p>")
            .arg(tr("Impossibile aprire il file della Guida %1.").arg(helpFile.toHtmlEscaped())));
    tabs_->setCurrentIndex(0);
}

ResourceHelpViewer::~ResourceHelpViewer() {
    delete window_;
}

Status ResourceHelpViewer::Open(QWidget*, const QString& helpFile, HelpCommand command,
                                const QString& key) {
    // The window stands on its own beside the program, so it has no owner.
    if (!window_) window_ = new HelpWindow;
    if (helpFile.compare(helpFileName_, Qt::CaseInsensitive) != 0) {
        window_->ShowMissing(helpFile);
    } else if (command == HelpCommand::PartialKey) {
        window_->ShowIndex(key);
    } else if (command == HelpCommand::Page && !key.isEmpty()) {
        window_->ShowPage(key);
    } else {
        window_->ShowContents();
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
    return Done{};
}

}  // namespace volvenza
