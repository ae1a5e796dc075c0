#include "shell/StatusBar.h"

#include <QDateTime>
#include <QLabel>
#include <QTimer>

#include "platform/ScreenUnits.h"

namespace volvenza {
namespace {

QLabel* Panel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFrameShape(QFrame::StyledPanel);
    label->setFrameShadow(QFrame::Sunken);
    return label;
}

}  // namespace

StatusBar::StatusBar(QWidget* parent) : QStatusBar(parent) {
    setObjectName(QStringLiteral("sbStatusBar"));
    setSizeGripEnabled(true);
    QLabel* state = Panel(this, "Panel1", QStringLiteral("Stato"));
    state->setMinimumWidth(TwipsToPixels(2540, parent));
    date_ = Panel(this, "Panel2", QString());
    time_ = Panel(this, "Panel3", QString());
    date_->setFixedWidth(TwipsToPixels(2540, parent));
    time_->setFixedWidth(TwipsToPixels(2540, parent));
    date_->setAlignment(Qt::AlignCenter);
    time_->setAlignment(Qt::AlignCenter);
    addPermanentWidget(state, 1);
    addPermanentWidget(date_);
    addPermanentWidget(time_);
    clock_ = new QTimer(this);
    clock_->setInterval(1000);
    connect(clock_, &QTimer::timeout, this, &StatusBar::Refresh);
    clock_->start();
    Refresh();
}

QString StatusBar::DateText() const {
    return date_->text();
}
QString StatusBar::TimeText() const {
    return time_->text();
}

void StatusBar::Refresh() {
    const QDateTime now = QDateTime::currentDateTime();
    date_->setText(now.toString(QStringLiteral("dd/MM/yyyy")));
    time_->setText(now.toString(QStringLiteral("HH:mm")));
}

}  // namespace volvenza
