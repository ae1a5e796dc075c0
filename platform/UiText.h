#pragma once
// A text shown to the user, kept as its Italian source and translated into
// the program's language when it is used. Declare it with the context twice,
// so that lupdate sees the text:
//   constexpr UiText kCaption{"volvenza::frmOptions",
//                             QT_TRANSLATE_NOOP("volvenza::frmOptions", "Opzioni")};

#include <QCoreApplication>
#include <QString>

namespace volvenza {

struct UiText {
    const char* context;
    const char* source;

    QString Text() const { return QCoreApplication::translate(context, source); }
    operator QString() const { return Text(); }
};

}  // namespace volvenza
