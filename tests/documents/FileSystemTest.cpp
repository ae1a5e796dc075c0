// Saving and loading against the file system as it really is: links,
// permissions, long names, pipes and devices, enormous lines, and two files
// that must change together.

#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>

#include "documents/AtomicFile.h"
#include "documents/SimulationFile.h"

namespace volvenza {
namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteAll(const fs::path& p, const std::string& text) {
    std::ofstream(p, std::ios::binary) << text;
}

// Runs `action` as a user who owns none of the test's files and has no
// privileges: in a child process as "nobody" when the tests run as root,
// otherwise right here.
bool AsOrdinaryUser(const std::function<bool()>& action) {
    if (::geteuid() != 0) return action();
    const pid_t pid = ::fork();
    if (pid == 0) {
        const bool ok = ::setgroups(0, nullptr) == 0 && ::setgid(65534) == 0 &&
                        ::setuid(65534) == 0 && action();
        ::_exit(ok ? 0 : 1);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

class FileSystemTest : public ::testing::Test {
  protected:
    FileSystemTest() {
        dir = fs::temp_directory_path() /
              ("volvenza-fs-" + std::to_string(::getpid()) +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir);
        fs::permissions(dir, fs::perms::all);  // open to the ordinary user too
    }
    ~FileSystemTest() override { fs::remove_all(dir); }
    std::string Path(const std::string& name) const { return (dir / name).string(); }
    std::set<std::string> Listing() const {
        std::set<std::string> names;
        for (const auto& e : fs::recursive_directory_iterator(dir)) {
            names.insert(e.path().lexically_relative(dir).string());
        }
        return names;
    }

    fs::path dir;
};

TEST_F(FileSystemTest, SavingFollowsLinksKeepsPermissionsAndFitsAnyName) {
    WriteAll(Path("real.vlz"), "old");
    fs::permissions(Path("real.vlz"),
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink("real.vlz", Path("link.vlz"));
    fs::create_directory(Path("sub"));
    fs::create_symlink("sub/made.vlz", Path("dangling.vlz"));
    const std::string longName(250, 'n');

    for (const std::string& name :
         {std::string("link.vlz"), std::string("dangling.vlz"), longName}) {
        EXPECT_EQ(WriteFileAtomically(Path(name), "new"), std::nullopt) << name;
    }
    EXPECT_TRUE(fs::is_symlink(Path("link.vlz")));
    EXPECT_TRUE(fs::is_symlink(Path("dangling.vlz")));
    EXPECT_EQ(ReadAll(Path("real.vlz")), "new");
    EXPECT_EQ(ReadAll(Path("sub/made.vlz")), "new");
    EXPECT_EQ(ReadAll(Path(longName)), "new");
    EXPECT_EQ(fs::status(Path("real.vlz")).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    // Only regular files are replaced.
    ASSERT_EQ(::mkfifo(Path("pipe").c_str(), 0600), 0);
    fs::create_symlink("loop.vlz", Path("loop.vlz"));
    for (const char* name : {"sub", "pipe", "loop.vlz"}) {
        EXPECT_EQ(WriteFileAtomically(Path(name), "x"), SaveFailedMessage(Path(name)));
    }
    EXPECT_TRUE(fs::is_fifo(Path("pipe")));
    EXPECT_EQ(Listing(), (std::set<std::string>{"real.vlz", "link.vlz", "dangling.vlz", "sub",
                                                "sub/made.vlz", longName, "pipe", "loop.vlz"}));
}

TEST_F(FileSystemTest, AReadOnlyFileIsRefusedAsAPlainWriteWouldBe) {
    WriteAll(Path("locked.vlz"), "old");
    fs::permissions(Path("locked.vlz"),
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const std::string locked = Path("locked.vlz");
    const std::string fresh = Path("fresh.vlz");
    EXPECT_TRUE(AsOrdinaryUser([&] {
        return WriteFileAtomically(locked, "new") == SaveFailedMessage(locked) &&
               WriteFileAtomically(fresh, "new") == std::nullopt;
    }));
    EXPECT_EQ(ReadAll(locked), "old");
    EXPECT_EQ(Listing(), (std::set<std::string>{"locked.vlz", "fresh.vlz"}));
}

TEST_F(FileSystemTest, TwoFilesChangeTogetherOrNotAtAll) {
    WriteAll(Path("a.vlz"), "old a");
    const std::string blocked = Path("missing/b.txt");
    EXPECT_EQ(WriteFilesAtomically({{Path("a.vlz"), "new a"}, {blocked, "new b"}}),
              SaveFailedMessage(blocked));
    EXPECT_EQ(ReadAll(Path("a.vlz")), "old a");
    EXPECT_EQ(Listing(), std::set<std::string>{"a.vlz"});
    EXPECT_EQ(WriteFilesAtomically({{Path("a.vlz"), "new a"}, {Path("b.txt"), "new b"}}),
              std::nullopt);
    EXPECT_EQ(ReadAll(Path("a.vlz")) + ReadAll(Path("b.txt")), "new anew b");
    EXPECT_TRUE(SameFile(Path("a.vlz"), (dir / "." / "a.vlz").string()));
    fs::create_symlink("x/../b.txt", Path("c.txt"));
    fs::create_directory(Path("x"));
    EXPECT_TRUE(SameFile(Path("c.txt"), Path("b.txt")));
    EXPECT_FALSE(SameFile(Path("a.vlz"), Path("b.txt")));
    EXPECT_FALSE(SameFile(Path("a.vlz"), Path("nothing.txt")));

    // The second file can be written but not replaced: in a directory with
    // the sticky bit, another user's file cannot be renamed over. The first,
    // already replaced, must come back.
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to set up another user's file";
    fs::permissions(dir, fs::perms::all | fs::perms::sticky_bit);
    ASSERT_EQ(::chown(Path("a.vlz").c_str(), 65534, 65534), 0);
    fs::permissions(Path("b.txt"), fs::perms::all);
    const std::string a = Path("a.vlz");
    const std::string b = Path("b.txt");
    EXPECT_TRUE(AsOrdinaryUser([&] {
        return WriteFilesAtomically({{a, "newer a"}, {b, "newer b"}}) == SaveFailedMessage(b);
    }));
    EXPECT_EQ(ReadAll(a) + ReadAll(b), "new anew b");
    EXPECT_EQ(Listing(), (std::set<std::string>{"a.vlz", "b.txt", "c.txt", "x"}));
}

TEST_F(FileSystemTest, LoaderOpensOnlyRegularFilesAndBoundsItsLines) {
    CircuitState state;
    InitCircuitState(state);
    ASSERT_EQ(::mkfifo(Path("pipe.vlz").c_str(), 0600), 0);
    for (const std::string& path : {Path("pipe.vlz"), dir.string(), std::string("/dev/null")}) {
        EXPECT_EQ(LoadSimulationFile(state, path), OpenFailedMessage(path));
    }

    // Longest header line accepted, with its CR LF; one byte more is refused.
    const std::string header = "0,1,2,3,4,5,6,1,0";
    WriteAll(Path("wide.vlz"), header + std::string(4096 - header.size(), ' ') + "\r\n0,0,0,0,0,0");
    EXPECT_EQ(LoadSimulationFile(state, Path("wide.vlz")), std::nullopt);
    WriteAll(Path("wide.vlz"), header + std::string(4097 - header.size(), ' ') + "\r\n");
    const std::string refusedAt1 =
        "Il file " + Path("wide.vlz") + " non è un file di simulazione valido (riga 1).";
    EXPECT_EQ(LoadSimulationFile(state, Path("wide.vlz")), refusedAt1);

    // A line of 64 GiB (a sparse file: no disk is used) is refused without
    // being read into memory.
    WriteAll(Path("huge.vlz"), header + "\r\n0,0,0,0,0,0\r\n");
    fs::resize_file(Path("huge.vlz"), std::uintmax_t{1} << 36);
    EXPECT_EQ(LoadSimulationFile(state, Path("huge.vlz")),
              "Il file " + Path("huge.vlz") + " non è un file di simulazione valido (riga 3).");
}

}  // namespace
}  // namespace volvenza
