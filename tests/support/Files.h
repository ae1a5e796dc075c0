#pragma once
// Whole files in and out, and a scratch folder per test removed at its end.

#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace volvenza::test {

inline std::string ReadAll(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

inline void WriteAll(const std::filesystem::path& p, const std::string& text) {
    std::ofstream(p, std::ios::binary) << text;
}

inline std::string TestData(const std::string& name) {
    return std::string(VOLVENZA_TEST_DATA) + "/" + name;
}

// Named after the process and the running test, so parallel runs never share one.
class ScratchDir {
  public:
    ScratchDir()
        : dir(std::filesystem::temp_directory_path() /
              ("volvenza-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name())) {
        std::filesystem::create_directories(dir);
    }
    ~ScratchDir() { std::filesystem::remove_all(dir); }
    std::string Path(const std::string& name) const { return (dir / name).string(); }

    const std::filesystem::path dir;
};

}  // namespace volvenza::test
