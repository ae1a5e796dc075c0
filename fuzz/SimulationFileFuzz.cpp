// Feeds arbitrary bytes to the simulation-file loader: it must refuse or
// accept without crashing, and an accepted file must save back and load again
// to the same text.

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "documents/SimulationFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace volvenza;
    const auto dir = std::filesystem::temp_directory_path();
    const std::string path =
        (dir / ("volvenza-fuzz-" + std::to_string(::getpid()) + ".vlz")).string();
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    CircuitState state;
    InitCircuitState(state);
    if (LoadSimulationFile(state, path)) {
        const std::string text = SimulationFileText(state);
        std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
        CircuitState again;
        InitCircuitState(again);
        if (!LoadSimulationFile(again, path) || SimulationFileText(again) != text) std::abort();
    }
    std::filesystem::remove(path);
    return 0;
}
