// Saving and loading against the file system as it really is: links,
// permissions, a full disk, read-only files and folders, pipes, long lines,
// and two files that must change together.

#include <fcntl.h>
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
#include "documents/Project.h"
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
        for (const auto& e : fs::recursive_directory_iterator(dir))
            names.insert(e.path().lexically_relative(dir).string());
        return names;
    }
};

TEST_F(FileSystemTest, SavingFollowsALinkKeepsPermissionsAndReplacesOnlyFiles) {
    const auto mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    WriteAll(Path("real.vlz"), "old");
    fs::permissions(Path("real.vlz"), mode);
    fs::create_symlink("real.vlz", Path("link.vlz"));
    EXPECT_EQ(Failure(WriteFileAtomically(Path("link.vlz"), "new")), std::nullopt);
    EXPECT_TRUE(fs::is_symlink(Path("link.vlz")));
    EXPECT_EQ(ReadAll(Path("real.vlz")), "new");
    EXPECT_EQ(fs::status(Path("real.vlz")).permissions(), mode);

    fs::create_directory(Path("sub"));
    fs::create_symlink("loop.vlz", Path("loop.vlz"));
    EXPECT_EQ(Failure(WriteFileAtomically(Path("sub"), "x")),
              "Impossibile salvare il file " + Path("sub") + ": esiste già e non è un file.");
    EXPECT_EQ(Failure(WriteFileAtomically(Path("loop.vlz"), "x")),
              ItalianText(SaveFailedMessage(Path("loop.vlz"))));

    EXPECT_EQ(Listing(), (std::set<std::string>{"real.vlz", "link.vlz", "sub", "loop.vlz"}));

    // A chain of as many links as the system follows (40) is followed; a longer one is not.
    for (int i = 1; i <= 41; ++i)
        fs::create_symlink("l" + std::to_string(i - 1), Path("sub/l" + std::to_string(i)));
    EXPECT_EQ(Failure(WriteFileAtomically(Path("sub/l40"), "x")), std::nullopt);
    EXPECT_EQ(ReadAll(Path("sub/l0")), "x");
    EXPECT_EQ(Failure(WriteFileAtomically(Path("sub/l41"), "x")),
              ItalianText(SaveFailedMessage(Path("sub/l41"))));

    // The same file through links, or through a link to a file not made yet;
    // a path whose links loop names none.
    fs::create_symlink("new.vlz", Path("to-new.vlz"));
    EXPECT_TRUE(SameFile(Path("link.vlz"), Path("real.vlz")));
    EXPECT_TRUE(SameFile(Path("to-new.vlz"), Path("new.vlz")));
    EXPECT_FALSE(SameFile(Path("real.vlz"), Path("loop.vlz")));
    EXPECT_FALSE(SameFile(Path("loop.vlz"), Path("real.vlz")));
}

TEST_F(FileSystemTest, ASaveThatRunsOutOfSpaceKeepsTheOldFile) {
    // A file-size limit makes the disk full for the writer; the message says so.
    WriteAll(Path("kept.vlz"), "old");
    const std::string kept = Path("kept.vlz");
    EXPECT_TRUE(InChild([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{100, 100};
        return ::setrlimit(RLIMIT_FSIZE, &limit) == 0 &&
               Failure(WriteFileAtomically(kept, std::string(1000, 'x'))) ==
                   "Impossibile salvare il file " + kept +
                       ": il file supera la dimensione che il sistema consente; il file di "
                       "prima, se c'era, è rimasto com'era.";
    }));
    EXPECT_EQ(ReadAll(kept), "old");
    EXPECT_EQ(Listing(), std::set<std::string>{"kept.vlz"});
}

