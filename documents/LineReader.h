#pragma once
// Reads a text file line by line through a buffer of fixed size, so memory
// stays bounded whatever the file holds.

#include <memory>
#include <string>
#include <vector>

namespace volvenza {

class LineReader {
  public:
    // Longest line accepted, without its line end.
    static constexpr size_t kMaxLineLength = 4096;

    enum class Result { Line, End, TooLong, Failed };

    // Opens a regular file for reading; nothing for a file that cannot be
    // opened or is not a regular file (a pipe, a device, a directory), which
    // is told at once, without waiting for a writer.
    static std::unique_ptr<LineReader> Open(const std::string& path);
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    // The next line, ended by LF or CR LF; the last line may lack its end.
    // A line longer than kMaxLineLength is refused as soon as that is seen,
    // without reading the rest of it.
    Result Next(std::string& line);
    // Number of the line last returned or refused, from 1.
    int Number() const { return number_; }

  private:
    explicit LineReader(int fd);
    bool Fill();

    int fd_;
    std::vector<char> buffer_;
    size_t begin_ = 0;
    size_t end_ = 0;
    bool atEnd_ = false;
    bool failed_ = false;
    int number_ = 0;
};

}  // namespace volvenza
