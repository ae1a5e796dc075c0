#pragma once
// Saving that never leaves a half-written or emptied file behind, and the
// file messages the documents share.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "messages/Result.h"

namespace volvenza {

// One file to write: where, and what.
struct FileContents {
    std::string path;
    std::string_view contents;
};

// Writes each file's contents to a temporary file beside its target (the
// final target of a symbolic link, so the link stays), flushed to disk, and
// replaces the targets only when every temporary file is complete: either
// every target gets its new contents or none changes. A replaced file keeps
// its permission bits. A target that exists but is not a regular file, or
// that a plain write would be refused on, is refused. Returns the message for
// the first file that cannot be written.
Status WriteFilesAtomically(const std::vector<FileContents>& files);
Status WriteFileAtomically(const std::string& path, std::string_view contents);

// Called between two replacements of a save of several files; tests stop
// the process there to see what a crash at that instant leaves.
extern void (*gBetweenReplacements)();

// A regular file of at most `maxSize` bytes, read whole without waiting on
// a pipe or a device. One larger is refused with `tooLarge`, whose wording
// depends on what the file should have been.
Result<std::string> ReadRegularFile(const std::string& path, size_t maxSize,
                                    const Message& tooLarge);

// Whether two paths name the same file once symbolic links are followed
// (hard links included when both exist).
bool SameFile(const std::string& a, const std::string& b);

// "Impossibile salvare il file <path>."
Message SaveFailedMessage(const std::string& path);
// "Impossibile aprire il file <path>."
Message OpenFailedMessage(const std::string& path);
// "Impossibile aprire <path>: non è un file."
Message NotAFileMessage(const std::string& path);

}  // namespace volvenza
