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

// A value quoted in a message, cut to a short prefix and "…": a pasted
// megabyte must not become a message nobody can read or close.
inline QString QuotedExcerpt(const QString& value, qsizetype length = 40) {
    if (value.size() <= length) return value;
    // Never half of a character outside the basic plane.
    if (value.at(length - 1).isHighSurrogate()) --length;
    return value.left(length) + QChar(0x2026);
}

}  // namespace volvenza
