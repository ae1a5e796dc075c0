#include "documents/LineReader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace volvenza {
namespace {

// Any size serves; this one reads a typical file in a few calls.
constexpr size_t kChunk = 64 * 1024;

}  // namespace

std::unique_ptr<LineReader> LineReader::Open(const std::string& path) {
    // Without O_NONBLOCK, opening a pipe would wait for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return nullptr;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return nullptr;
    }
    return std::unique_ptr<LineReader>(new LineReader(fd));
}

LineReader::LineReader(int fd) : fd_(fd), buffer_(kChunk) {}

LineReader::~LineReader() {
    ::close(fd_);
}

bool LineReader::Fill() {
    while (true) {
        const ssize_t n = ::read(fd_, buffer_.data(), buffer_.size());
        if (n > 0) {
            begin_ = 0;
            end_ = static_cast<size_t>(n);
            return true;
        }
        if (n == 0) return false;
        if (errno != EINTR) {
            failed_ = true;
            return false;
        }
    }
}

LineReader::Result LineReader::Next(std::string& line) {
    line.clear();
    bool any = false;
    while (true) {
        if (begin_ == end_ && !Fill()) {
            if (failed_) return Result::Failed;
            if (!any) return Result::End;
            break;
        }
        any = true;
        const char* from = buffer_.data() + begin_;
        const auto* newline = static_cast<const char*>(std::memchr(from, '\n', end_ - begin_));
        const size_t take = newline ? static_cast<size_t>(newline - from) : end_ - begin_;
        line.append(from, take);
        begin_ += take;
        // One byte more than the limit may still be the CR of the line end.
        // Any bound a little above the limit keeps memory bounded; the exact
        // limit is checked where the line ends.
        if (line.size() > kMaxLineLength + 1) {
            ++number_;
            return Result::TooLong;
        }
        if (newline) {
            ++begin_;
            break;
        }
    }
    ++number_;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line.size() > kMaxLineLength ? Result::TooLong : Result::Line;
}

}  // namespace volvenza
