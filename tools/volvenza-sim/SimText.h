#pragma once
// volvenza-sim speaks Italian, or English when the locale asks for it
// (LC_ALL, LC_MESSAGES or LANG = en_*). Its own texts are marked with
// SIM_TEXT so that lupdate puts them in the program's catalogue; the English
// comes from a table built from that catalogue, without Qt.

#include <string>

// Marks a text for the catalogue, always in the context "volvenza-sim";
// the text itself in the program.
#define SIM_TEXT(context, text) text

namespace volvenza {

bool SimInEnglish();

// The text in the language of the run. In Italian it is returned as it is;
// in English a text of the catalogue (volvenza-sim's own, or a library
// message, its variable parts translated in turn and its numbers with the
// decimal point) becomes its English, anything else stays.
std::string SimText(const std::string& italian);

// A text of the catalogue with its %1, %2... parts still in it, in the
// language of the run.
std::string SimTemplate(const char* italian);

}  // namespace volvenza
