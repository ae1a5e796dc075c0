#pragma once
// volvenza-sim speaks Italian, or English when the locale asks for it
// (LC_ALL, LC_MESSAGES or LANG = en_*). Its own prose (the usage, the lines
// of its answers) is marked with SIM_TEXT so that lupdate puts it in the
// program's catalogue; the English comes from a table built from that
// catalogue, without Qt. Its refusals are typed messages (messages/), worded
// from the same table as the libraries' messages.

#include <string>
#include <vector>

#include "messages/Message.h"
#include "messages/Result.h"

// Marks a text for the catalogue, always in the context "volvenza-sim";
// the text itself in the program.
#define SIM_TEXT(context, text) text

namespace volvenza {

bool SimInEnglish();

// A text of the catalogue, whole, in the language of the run; a text not in
// the catalogue stays as it is.
std::string SimText(const std::string& italian);
std::string SimTemplate(const char* italian);
// A text of the catalogue with its %1, %2... filled with `parts`.
std::string SimFill(const char* italian, const std::vector<std::string>& parts);

// The catalogue and the decimal separator of the run.
Wording SimWording();
std::string SimMessage(const Message& message);

}  // namespace volvenza
