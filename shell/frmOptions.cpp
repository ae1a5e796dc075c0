#include "shell/frmOptions.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>

#include "platform/ScreenUnits.h"
#include "platform/UiText.h"

namespace volvenza {
namespace {
constexpr UiText kCaption{"volvenza::frmOptions",
                          QT_TRANSLATE_NOOP("volvenza::frmOptions", "Opzioni")};
constexpr UiText kGeneralTab{"volvenza::frmOptions",
                             QT_TRANSLATE_NOOP("volvenza::frmOptions", "Generali")};
constexpr UiText kUserFrame{"volvenza::frmOptions",
                            QT_TRANSLATE_NOOP("volvenza::frmOptions", "Informazioni utente")};
constexpr UiText kHeaderLabel{"volvenza::frmOptions",
                              QT_TRANSLATE_NOOP("volvenza::frmOptions", "Intestazione stampe")};
constexpr UiText kOk{"volvenza::frmOptions", QT_TRANSLATE_NOOP("volvenza::frmOptions", "OK")};
constexpr UiText kLanguageFrame{"volvenza::frmOptions",
                                QT_TRANSLATE_NOOP("volvenza::frmOptions", "Lingua")};
constexpr UiText kLanguageLabel{"volvenza::frmOptions",
                                QT_TRANSLATE_NOOP("volvenza::frmOptions", "Lingua:")};
constexpr UiText kLanguageNote{
    "volvenza::frmOptions",
    QT_TRANSLATE_NOOP("volvenza::frmOptions", "La lingua scelta vale dal prossimo avvio.")};
// The choices in the order of LanguageChoice.
constexpr const char* kLanguageChoices[] = {
    QT_TRANSLATE_NOOP("volvenza::frmOptions", "Automatica"),
    QT_TRANSLATE_NOOP("volvenza::frmOptions", "Italiano"),
    QT_TRANSLATE_NOOP("volvenza::frmOptions", "English"),
};
constexpr UiText kCancel{"volvenza::frmOptions",
                         QT_TRANSLATE_NOOP("volvenza::frmOptions", "Annulla")};

// Where the chosen page stands and where the others are parked.
constexpr int kShownPageLeft = 210;
constexpr int kHiddenPageLeft = -20000;
}  // namespace

frmOptions::frmOptions(const QString& printHeader, LanguageChoice language, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(kCaption);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    auto twips = [this](int left, int top, int width, int height) {
        return TwipsRect(left, top, width, height, this);
    };
    setFixedSize(twips(0, 0, 6195, 4905).size());

    // The tab strip: a bar of tabs over a framed pane.
    auto* pane = new QFrame(this);
    pane->setFrameShape(QFrame::StyledPanel);
    pane->setGeometry(twips(120, 450, 5895, 3909));
    tabs_ = new QTabBar(this);
    tabs_->setExpanding(false);
    tabs_->setObjectName(QStringLiteral("tbsOptions"));
    tabs_->addTab(kGeneralTab);
    tabs_->setGeometry(twips(120, 120, 5895, 375));
    tabs_->setFocusPolicy(Qt::NoFocus);

    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("picOptions"));
    page->setGeometry(twips(240, 480, 5685, 3780));
    pages_.push_back(page);

    auto* frame = new QGroupBox(kUserFrame, page);
    frame->setObjectName(QStringLiteral("fraSample1"));
    frame->setGeometry(twips(120, 240, 5160, 2022));
    auto* label = new QLabel(kHeaderLabel, frame);
    label->setObjectName(QStringLiteral("Label1"));
    label->setGeometry(twips(240, 360, 2415, 255));
    header_ = new QLineEdit(printHeader, frame);
    header_->setObjectName(QStringLiteral("TIntestUtente"));
    header_->setGeometry(twips(240, 600, 4695, 285));
    label->setBuddy(header_);

    // The language takes effect at the next start: the windows are built
    // with the catalogue loaded at start-up.
    auto* languageFrame = new QGroupBox(kLanguageFrame, page);
    languageFrame->setObjectName(QStringLiteral("fraLingua"));
    languageFrame->setGeometry(twips(120, 2400, 5160, 1260));
    auto* languageLabel = new QLabel(kLanguageLabel, languageFrame);
    languageLabel->setObjectName(QStringLiteral("lblLingua"));
    languageLabel->setGeometry(twips(240, 330, 1200, 255));
    language_ = new QComboBox(languageFrame);
    language_->setObjectName(QStringLiteral("cboLingua"));
    for (const char* choice : kLanguageChoices) language_->addItem(tr(choice));
    language_->setCurrentIndex(static_cast<int>(language));
    language_->setGeometry(twips(1500, 300, 2400, 315));
    languageLabel->setBuddy(language_);
    auto* note = new QLabel(kLanguageNote, languageFrame);
    note->setObjectName(QStringLiteral("lblLinguaNota"));
    note->setGeometry(twips(240, 750, 4695, 255));

    auto* ok = new QPushButton(kOk, this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setGeometry(twips(3690, 4455, 1095, 375));
    ok->setDefault(true);
    auto* cancel = new QPushButton(kCancel, this);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    cancel->setGeometry(twips(4920, 4455, 1095, 375));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(tabs_, &QTabBar::currentChanged, this, &frmOptions::SelectTab);

    // Ctrl+Tab and Ctrl+Shift+Tab belong to the dialog whichever control has
    // the focus.
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
    SelectTab(0);
    header_->setFocus();
}

QString frmOptions::Header() const {
    return header_->text();
}

LanguageChoice frmOptions::Language() const {
    return static_cast<LanguageChoice>(language_->currentIndex());
}

void frmOptions::SelectTab(int index) {
    for (size_t i = 0; i < pages_.size(); ++i) {
        QWidget* page = pages_[i];
        const bool chosen = static_cast<int>(i) == index;
        page->move(TwipsToPixels(chosen ? kShownPageLeft : kHiddenPageLeft, this), page->y());
        page->setEnabled(chosen);
    }
}

bool frmOptions::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers mods =
            key->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier);
        const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        if (tab && (mods & Qt::ControlModifier)) {
            if (event->type() == QEvent::ShortcutOverride) {
                event->accept();
                return true;
            }
            const int count = tabs_->count();
            const int step = (mods & Qt::ShiftModifier) ? count - 1 : 1;
            tabs_->setCurrentIndex((tabs_->currentIndex() + step) % count);
            SelectTab(tabs_->currentIndex());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace volvenza
