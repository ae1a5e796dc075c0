// The chart's readings under the pointer: the collimator's crosshair, the
// two points of a difference, the zoom's rectangle, and the exact figures
// of the samples picked.
#include <cmath>

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>

#include "messages/ResultsFormat.h"
#include "numbers/Rounding.h"
#include "platform/DrawingSurface.h"
#include "platform/UiNumber.h"
#include "views/Grafico.h"

namespace volvenza {
namespace {

const QColor kRed(255, 0, 0);
const QColor kGreen(0, 255, 0);

}  // namespace

void Grafico::ShowExactReading() {
    const int16_t last = LastShownSample(state_);
    const int decimals = ReadoutTimeDecimals(state_.TimeStep);
    const auto time = [&](int16_t k) { return UiFixed(k * double(state_.TimeStep), decimals); };
    const auto pressure = [&](int16_t k) { return state_.PSeries[static_cast<size_t>(k)]; };
    const auto words = [](const char* source) {
        return QCoreApplication::translate(kChartContext, source);
    };
    const QString symbol = QString::fromLatin1(kPressureSeries.symbol);
    const QString unit = QString::fromLatin1(kPressureSeries.unit);
    const auto sample = [&](int16_t k) {
        return words(kReadoutSample)
            .arg(time(k), symbol, UiFixed(pressure(k), kPressureReadoutDecimals), unit);
    };
    const auto valid = [&](const std::optional<int16_t>& k) {
        return k && *k >= 0 && *k <= last && static_cast<size_t>(*k) < state_.PSeries.size();
    };
    QString text;
    if (collimatorOn_ && valid(crosshairSample_)) {
        text = sample(*crosshairSample_);
    } else if (valid(differenceSamples_[0])) {
        const int16_t first = *differenceSamples_[0];
        text = words(kReadoutFirst).arg(sample(first));
        if (valid(differenceSamples_[1])) {
            const int16_t second = *differenceSamples_[1];
            const double dp = RoundHalfEven(pressure(second), kPressureReadoutDecimals) -
                              RoundHalfEven(pressure(first), kPressureReadoutDecimals);
            text += QLatin1Char('\n') + words(kReadoutSecond).arg(sample(second)) +
                    QLatin1Char('\n') +
                    words(kReadoutDifference)
                        .arg(UiFixed((second - first) * double(state_.TimeStep), decimals), symbol,
                             UiFixed(dp, kPressureReadoutDecimals), unit);
        }
    }
    if (reading_->text() == text) return;
    reading_->setText(text);
    reading_->resize(reading_->width(), reading_->heightForWidth(std::max(1, reading_->width())));
}

void Grafico::DrawCrosshair(float x, double h) {
    DrawingSurface& s = picture_->Surface();
    s.Line({x, -kChartOffset}, {x, kChartExtent});
    s.Line({-kChartOffset, h}, {kChartExtent, h});
}

void Grafico::OnMouseMove(QPointF at) {
    float x = static_cast<float>(at.x());
    const float y = static_cast<float>(at.y());
    const float ts = state_.TimeStep;
    DrawingSurface& s = picture_->Surface();
    const auto sampleAt = [&](float& f) {
        f = FractionalSample(x, ts, view_.scaleX, view_.t1);
        return NearestSample(f, LastShownSample(state_));
    };
    const auto setText = [this](const char* box, const std::string& text) {
        QLineEdit* readout = boxes_[QString::fromLatin1(box)];
        readout->setText(QString::fromStdString(text));
        readout->setCursorPosition(0);  // the start of a long number, not its end
    };
    const auto boxText = [this](const char* box) {
        return boxes_[QString::fromLatin1(box)]->text().toStdString();
    };

    float f = 0;
    if (collimatorOn_) {
        s.ClearOverlay();
        if (x < 0) x = 0;
        const int16_t k = sampleAt(f);
        DrawCrosshair(x, CurveHeight(state_, k, view_));
        setText("Text1", TimeText(f * ts));
        setText("Text2", PressureText(state_.PSeries[k]));
        crosshairSample_ = k;
        ShowExactReading();
        // The gas temperature in °C, in the pressure's form.
        if (TemperatureOn()) setText("Text3", PressureText(state_.GasRun.TSeries[k]));
    } else if (clickStage_ == 2 && zoomRectOn_) {
        s.ClearOverlay();
        s.Rectangle({rect_.x1, rect_.y1}, {x, y});
        setText("Text1", TimeText(x / view_.scaleX));
        setText("Text2", PressureText(y / view_.scaleY));
    } else if (differenceOn_) {
        s.ClearOverlay();
        if (x < 0) x = 0;
        const int16_t k = sampleAt(f);
        if (clickStage_ == 1 || clickStage_ == 2) {
            const bool first = clickStage_ == 1;
            setText(first ? "DiffX1" : "DiffX2", TimeText(f * ts));
            setText(first ? "DiffY1" : "DiffY2", PressureText(state_.PSeries[k]));
            differenceSamples_[first ? 0 : 1] = k;
            if (first) differenceSamples_[1].reset();
            ShowExactReading();
            s.SetColor(first ? kRed : kGreen);
            DrawCrosshair(x, CurveHeight(state_, k, view_));
        }
        setText("DiffX", DifferenceText(boxText("DiffX2"), boxText("DiffX1")));
        setText("DiffY", DifferenceText(boxText("DiffY2"), boxText("DiffY1")));
    } else {
        sampleAt(f);
        setText("Text1", TimeText(f * ts));
        setText("Text2", PressureText(y / view_.scaleY + view_.p1));
    }
}

void Grafico::OnMousePress(QPointF at, Qt::MouseButton button) {
    if (button != Qt::LeftButton) return;
    const float x = static_cast<float>(at.x());
    const float y = static_cast<float>(at.y());
    DrawingSurface& s = picture_->Surface();
    if (zoomRectOn_) {
        if (clickStage_ == 1) {
            rect_ = {x, y, x, y};
            s.Rectangle({x, y}, {x, y});
            clickStage_ = 2;
        } else if (clickStage_ == 2) {
            rect_.x2 = x;
            rect_.y2 = y;
            s.Rectangle({rect_.x1, rect_.y1}, {x, y});
            clickStage_ = 0;
            zoomRectOn_ = false;
            ZoomToRectangle();
        }
    } else if (differenceOn_) {
        if (clickStage_ == 1) {
            s.Commit();  // the red crosshair becomes part of the chart
            clickStage_ = 2;
        } else if (clickStage_ == 2) {
            clickStage_ = 0;
            s.Commit();
            differenceOn_ = false;
            s.SetColor(Qt::black);
        }
    }
}

}  // namespace volvenza
