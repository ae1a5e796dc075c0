#include "shell/frmAbout.h"

#include <QLabel>
#include <QPushButton>

#include "platform/ScreenUnits.h"
#include "platform/TextFit.h"
#include "platform/UiText.h"
#include "shell/Artwork.h"
#include "shell/MakerLines.h"
#include "shell/ProgramIdentity.h"

namespace volvenza {
namespace {
constexpr UiText kCaption{"volvenza::frmAbout",
                          QT_TRANSLATE_NOOP("volvenza::frmAbout", "Informazioni su Progetto1")};
}

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(kCaption);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    auto twips = [this](int left, int top, int width, int height) {
        return TwipsRect(left, top, width, height, this);
    };
    setFixedSize(twips(0, 0, 7545, 4200).size());

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("picIcon"));
    icon->setGeometry(twips(120, 600, 2085, 2310));
    icon->setPixmap(MakerLogo());

    auto label = [this](const char* name, const QString& text, QRect place, int points,
                        bool wrap = false) {
        auto* l = new QLabel(text, this);
        l->setObjectName(QString::fromLatin1(name));
        l->setGeometry(place);
        l->setWordWrap(wrap);
        l->setFont(QFont(QStringLiteral("Arial"), points));
        // The system's face for Arial may be taller than Arial itself.
        FitLabelFont(*l);
        return l;
    };
    label("lblTitle", kTitle, twips(2400, 0, 4095, 600), 27);
    label("lblVersion", VersionText(), twips(2400, 720, 4095, 345), 12);
    label("lblDescription", kMakerDescription, twips(2400, 1200, 4935, 1410), 12, true)
        ->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label("Label3", kMakerCompany, twips(2400, 2160, 2415, 375), 9);
    label("Label1", kMakerFax, twips(2400, 2520, 4695, 255), 9);
    label("Label2", tr("E-mail: ") + kMakerMail, twips(2400, 2880, 3975, 375), 9);
    label("Label4", tr("Web: ") + kMakerWeb, twips(2400, 3240, 4452, 372), 9);

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setGeometry(twips(3120, 3720, 1467, 345));
    ok->setDefault(true);
    ok->setAutoDefault(true);
    // Esc rejects, which closes the window just as OK does.
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace volvenza
