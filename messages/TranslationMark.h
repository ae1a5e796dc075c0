#pragma once
// Marks a text for the translation catalogue where a file without Qt writes
// it: lupdate reads the mark, the program keeps the Italian. The same
// definition as Qt's, so a file that also sees Qt's gets the same macro.

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
