// Saving and loading against the file system as it really is: links,
// permissions, long names, pipes and devices, enormous lines, and two files
// that must change together.

#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <functional>
#include <set>

#include "documents/AtomicFile.h"
#include "documents/ProjectFile.h"
#include "documents/SimulationFile.h"
#include "tests/support/Failure.h"
#include "tests/support/Files.h"

namespace volvenza {

using test::Failure;
namespace {

namespace fs = std::filesystem;

using test::ReadAll;
using test::WriteAll;

// Runs `action` in a child process, so that limits set there stay there.
bool InChild(const std::function<bool()>& action) {
    const pid_t pid = ::fork();
    if (pid == 0) ::_exit(action() ? 0 : 1);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Runs `action` as a user who owns none of the test's files and has no
// privileges: as "nobody" when the tests run as root.
bool AsOrdinaryUser(const std::function<bool()>& action) {
    if (::geteuid() != 0) return action();
    return InChild([&] {
        return ::setgroups(0, nullptr) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0 &&
               action();
    });
}

class FileSystemTest : public ::testing::Test, protected test::ScratchDir {
  protected:
    FileSystemTest() { fs::permissions(dir, fs::perms::all); }  // open to the ordinary user too
    std::set<std::string> Listing() const {
        std::set<std::string> names;
        for (const auto& e : fs::recursive_directory_iterator(dir)) {
            names.insert(e.path().lexically_relative(dir).string());
        }
        return names;
    }
};

TEST_F(FileSystemTest, SavingFollowsLinksKeepsPermissionsAndFitsAnyName) {
    WriteAll(Path("real.vlz"), "old");
    fs::permissions(Path("real.vlz"),
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink("real.vlz", Path("link.vlz"));
    fs::create_directory(Path("sub"));
    fs::create_symlink("sub/made.vlz", Path("dangling.vlz"));
    const std::string longName(250, 'n');

    // A chain of as many links as the system follows is still a path.
    for (int k = 1; k <= 40; ++k) {
        fs::create_symlink(k == 1 ? Path("real.vlz") : "chain" + std::to_string(k - 1),
                           Path("chain" + std::to_string(k)));
    }
    for (const std::string& name :
         {std::string("link.vlz"), std::string("dangling.vlz"), longName, std::string("chain40")}) {
        EXPECT_EQ(Failure(WriteFileAtomically(Path(name), "new")), std::nullopt) << name;
    }
    EXPECT_TRUE(fs::is_symlink(Path("link.vlz")));
    EXPECT_TRUE(fs::is_symlink(Path("dangling.vlz")));
    EXPECT_EQ(ReadAll(Path("real.vlz")), "new");
    EXPECT_EQ(ReadAll(Path("sub/made.vlz")), "new");
    EXPECT_EQ(ReadAll(Path(longName)), "new");
    EXPECT_EQ(fs::status(Path("real.vlz")).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    // A new file gets what a plain write would give it.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(static_cast<mode_t>(fs::status(Path(longName)).permissions()), 0666 & ~mask);

    // Only regular files are replaced.
    ASSERT_EQ(::mkfifo(Path("pipe").c_str(), 0600), 0);
    fs::create_symlink("loop.vlz", Path("loop.vlz"));
    fs::create_symlink("chain40", Path("chain41"));
    for (const char* name : {"sub", "pipe", "loop.vlz", "chain41"}) {
        EXPECT_EQ(Failure(WriteFileAtomically(Path(name), "x")),
                  ItalianText(SaveFailedMessage(Path(name))));
    }
    EXPECT_TRUE(fs::is_fifo(Path("pipe")));
    std::set<std::string> expected{"real.vlz",     "link.vlz", "dangling.vlz", "sub",
                                   "sub/made.vlz", longName,   "pipe",         "loop.vlz"};
    for (int k = 1; k <= 41; ++k) expected.insert("chain" + std::to_string(k));
    EXPECT_EQ(Listing(), expected);
}

TEST_F(FileSystemTest, ASaveThatRunsOutOfSpaceKeepsTheOldFile) {
    // A file-size limit makes the disk full for the writer.
    WriteAll(Path("kept.vlz"), "old");
    const std::string kept = Path("kept.vlz");
    EXPECT_TRUE(InChild([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{100, 100};
        return ::setrlimit(RLIMIT_FSIZE, &limit) == 0 &&
               Failure(WriteFileAtomically(kept, std::string(1000, 'x'))) ==
                   ItalianText(SaveFailedMessage(kept));
    }));
    EXPECT_EQ(ReadAll(kept), "old");
    EXPECT_EQ(Listing(), std::set<std::string>{"kept.vlz"});
}

TEST_F(FileSystemTest, AReadOnlyFileIsRefusedAsAPlainWriteWouldBe) {
    WriteAll(Path("locked.vlz"), "old");
    fs::permissions(Path("locked.vlz"),
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const std::string locked = Path("locked.vlz");
    const std::string fresh = Path("fresh.vlz");
    EXPECT_TRUE(AsOrdinaryUser([&] {
        return Failure(WriteFileAtomically(locked, "new")) ==
                   ItalianText(SaveFailedMessage(locked)) &&
               Failure(WriteFileAtomically(fresh, "new")) == std::nullopt;
    }));
    EXPECT_EQ(ReadAll(locked), "old");
    EXPECT_EQ(Listing(), (std::set<std::string>{"locked.vlz", "fresh.vlz"}));
}

TEST_F(FileSystemTest, TwoFilesChangeTogetherOrNotAtAll) {
    WriteAll(Path("a.vlz"), "old a");
    const std::string blocked = Path("missing/b.txt");
    EXPECT_EQ(Failure(WriteFilesAtomically({{Path("a.vlz"), "new a"}, {blocked, "new b"}})),
              ItalianText(SaveFailedMessage(blocked)));
    EXPECT_EQ(ReadAll(Path("a.vlz")), "old a");
    EXPECT_EQ(Listing(), std::set<std::string>{"a.vlz"});
    EXPECT_EQ(Failure(WriteFilesAtomically({{Path("b.txt"), "b"}, {Path("a.vlz"), "a"}})),
              std::nullopt);
    EXPECT_EQ(Failure(WriteFilesAtomically({{Path("a.vlz"), "new a"}, {Path("b.txt"), "new b"}})),
              std::nullopt);
    EXPECT_EQ(ReadAll(Path("a.vlz")) + ReadAll(Path("b.txt")), "new anew b");
    EXPECT_EQ(Listing(), (std::set<std::string>{"a.vlz", "b.txt"}));
    EXPECT_TRUE(SameFile(Path("a.vlz"), (dir / "." / "a.vlz").string()));
    fs::create_symlink("x/../b.txt", Path("c.txt"));
    fs::create_directory(Path("x"));
    EXPECT_TRUE(SameFile(Path("c.txt"), Path("b.txt")));
    EXPECT_FALSE(SameFile(Path("a.vlz"), Path("b.txt")));
    EXPECT_FALSE(SameFile(Path("a.vlz"), Path("nothing.txt")));
    fs::create_symlink("loop", Path("loop"));
    EXPECT_FALSE(SameFile(Path("loop"), Path("a.vlz")));
    EXPECT_FALSE(SameFile(Path("a.vlz"), Path("loop")));

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
        return Failure(WriteFilesAtomically({{a, "newer a"}, {b, "newer b"}})) ==
               ItalianText(SaveFailedMessage(b));
    }));
    EXPECT_EQ(ReadAll(a) + ReadAll(b), "new anew b");
    EXPECT_EQ(Listing(), (std::set<std::string>{"a.vlz", "b.txt", "c.txt", "x", "loop"}));
}

// A save killed between its two replacements leaves the first target new,
// the second old, and the hidden copies it was working with; the next save
// beside them removes those once they are old enough not to belong to a save
// still running.
TEST_F(FileSystemTest, ASaveKilledHalfWayIsTidiedByTheNextSave) {
    WriteAll(Path("a.vlz"), "old a");
    WriteAll(Path("b.txt"), "old b");
    const std::string a = Path("a.vlz");
    const std::string b = Path("b.txt");
    const pid_t pid = ::fork();
    if (pid == 0) {
        gBetweenReplacements = [] { std::raise(SIGKILL); };
        Failure(WriteFilesAtomically({{a, "new a"}, {b, "new b"}}));
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(ReadAll(a) + ReadAll(b), "new aold b");
    std::set<std::string> left;
    for (const std::string& name : Listing()) {
        if (name != "a.vlz" && name != "b.txt") left.insert(name.substr(name.size() - 4));
    }
    EXPECT_EQ(left, (std::set<std::string>{".bak", ".tmp"}));

    // Young leftovers and names that are not ours stay.
    WriteAll(Path(".vlz-1.bak"), "ours");
    WriteAll(Path(".vlz-12.tmp"), "young");
    WriteAll(Path(".vlz-x1.tmp"), "not ours");
    WriteAll(Path(".vlz-1x.tmp"), "not ours");
    WriteAll(Path(".vlz-.bak"), "not ours");
    WriteAll(Path("x.vlz-1.tmp"), "not ours");
    fs::create_directory(Path(".vlz-7.tmp"));  // ours by name, but no file
    fs::create_symlink("b.txt", Path(".vlz-8.bak"));
    const auto old = fs::file_time_type::clock::now() - std::chrono::seconds(90);
    for (const std::string& name : Listing()) {
        if (name != ".vlz-12.tmp") fs::last_write_time(dir / name, old);
    }
    EXPECT_EQ(Failure(WriteFileAtomically(a, "newer a")), std::nullopt);
    EXPECT_EQ(Listing(),
              (std::set<std::string>{"a.vlz", "b.txt", ".vlz-12.tmp", ".vlz-x1.tmp", ".vlz-1x.tmp",
                                     ".vlz-.bak", "x.vlz-1.tmp", ".vlz-7.tmp", ".vlz-8.bak"}));
}

// A file the user may write in a folder that takes no new file cannot be
// replaced atomically; the message says the folder is why.
TEST_F(FileSystemTest, AReadOnlyFolderIsNamedAsTheReason) {
    fs::create_directory(Path("ro"));
    const std::string inside = Path("ro/w.vlz");
    WriteAll(inside, "old");
    fs::permissions(inside, fs::perms::all);
    fs::permissions(Path("ro"), fs::perms::owner_read | fs::perms::owner_exec |
                                    fs::perms::others_read | fs::perms::others_exec);
    const std::string expected = "Impossibile salvare il file " + inside + ": la cartella " +
                                 Path("ro") + " è di sola lettura.";
    EXPECT_TRUE(
        AsOrdinaryUser([&] { return Failure(WriteFileAtomically(inside, "new")) == expected; }));
    fs::permissions(Path("ro"), fs::perms::all);
    EXPECT_EQ(ReadAll(inside), "old");
}

TEST_F(FileSystemTest, LoaderOpensOnlyRegularFilesAndBoundsItsLines) {
    CircuitState state;
    InitCircuitState(state);
    ProjectSizing sizing;
    ASSERT_EQ(::mkfifo(Path("pipe.vlz").c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo(Path("pipe.vlzp").c_str(), 0600), 0);
    fs::create_directory(Path("folder.vlzp"));
    for (const std::string& path : {Path("pipe.vlz"), dir.string(), std::string("/dev/null")}) {
        EXPECT_EQ(Failure(LoadSimulationFile(state, path)), ItalianText(NotAFileMessage(path)));
    }
    for (const std::string& path : {Path("pipe.vlzp"), Path("folder.vlzp")}) {
        EXPECT_EQ(Failure(LoadProjectFile(state, sizing, path)),
                  ItalianText(NotAFileMessage(path)));
    }
    // The process's own memory is a regular file whose first page cannot be
    // read: a read error, not a malformed file.
    EXPECT_EQ(Failure(LoadSimulationFile(state, "/proc/self/mem")),
              ItalianText(OpenFailedMessage("/proc/self/mem")));
    EXPECT_EQ(Failure(LoadProjectFile(state, sizing, Path("none.vlzp"))),
              ItalianText(OpenFailedMessage(Path("none.vlzp"))));
    WriteAll(Path("big.vlzp"), "{}");
    fs::resize_file(Path("big.vlzp"), 65 << 20);  // sparse: no disk is used
    EXPECT_NE(Failure(LoadProjectFile(state, sizing, Path("big.vlzp")))->find(": è troppo grande."),
              std::string::npos);

    // A file of one byte is read like any other.
    WriteAll(Path("tiny.vlz"), "0");
    EXPECT_EQ(Failure(LoadSimulationFile(state, Path("tiny.vlz"))),
              "Il file " + Path("tiny.vlz") + " non è un file di simulazione valido (riga 1).");

    // Longest header line accepted, with its CR LF; one byte more is refused.
    const std::string header = "0,1,2,3,4,5,6,1,0";
    WriteAll(Path("wide.vlz"), header + std::string(4096 - header.size(), ' ') + "\r\n0,0,0,0,0,0");
    EXPECT_EQ(Failure(LoadSimulationFile(state, Path("wide.vlz"))), std::nullopt);
    WriteAll(Path("wide.vlz"), header + std::string(4097 - header.size(), ' ') + "\r\n");
    const std::string refusedAt1 =
        "Il file " + Path("wide.vlz") + " non è un file di simulazione valido (riga 1).";
    EXPECT_EQ(Failure(LoadSimulationFile(state, Path("wide.vlz"))), refusedAt1);

    // A line of 64 GiB (a sparse file: no disk is used) is refused without
    // being read into memory.
    WriteAll(Path("huge.vlz"), header + "\r\n0,0,0,0,0,0\r\n");
    fs::resize_file(Path("huge.vlz"), std::uintmax_t{1} << 36);
    EXPECT_EQ(Failure(LoadSimulationFile(state, Path("huge.vlz"))),
              "Il file " + Path("huge.vlz") + " non è un file di simulazione valido (riga 3).");
}

}  // namespace
}  // namespace volvenza
