#include "shell/StatusBar.h"

#include <algorithm>

#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QPalette>
#include <QResizeEvent>
#include <QTimer>

#include "platform/Language.h"
#include "platform/ScreenUnits.h"

namespace volvenza {
namespace {

constexpr int kPanelWidth = 2540;  // twips: the date, the time, and the least for "Stato"

QLabel* Panel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFrameShape(QFrame::StyledPanel);
    label->setFrameShadow(QFrame::Sunken);
    return label;
}

// The three panels side by side at their own widths. The strip asks for no
// width of its own, so a narrow main window cuts the panels off at its right
// edge instead of being widened by them.
class PanelStrip : public QWidget {
  public:
    explicit PanelStrip(QWidget* parent) : QWidget(parent) {
        setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    }

    QSize sizeHint() const override { return {PanelsWidth(), PanelHeight()}; }
    QSize minimumSizeHint() const override { return {0, PanelHeight()}; }

  protected:
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        const QList<QLabel*> panels = findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
        const int fixed = TwipsToPixels(kPanelWidth, this);
        // "Stato" takes what the date and time leave, never less than a panel.
        int left = 0;
        for (QLabel* panel : panels) {
            const int width =
                panel == panels.first() ? std::max(fixed, this->width() - 2 * fixed) : fixed;
            panel->setGeometry(left, 0, width, height());
            left += width;
        }
    }

  private:
    int PanelsWidth() const { return 3 * TwipsToPixels(kPanelWidth, this); }
    int PanelHeight() const {
        int height = 0;
        for (const QLabel* panel : findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
            height = std::max(height, panel->sizeHint().height());
        }
        return height;
    }
};

}  // namespace

StatusBar::StatusBar(QWidget* parent) : QStatusBar(parent) {
    setObjectName(QStringLiteral("sbStatusBar"));
    setSizeGripEnabled(true);
    auto* strip = new PanelStrip(this);
    state_ = Panel(strip, "Panel1", tr("Stato"));
    date_ = Panel(strip, "Panel2", QString());
    time_ = Panel(strip, "Panel3", QString());
    date_->setAlignment(Qt::AlignCenter);
    time_->setAlignment(Qt::AlignCenter);
    addPermanentWidget(strip, 1);
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

void StatusBar::ShowVessels(const QString& vessels) {
    vessels_ = vessels;
    ShowState();
}

void StatusBar::ShowNotice(const QString& notice) {
    notice_ = notice;
    ShowState();
}

void StatusBar::ShowWarning(const QString& warning) {
    warning_ = warning;
    ShowState();
}

void StatusBar::ShowState() {
    const QString shown = !notice_.isEmpty() ? notice_ : !warning_.isEmpty() ? warning_ : vessels_;
    state_->setText(shown.isEmpty() ? tr("Stato") : shown);
    // An empty palette inherits the bar's colours.
    QPalette palette;
    if (notice_.isEmpty() && !warning_.isEmpty()) palette.setColor(QPalette::WindowText, Qt::red);
    state_->setPalette(palette);
    QStringList lines;
    for (const QString& line : {notice_, warning_, vessels_}) {
        if (!line.isEmpty()) lines << line;
    }
    state_->setToolTip(lines.join(QLatin1Char('\n')));
}

QString StatusBar::DateText(const QDate& date) {
    if (!UseEnglish()) return date.toString(QStringLiteral("dd/MM/yyyy"));
    // The English program dates as an English locale does: the person's
    // own when it is English, the American one otherwise.
    const QLocale system = QLocale::system();
    const QLocale english = system.language() == QLocale::English
                                ? system
                                : QLocale(QLocale::English, QLocale::UnitedStates);
    return english.toString(date, QLocale::ShortFormat);
}

void StatusBar::Refresh() {
    const QDateTime now = QDateTime::currentDateTime();
    date_->setText(DateText(now.date()));
    time_->setText(now.toString(QStringLiteral("HH:mm")));
}

}  // namespace volvenza
