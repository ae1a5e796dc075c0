#pragma once
// Fitting text into the fixed places the windows give their controls: the
// places are fixed in twips, the fonts come from the system, so a text may
// need a smaller size (or a narrower face) to show whole.

#include <QFont>
#include <QSize>
#include <QString>
#include <QStringList>

class QLabel;
class QLineEdit;
class QPaintDevice;
class QWidget;

namespace volvenza {

// The largest size of `font`, from its own size down to `smallest` points in
// half points, at which each of `texts` laid out with `flags` (alignment,
// word wrap) fits `room`, measured as `device` draws it. `smallest` when
// none fits.
QFont FittedFont(QFont font, const QStringList& texts, const QSize& room, int flags,
                 const QPaintDevice& device, double smallest = 6.0);

// Gives the label the largest font, up to its own, at which its text and
// each of `otherTexts` (texts it shows at other times) fit its room.
void FitLabelFont(QLabel& label, const QStringList& otherTexts = {});

// Gives the box the largest font, up to its own, at which each of `texts`
// fits whole.
void FitLineEditFont(QLineEdit& box, const QStringList& texts);

// `font` in a narrow face for numbers in small boxes, when the system has
// one; the same size.
QFont NarrowFont(QFont font);

// The room a one-line box leaves for its text, inside its frame and margins.
QSize LineEditTextRoom(const QLineEdit& box);

// The room a label leaves for its text, inside its margins and indent.
QSize LabelTextRoom(const QLabel& label);

// Keeps the text of a right-aligned label clear of the control that follows
// it, which may begin inside the label's own rectangle.
void KeepTextClearOf(QLabel& label, const QWidget& next, int gapPixels = 3);

}  // namespace volvenza
