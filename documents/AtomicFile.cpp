#include "documents/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>

namespace volvenza {
namespace {

namespace fs = std::filesystem;

// As many links as the system itself follows before it calls it a loop.
constexpr int kMaxLinks = 40;

// Follows a chain of symbolic links to the path a plain write would reach,
// which need not exist yet. Nothing for a loop of links.
std::optional<fs::path> FinalTarget(const fs::path& path) {
    fs::path p = path;
    for (int links = 0;; ++links) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(p, ec))) return p;
        if (links == kMaxLinks) return std::nullopt;
        const fs::path link = fs::read_symlink(p, ec);
        p = link.is_absolute() ? link : p.parent_path() / link;
    }
}

constexpr std::string_view kOwnPrefix = ".vlz-";

// A short name of our own beside the target, so it fits the file system's
// name limit however long the target's name is.
fs::path NameBeside(const fs::path& target, const char* suffix) {
    std::random_device random;
    return target.parent_path() /
           (std::string(kOwnPrefix) + std::to_string(random()) + std::to_string(random()) + suffix);
}

bool IsOwnLeftoverName(const std::string& name) {
    if (!name.starts_with(kOwnPrefix) || name.size() < kOwnPrefix.size() + 5) return false;
    const std::string_view suffix = std::string_view(name).substr(name.size() - 4);
    if (suffix != ".tmp" && suffix != ".bak") return false;
    const std::string_view digits =
        std::string_view(name).substr(kOwnPrefix.size(), name.size() - kOwnPrefix.size() - 4);
    return digits.find_first_not_of("0123456789") == std::string_view::npos;
}

// Files of our own naming that a save killed half-way left beside a target.
// Only old ones go: a younger one may belong to a save still running.
constexpr auto kLeftoverAge = std::chrono::minutes(1);

void RemoveOldLeftovers(const fs::path& target) {
    const fs::path dir = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    std::error_code ec;
    const auto now = fs::file_time_type::clock::now();
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code fileError;
        if (!IsOwnLeftoverName(it->path().filename().string()) || !it->is_regular_file(fileError) ||
            it->is_symlink(fileError)) {
            continue;
        }
        const auto written = fs::last_write_time(it->path(), fileError);
        // Exactly the age or a tick past it is the same to a leftover.
        if (!fileError && now - written > kLeftoverAge) {
            fs::remove(it->path(), fileError);
        }
    }
}

fs::path FolderOf(const fs::path& target) {
    return target.parent_path().empty() ? fs::path(".") : target.parent_path();
}

Message ReadOnlyMessage(const std::string& path, const std::string& folder) {
    return Message(MessageId::SaveReadOnly, {MsgVerbatim(path), MsgVerbatim(folder)});
}

Message Because(const std::string& path, Message why) {
    return Message(MessageId::SaveFailedBecause, {MsgVerbatim(path), MsgNested(std::move(why))});
}

// Why a file beside the target could not be made or written, as errno tells
// it; the bare "cannot save" only where errno names nothing a user can act on.
Message SaveFailure(const std::string& path, const fs::path& target, int error) {
    switch (error) {
        case EACCES:
        case EROFS:
        case EPERM:
            return ReadOnlyMessage(path, FolderOf(target).string());
        case ENOENT: {
            // Some folders that exist take no new file and say ENOENT too
            // (/proc, /sys): the folder is named as missing only when it is.
            std::error_code ec;
            if (fs::is_directory(FolderOf(target), ec)) return SaveFailedMessage(path);
            return Because(
                path, Message(MessageId::ReasonNoFolder, {MsgVerbatim(FolderOf(target).string())}));
        }
        case ENOSPC:
            return Because(path, MessageId::ReasonDiskFull);
        case EDQUOT:
            return Because(path, MessageId::ReasonQuota);
        case EFBIG:
            return Because(path, MessageId::ReasonFileTooLarge);
        case EIO:
            return Because(path, MessageId::ReasonDiskError);
        default:
            return SaveFailedMessage(path);
    }
}

bool WriteAll(int fd, std::string_view contents) {
    while (!contents.empty()) {
        const ssize_t n = ::write(fd, contents.data(), contents.size());
        // write() never returns 0 for a regular file, so the test may be
        // strict or not.
        if (n > 0) {
            contents.remove_prefix(static_cast<size_t>(n));
        } else if (errno != EINTR) {
            return false;
        }
    }
    return true;
}

