#pragma once
// What the program is asked to do from the command line: print its usage or
// version in the terminal without opening a window, or start and open one
// simulation file, as a file manager asks when a ".vlz" file is opened.

#include <optional>

#include <QString>
#include <QStringList>

#include "messages/Result.h"

namespace volvenza {

// Looked for before anything of the window system starts, so it works where
// there is no display: the text to print for "--help"/"-h" (the usage) or
// "--version"/"-v" (the version), after which the program ends. Nothing when
// the program is to start.
std::optional<QString> TerminalRequest(const QStringList& arguments);

// The arguments left once the window system has taken its own ("-platform
// offscreen", ...), program name first: at most one file, "--" before a file
// whose name starts with "-". Either the file to open (empty for none) or why
// the arguments are wrong.
Result<QString> ParseStartArguments(const QStringList& arguments);
// A refusal of ParseStartArguments as the terminal shows it, with where to
// find the usage, in the language of the catalogues installed.
QString StartRefusalText(const Message& refusal);

// A text of TerminalRequest in English when the locale asks for it (the
// program's own setting is not read before a window system exists).
QString InTerminalLanguage(const QString& text);

}  // namespace volvenza
