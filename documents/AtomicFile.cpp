#include "documents/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>

namespace volvenza {
namespace {

namespace fs = std::filesystem;

// Follows a chain of symbolic links to the path a plain write would reach,
// which need not exist yet. Nothing for a loop of links.
std::optional<fs::path> FinalTarget(const fs::path& path) {
    fs::path p = path;
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(p, ec))) return p;
        const fs::path link = fs::read_symlink(p, ec);
        if (ec) return std::nullopt;
        p = link.is_absolute() ? link : p.parent_path() / link;
    }
    return std::nullopt;
}

// A short name of our own beside the target, so it fits the file system's
// name limit however long the target's name is.
fs::path NameBeside(const fs::path& target, const char* suffix) {
    std::random_device random;
    char name[40];
    std::snprintf(name, sizeof name, ".vlz-%08x%08x%s", static_cast<unsigned>(random()),
                  static_cast<unsigned>(random()), suffix);
    return target.parent_path() / name;
}

bool WriteAll(int fd, std::string_view contents) {
    while (!contents.empty()) {
        const ssize_t n = ::write(fd, contents.data(), contents.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        contents.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

void SyncDirectoryOf(const fs::path& target) {
    const fs::path dir = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    // Best effort: the data themselves were flushed before the rename.
    (void)::fsync(fd);
    ::close(fd);
}

// One file on its way: the complete temporary copy waiting to replace the
// target, and the old target kept aside until every file is replaced.
struct Staged {
    std::string path;  // as given, for the message
    fs::path target;
    fs::path temporary;
    bool existed = false;
    fs::path backup;
};

// Writes the temporary copy, flushed to disk, with the target's permission
// bits. False, leaving nothing behind, when the target cannot be written.
bool Stage(Staged& s, std::string_view contents) {
    std::optional<fs::path> target = FinalTarget(s.path);
    if (s.path.empty() || !target) return false;
    s.target = *target;
    struct stat old {};
    s.existed = ::stat(s.target.c_str(), &old) == 0;
    if (s.existed) {
        // Refused where a plain write would be refused, and never a
        // directory, a device or a pipe.
        if (!S_ISREG(old.st_mode) || ::access(s.target.c_str(), W_OK) != 0) return false;
    } else if (errno != ENOENT) {
        return false;
    }

    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        s.temporary = NameBeside(s.target, ".tmp");
        fd = ::open(s.temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) return false;
    }
    if (fd < 0) return false;
    bool ok = true;
    if (s.existed) {
        // The owner can only be kept where we may give files away; the
        // permission bits always are.
        [[maybe_unused]] const int owned = ::fchown(fd, old.st_uid, old.st_gid);
        ok = ::fchmod(fd, old.st_mode & 07777) == 0;
    }
    ok = ok && WriteAll(fd, contents) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (!ok) ::unlink(s.temporary.c_str());
    return ok;
}

// Keeps the old target under a second name, so it can come back should a
// later file fail to be replaced.
bool KeepBackup(Staged& s) {
    if (!s.existed) return true;
    s.backup = NameBeside(s.target, ".bak");
    if (::link(s.target.c_str(), s.backup.c_str()) == 0) return true;
    std::error_code ec;
    return fs::copy_file(s.target, s.backup, ec);
}

void Discard(const fs::path& p) {
    if (!p.empty()) ::unlink(p.c_str());
}

}  // namespace

std::string SaveFailedMessage(const std::string& path) {
    return "Impossibile salvare il file " + path + ".";
}

std::string OpenFailedMessage(const std::string& path) {
    return "Impossibile aprire il file " + path + ".";
}

std::optional<std::string> WriteFilesAtomically(const std::vector<FileContents>& files) {
    std::vector<Staged> staged;
    auto fail = [&](const std::string& path) {
        for (const Staged& s : staged) {
            Discard(s.temporary);
            Discard(s.backup);
        }
        return SaveFailedMessage(path);
    };
    for (const FileContents& file : files) {
        Staged s;
        s.path = file.path;
        if (!Stage(s, file.contents)) return fail(file.path);
        staged.push_back(s);
    }
    // The last file replaced never has to come back.
    for (size_t i = 0; i + 1 < staged.size(); ++i) {
        if (!KeepBackup(staged[i])) return fail(staged[i].path);
    }
    for (size_t i = 0; i < staged.size(); ++i) {
        if (::rename(staged[i].temporary.c_str(), staged[i].target.c_str()) == 0) {
            staged[i].temporary.clear();
            continue;
        }
        // Put back what was already replaced. A backup that cannot go back
        // is the only copy of the old data, so it stays.
        for (size_t j = 0; j < i; ++j) {
            if (staged[j].existed) {
                ::rename(staged[j].backup.c_str(), staged[j].target.c_str());
                staged[j].backup.clear();
            } else {
                Discard(staged[j].target);
            }
        }
        return fail(staged[i].path);
    }
    for (const Staged& s : staged) {
        Discard(s.backup);
        SyncDirectoryOf(s.target);
    }
    return std::nullopt;
}

std::optional<std::string> WriteFileAtomically(const std::string& path, std::string_view contents) {
    return WriteFilesAtomically({{path, contents}});
}

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code ec;
    if (fs::equivalent(a, b, ec)) return true;
    const std::optional<fs::path> ta = FinalTarget(a);
    const std::optional<fs::path> tb = FinalTarget(b);
    if (!ta || !tb) return false;
    const fs::path ca = fs::weakly_canonical(fs::absolute(*ta, ec), ec);
    const fs::path cb = fs::weakly_canonical(fs::absolute(*tb, ec), ec);
    return !ca.empty() && ca == cb;
}

}  // namespace volvenza
