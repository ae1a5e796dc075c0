#pragma once
// volvenza-sim's commands, from the arguments after the program's name to the
// exit status; the program and the browser build share them. Files are read
// and written by name, the answers go to std::cout and the messages to
// std::cerr.

#include <string>
#include <vector>

namespace volvenza {

int RunSimCommand(std::vector<std::string> args);

}  // namespace volvenza