// A read-only file is refused as a plain write would refuse it; a file the
// user may write in a folder that takes no new file cannot be replaced
// atomically, and the message says the folder is why.
TEST_F(FileSystemTest, AReadOnlyFileOrFolderIsRefusedAndNamed) {
    const std::string locked = Path("locked.vlz"), inside = Path("ro/w.vlz");
    WriteAll(locked, "old");
    fs::permissions(locked, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::create_directory(Path("ro"));
    WriteAll(inside, "old");
    fs::permissions(inside, fs::perms::all);
    fs::permissions(Path("ro"), fs::perms::owner_read | fs::perms::owner_exec |
                                    fs::perms::others_read | fs::perms::others_exec);
    const std::string inReadOnlyFolder = "Impossibile salvare il file " + inside +
                                         ": la cartella " + Path("ro") + " è di sola lettura.";
    EXPECT_TRUE(AsOrdinaryUser([&] {
        return Failure(WriteFileAtomically(locked, "new")) ==
                   "Impossibile salvare il file " + locked + ": il file è di sola lettura." &&
               Failure(WriteFileAtomically(inside, "new")) == inReadOnlyFolder &&
               Failure(WriteFileAtomically(Path("fresh.vlz"), "new")) == std::nullopt;
    }));
    fs::permissions(Path("ro"), fs::perms::all);
    EXPECT_EQ(ReadAll(locked) + ReadAll(inside), "oldold");
    // A missing folder is named as missing; one that exists but takes no new
    // file (ENOENT as well) is not said to be missing.
    const std::string nowhere = Path("none/w.vlz");
    EXPECT_EQ(Failure(WriteFileAtomically(nowhere, "new")), "Impossibile salvare il file " +
                                                                nowhere + ": la cartella " +
                                                                Path("none") + " non esiste.");
    if (fs::is_directory("/proc/self")) {
        EXPECT_EQ(Failure(WriteFileAtomically("/proc/w.vlz", "new")),
                  "Impossibile salvare il file /proc/w.vlz.");
    }
    EXPECT_EQ(Listing(), (std::set<std::string>{"locked.vlz", "fresh.vlz", "ro", "ro/w.vlz"}));
}

TEST_F(FileSystemTest, TwoFilesChangeTogetherOrNotAtAll) {
    static std::string a, b;  // for the replacement's hook too
    a = Path("a.vlz"), b = Path("b.txt");
    WriteAll(a, "old a");
    const std::string blocked = Path("missing/b.txt");
    EXPECT_EQ(Failure(WriteFilesAtomically({{a, "new a"}, {blocked, "new b"}})),
              "Impossibile salvare il file " + blocked + ": la cartella " + Path("missing") +
                  " non esiste.");
    EXPECT_EQ(ReadAll(a), "old a");
    EXPECT_EQ(Listing(), std::set<std::string>{"a.vlz"});
    EXPECT_EQ(Failure(WriteFilesAtomically({{b, "b"}, {a, "a"}})), std::nullopt);
    EXPECT_EQ(Failure(WriteFilesAtomically({{a, "new a"}, {b, "new b"}})), std::nullopt);
    EXPECT_EQ(ReadAll(a) + ReadAll(b), "new anew b");
    // The second refused once the first is replaced: the first comes back.
    gBetweenReplacements = [] { fs::remove(b), fs::create_directory(b); };
    EXPECT_EQ(Failure(WriteFilesAtomically({{a, "newer a"}, {b, "newer b"}})),
              "Impossibile salvare il file " + b + ".");
    gBetweenReplacements = nullptr;
    EXPECT_EQ(ReadAll(a), "new a");
    EXPECT_EQ(Listing(), (std::set<std::string>{"a.vlz", "b.txt"}));
}

// A save killed between its two replacements leaves the first target new,
// the second old, and the hidden copies it was working with; the next save
// beside them removes those once they are old enough not to belong to a save
// still running.
TEST_F(FileSystemTest, ASaveKilledHalfWayIsTidiedByTheNextSave) {
    const std::string a = Path("a.vlz"), b = Path("b.txt");
    WriteAll(a, "old a");
    WriteAll(b, "old b");
    // Killed, the child does not get to return.
    ASSERT_FALSE(InChild([&] {
        gBetweenReplacements = [] { std::raise(SIGKILL); };
        Failure(WriteFilesAtomically({{a, "new a"}, {b, "new b"}}));
        return true;
    }));
    EXPECT_EQ(ReadAll(a) + ReadAll(b), "new aold b");
    std::set<std::string> left;
    for (const std::string& name : Listing())
        if (name != "a.vlz" && name != "b.txt") left.insert(name.substr(name.size() - 4));
    EXPECT_EQ(left, (std::set<std::string>{".bak", ".tmp"}));

    // Young leftovers and names that are not ours stay.
    WriteAll(Path(".vlz-1.bak"), "ours");
    WriteAll(Path(".vlz-12.tmp"), "young");
    for (const char* name : {".vlz-x1.tmp", ".vlz-1x.tmp", ".vlz-.bak", "x.vlz-1.tmp"})
        WriteAll(Path(name), "not ours");
    fs::create_directory(Path(".vlz-7.tmp"));  // ours by name, but no file
    fs::create_symlink("b.txt", Path(".vlz-8.bak"));
    const auto old = fs::file_time_type::clock::now() - std::chrono::seconds(90);
    for (const std::string& name : Listing())
        if (name != ".vlz-12.tmp") fs::last_write_time(dir / name, old);
    EXPECT_EQ(Failure(WriteFileAtomically(a, "newer a")), std::nullopt);
    EXPECT_EQ(Listing(),
              (std::set<std::string>{"a.vlz", "b.txt", ".vlz-12.tmp", ".vlz-x1.tmp", ".vlz-1x.tmp",
                                     ".vlz-.bak", "x.vlz-1.tmp", ".vlz-7.tmp", ".vlz-8.bak"}));
}

TEST_F(FileSystemTest, LoaderOpensOnlyRegularFilesAndBoundsItsLines) {
    CircuitState state;
    ProjectSizing sizing;
    ASSERT_EQ(::mkfifo(Path("pipe.vlz").c_str(), 0600), 0);
    EXPECT_EQ(Failure(LoadSimulationFile(state, Path("pipe.vlz"))),
              ItalianText(NotAFileMessage(Path("pipe.vlz"))));
    EXPECT_EQ(Failure(LoadProjectFile(state, sizing, Path("none.vlzp"))),
              ItalianText(OpenFailedMessage(Path("none.vlzp"))));
    // A regular file whose reading fails (its first bytes are no memory):
    // refused as unreadable, not taken for an empty file.
    if (fs::exists("/proc/self/mem")) {
        EXPECT_EQ(Failure(LoadSimulationFile(state, "/proc/self/mem")),
                  ItalianText(OpenFailedMessage("/proc/self/mem")));
    }
    WriteAll(Path("five.vlzp"), "12345");
    const Message tooLarge(MessageId::FileTooLarge, {MsgInteger(0)});
    EXPECT_EQ(Failure(ReadRegularFile(Path("five.vlzp"), 4, tooLarge)), ItalianText(tooLarge));
    EXPECT_EQ(*ReadRegularFile(Path("five.vlzp"), 5, tooLarge), "12345");

    // Longest header line accepted, with its CR LF; one byte more is refused.
    const std::string header = "0,1,2,3,4,5,6,1,0";
    WriteAll(Path("wide.vlz"), header + std::string(4096 - header.size(), ' ') + "\r\n0,0,0,0,0,0");
    EXPECT_EQ(Failure(LoadSimulationFile(state, Path("wide.vlz"))), std::nullopt);
    WriteAll(Path("wide.vlz"), header + std::string(4097 - header.size(), ' ') + "\r\n");
    EXPECT_EQ(Failure(LoadSimulationFile(state, Path("wide.vlz"))),
              "Il file " + Path("wide.vlz") + " non è un file di simulazione valido (riga 1).");
}

// Started with its standard input closed (from a launcher, as a service), the
// program gets descriptor 0 from its first open(): saving, loading and the
// recovery store's lock take it as any other, and give it back.
TEST_F(FileSystemTest, DescriptorZeroServesAsAnyOther) {
    struct StandardInputClosed {
        const int saved = ::fcntl(0, F_DUPFD_CLOEXEC, 3);
        StandardInputClosed() { ::close(0); }
        ~StandardInputClosed() { saved >= 0 ? (::dup2(saved, 0), ::close(saved)) : ::close(0); }
    } closed;
    const auto zeroFree = [] { return ::fcntl(0, F_GETFD) == -1; };
    const std::string text = "0,1,2,3,4,5,6,1,0\r\n0,0,0,0,0,0";
    EXPECT_EQ(Failure(WriteFileAtomically(Path("a.vlz"), text)), std::nullopt);
    EXPECT_TRUE(zeroFree());
    EXPECT_EQ(*ReadRegularFile(Path("a.vlz"), 100, Message(MessageId::FileTooLarge, {})), text);
    CircuitState state;
    EXPECT_EQ(Failure(LoadSimulationFile(state, Path("a.vlz"))), std::nullopt);
    {
        RecoveryStore crashed(Path("recovery"));
        crashed.Begin();
        crashed.Begin();  // still the one lock
        EXPECT_FALSE(zeroFree());
    }
    EXPECT_TRUE(zeroFree());
    RecoveryStore store(Path("recovery"));
    store.Begin();
    EXPECT_FALSE(zeroFree());
    store.End();
    EXPECT_TRUE(zeroFree());
}

}  // namespace
}  // namespace volvenza
