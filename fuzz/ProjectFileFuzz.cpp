// Feeds arbitrary bytes to the project-file reader: it must refuse or accept
// without crashing, and an accepted project must write back to a text that
// reads again to the same text.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "documents/ProjectFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace volvenza;
    const std::string input(reinterpret_cast<const char*>(data), size);
    CircuitState state;
    InitCircuitState(state);
    ProjectSizing sizing;
    if (ReadProjectText(state, sizing, input, "fuzz.vlzp")) {
        const std::string text = ProjectFileText(state, sizing);
        CircuitState again;
        InitCircuitState(again);
        ProjectSizing againSizing;
        if (!ReadProjectText(again, againSizing, text, "fuzz.vlzp") ||
            ProjectFileText(again, againSizing) != text) {
            std::abort();
        }
    }
    return 0;
}
