// volvenza-sim: runs simulations and converts simulation files without any
// window, for batch work and for checking the engine from the outside.

#include <string>
#include <vector>

#include "tools/volvenza-sim/SimCommand.h"

int main(int argc, char** argv) {
    return volvenza::RunSimCommand(std::vector<std::string>(argv + 1, argv + argc));
}
