#pragma once
// volvenza-sim's usage, written once: the whole of it for --help, a
// command's own for "COMMAND --help" and for the commands that show it on
// wrong arguments, and what a refused argument is answered with.

#include <optional>
#include <string>
#include <string_view>

#include "messages/Message.h"

namespace volvenza {

// The exit status of wrong usage, whichever command.
inline constexpr int kExitUsage = 64;

// Every command, its options and the exit statuses, in the run's language.
std::string WholeUsage();
// The usage of `command` alone, with the options it takes and the exit
// statuses it can return; none for a name no command has.
std::optional<std::string> CommandUsage(const std::string& command);
// An option of the command line: its name, the commands that take it
// (their names, by blanks) and how many values follow it.
struct SimOption {
    std::string_view name;
    std::string_view commands;
    int values = 0;

    bool TakenBy(std::string_view command) const;
};
// The option called `name`, hidden ones too; none for a name no command takes.
const SimOption* FindOption(std::string_view name);
// The refusal of an option `command` does not take: it is another
// command's, or no command's at all.
Message OptionNotTaken(const std::string& command, const std::string& option);
// Says on stderr why the arguments were refused, then where the usage is
// ("volvenza-sim COMMAND --help", or the whole usage's for an empty
// `command`); returns kExitUsage.
int RefuseArguments(const Message& why, const std::string& command);

}  // namespace volvenza
