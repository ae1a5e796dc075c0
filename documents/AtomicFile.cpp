#include "documents/AtomicFile.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

namespace volvenza {
namespace {

std::filesystem::path TemporaryBeside(const std::filesystem::path& target) {
    std::random_device random;
    std::filesystem::path tmp = target;
    tmp += ".tmp" + std::to_string(random()) + std::to_string(random());
    return tmp;
}

}  // namespace

std::string SaveFailedMessage(const std::string& path) {
    return "Impossibile salvare il file " + path + ".";
}

std::string OpenFailedMessage(const std::string& path) {
    return "Impossibile aprire il file " + path + ".";
}

std::optional<std::string> WriteFileAtomically(const std::string& path, std::string_view contents) {
    const std::filesystem::path target(path);
    std::error_code ec;
    if (path.empty() || std::filesystem::is_directory(target, ec)) return SaveFailedMessage(path);
    const std::filesystem::path tmp = TemporaryBeside(target);
    {
        std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
        if (!out) return SaveFailedMessage(path);
        out.write(contents.data(), static_cast<std::streamsize>(contents.size()));
        out.flush();
        if (!out) {
            out.close();
            std::filesystem::remove(tmp, ec);
            return SaveFailedMessage(path);
        }
        out.close();
        if (!out) {
            std::filesystem::remove(tmp, ec);
            return SaveFailedMessage(path);
        }
    }
    std::filesystem::rename(tmp, target, ec);
    if (ec) {
        std::filesystem::remove(tmp, ec);
        return SaveFailedMessage(path);
    }
    return std::nullopt;
}

}  // namespace volvenza
