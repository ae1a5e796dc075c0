#include "shell/frmSplash.h"

#include <cmath>

#include <QFrame>
#include <QLabel>
#include <QProgressBar>

#include "platform/ScreenUnits.h"
#include "shell/Artwork.h"
#include "shell/MakerLines.h"
#include "shell/ProgramIdentity.h"

namespace volvenza {
namespace {

// The bar counts in thousandths so that its low end of 0.0001 rounds to 0.
constexpr int kBarScale = 1000;

QLabel* AddLabel(QWidget* parent, const char* name, const QString& text, QRect place,
                 int pointSize = 0, bool bold = false) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(place);
    if (pointSize > 0 || bold) {
        QFont font = label->font();
        if (pointSize > 0) font.setPointSize(pointSize);
        font.setBold(bold);
        label->setFont(font);
    }
    return label;
}

}  // namespace

frmSplash::frmSplash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("frmSplash"));
    auto twips = [this](int left, int top, int width, int height) {
        return TwipsRect(left, top, width, height, this);
    };
    setFixedSize(twips(0, 0, 7455, 4710).size());

    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("fraMainFrame"));
    frame->setFrameShape(QFrame::Box);
    frame->setGeometry(twips(45, -15, 7380, 4590).adjusted(0, 1, 0, 0));

    auto* logo = new QLabel(frame);
    logo->setObjectName(QStringLiteral("picLogo"));
    logo->setGeometry(twips(240, 840, 2025, 2250));
    logo->setPixmap(MakerLogo());

    AddLabel(frame, "lblProductName", kTitle, twips(2520, 1920, 4215, 675), 24, true);
    QLabel* version =
        AddLabel(frame, "lblVersion", VersionText(), twips(1080, 480, 1080, 300), 12, true);
    version->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    version->adjustSize();
    AddLabel(frame, "lblCompanyProduct", kMakerAuthorLine, twips(2505, 765, 4395, 435), 18, true);
    QLabel* warning = AddLabel(frame, "lblWarning", kMakerWarning, twips(240, 3720, 6855, 195));
    QFont small = warning->font();
    small.setPointSize(7);
    warning->setFont(small);
    QLabel* web = AddLabel(frame, "Label1", kMakerWeb, twips(2520, 2760, 3735, 495));
    web->setStyleSheet(QStringLiteral("color: blue;"));
    AddLabel(frame, "Label2", kMakerWeb2, twips(240, 3960, 2895, 255));
    AddLabel(frame, "Label3", kMakerMail, twips(2520, 1320, 1815, 495));
    AddLabel(frame, "Label4", QString(), twips(2520, 2400, 1935, 255));

    bar_ = new QProgressBar(frame);
    bar_->setObjectName(QStringLiteral("ProgressBar"));
    bar_->setGeometry(twips(4320, 4080, 2895, 375));
    bar_->setRange(0, 3 * kBarScale);
    bar_->setTextVisible(false);
    SetProgress(0.0001f);
}

void frmSplash::SetProgress(float value) {
    bar_->setValue(static_cast<int>(std::lround(value * kBarScale)));
}

float frmSplash::Progress() const {
    return static_cast<float>(bar_->value()) / kBarScale;
}

}  // namespace volvenza