// Best effort, and beyond what a test can observe short of pulling the
// power: the data themselves were flushed before the rename.
void SyncDirectoryOf(const fs::path& target) {
    const fs::path dir = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// One file on its way: the complete temporary copy waiting to replace the
// target, and the old target kept aside until every file is replaced.
struct Staged {
    std::string path;  // as given, for the message
    fs::path target;
    fs::path temporary;
    bool existed;
    fs::path backup;
};

// Writes the temporary copy, flushed to disk, with the target's permission
// bits. Where the target cannot be written, nothing, leaving nothing
// behind, and the message saying why.
Result<Staged> Stage(const FileContents& file) {
    if (file.path.empty()) return SaveFailedMessage(file.path);
    const std::optional<fs::path> target = FinalTarget(file.path);
    if (!target) return SaveFailedMessage(file.path);
    struct stat old {};
    const bool existed = ::stat(target->c_str(), &old) == 0;
    // Refused where a plain write would be refused, and never a directory,
    // a device or a pipe.
    if (existed && !S_ISREG(old.st_mode)) {
        return Because(file.path, MessageId::ReasonTargetNotAFile);
    }
    if (existed && ::access(target->c_str(), W_OK) != 0) {
        return Because(file.path, MessageId::ReasonTargetReadOnly);
    }
    if (!existed && errno != ENOENT) return SaveFailedMessage(file.path);

    RemoveOldLeftovers(*target);
    const fs::path temporary = NameBeside(*target, ".tmp");
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return SaveFailure(file.path, *target, errno);
    bool ok = true;
    if (existed) {
        // The owner can only be kept where we may give files away; the
        // permission bits always are.
        [[maybe_unused]] const int owned = ::fchown(fd, old.st_uid, old.st_gid);
        ok = ::fchmod(fd, old.st_mode & 07777) == 0;
    }
    errno = 0;
    ok = ok && WriteAll(fd, file.contents) && ::fsync(fd) == 0;
    int error = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        ::unlink(temporary.c_str());
        return SaveFailure(file.path, *target, error);
    }
    return Staged{file.path, *target, temporary, existed, {}};
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

// Puts the old target back, or removes a target that did not exist before.
void Restore(Staged& s) {
    if (s.existed) {
        // A backup that cannot go back is the only copy of the old data, so
        // it stays.
        ::rename(s.backup.c_str(), s.target.c_str());
        s.backup.clear();
    } else {
        ::unlink(s.target.c_str());
    }
}

void Discard(const fs::path& p) {
    if (!p.empty()) ::unlink(p.c_str());
}

fs::path Canonical(const fs::path& p) {
    std::error_code ec;
    return fs::weakly_canonical(fs::absolute(p, ec), ec);
}

}  // namespace

Message SaveFailedMessage(const std::string& path) {
    return Message(MessageId::SaveFailed, {MsgVerbatim(path)});
}

Message OpenFailedMessage(const std::string& path) {
    return Message(MessageId::OpenFailed, {MsgVerbatim(path)});
}

Message NotAFileMessage(const std::string& path) {
    return Message(MessageId::NotAFile, {MsgVerbatim(path)});
}

void (*gBetweenReplacements)() = nullptr;

namespace {

Result<std::string> ReadOpened(int fd, const std::string& path, size_t maxSize,
                               const Message& tooLarge) {
    struct stat st {};
    if (::fstat(fd, &st) != 0) return OpenFailedMessage(path);
    if (!S_ISREG(st.st_mode)) return NotAFileMessage(path);
    if (static_cast<uintmax_t>(st.st_size) > maxSize) return tooLarge;
    std::string text(static_cast<size_t>(st.st_size), '\0');
    // The first read() takes a regular file whole; the loop is for a read
    // cut short by a signal, which no test can bring about.
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::read(fd, text.data() + done, text.size() - done);
        if (n > 0) {
            done += static_cast<size_t>(n);
        } else if (n == 0 || errno != EINTR) {
            break;
        }
    }
    // A file that shrank while read is not the file that was asked for.
    if (done != text.size()) return OpenFailedMessage(path);
    return text;
}

}  // namespace

Result<std::string> ReadRegularFile(const std::string& path, size_t maxSize,
                                    const Message& tooLarge) {
    // Without O_NONBLOCK, opening a pipe would wait for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    // A folder opens for reading too, and is refused below.
    if (fd < 0) return OpenFailedMessage(path);
    Result<std::string> text = ReadOpened(fd, path, maxSize, tooLarge);
    ::close(fd);
    return text;
}

Status WriteFilesAtomically(const std::vector<FileContents>& files) {
    std::vector<Staged> staged;
    std::optional<Message> failure;
    auto fail = [&staged, &failure](const std::string& path) {
        for (const Staged& s : staged) {
            Discard(s.temporary);
            Discard(s.backup);
        }
        return failure.value_or(SaveFailedMessage(path));
    };
    for (const FileContents& file : files) {
        Result<Staged> s = Stage(file);
        if (!s) {
            failure = s.Error();
            return fail(file.path);
        }
        staged.push_back(*s);
    }
    failure.reset();
    // Every target but the last may have to come back.
    for (Staged& s : staged) {
        if (&s != &staged.back() && !KeepBackup(s)) return fail(s.path);
    }
    std::vector<Staged*> replaced;
    for (Staged& s : staged) {
        if (::rename(s.temporary.c_str(), s.target.c_str()) != 0) {
            for (Staged* r : replaced) Restore(*r);
            return fail(s.path);
        }
        s.temporary.clear();
        replaced.push_back(&s);
        if (gBetweenReplacements != nullptr && &s != &staged.back()) gBetweenReplacements();
    }
    for (const Staged& s : staged) {
        Discard(s.backup);
        SyncDirectoryOf(s.target);
    }
    return Done{};
}

Status WriteFileAtomically(const std::string& path, std::string_view contents) {
    return WriteFilesAtomically({{path, contents}});
}

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code ec;
    if (fs::equivalent(a, b, ec)) return true;
    const std::optional<fs::path> ta = FinalTarget(a);
    const std::optional<fs::path> tb = FinalTarget(b);
    return ta && tb && Canonical(*ta) == Canonical(*tb);
}

}  // namespace volvenza
