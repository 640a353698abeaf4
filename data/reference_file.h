#pragma once

#include "data/read_failure.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvel {

// The name of the reference file in the program's directory.
inline constexpr std::string_view kReferenceFileName = "Liste_References.prn";

// The path that names standard input instead of a file (orvel-query's "--file -"). Asked for by
// name, it is read as it comes, be it a pipe or a file.
inline constexpr std::string_view kStandardInput = "-";

// No reader looks past column 138, so longer lines are cut there: a line of any length, even a
// file with no line break at all, costs the reader no more memory than a complete record.
inline constexpr std::size_t kRecordLength = 138;

// The reference file, open for reading only. It is opened before its kind is known, without
// waiting: a named pipe, a device or a directory put in its place, even between a look and the
// opening, is then refused as unreadable, and a read that would wait is a failure to read. A file
// cut short while it is read is a failure to read it too, not a shorter file: it is copied out
// block by block, where a cut shows as an end before the bytes the file held when opened (mapped
// into memory, the bytes cut from its last page would read as zeros, with no error).
class ReadOnlyFile {
public:
    explicit ReadOnlyFile(const std::filesystem::path& path);
    ~ReadOnlyFile();
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

    // The failure to open or read the file, if any.
    [[nodiscard]] const std::optional<ReadFailure>& failure() const { return failure_; }

    // The system's reason for the failure (an errno value): 0 when it gave none, for a file that
    // is no regular one or was cut short while it was read; EISDIR for a directory.
    [[nodiscard]] int systemError() const { return error_; }

    // The bytes there were to read when the file was opened: from standard input, those after
    // where it stood; 0 when it is not a regular file.
    [[nodiscard]] std::size_t size() const { return size_; }

    // Reads at most count bytes; 0 at the end of the file or once it has failed.
    std::size_t read(char* into, std::size_t count);

private:
    void fail(ReadFailure::Kind kind, int error);

    std::filesystem::path path_;
    int descriptor_ = -1;
    bool owned_ = false; // a file this opened; standard input stays open
    std::size_t size_ = 0;
    std::size_t bytesRead_ = 0;
    std::optional<ReadFailure> failure_;
    int error_ = 0;
};

// Blocks sized from the file, within bounds.
inline constexpr std::size_t kBlockFromFileSize = 0;

// Reads the reference file from its first line to its last, read-only and streaming.
// CR LF, a lone LF and a lone CR each end a line; the last line may lack its terminator.
class LineReader {
public:
    // blockSize: the bytes read at a time, or kBlockFromFileSize.
    explicit LineReader(const std::filesystem::path& path,
                        std::size_t blockSize = kBlockFromFileSize);

    // The failure to open or read the file, if any; set by the constructor or by next().
    [[nodiscard]] const std::optional<ReadFailure>& failure() const { return file_.failure(); }

    // The next line without its terminator, cut to kRecordLength bytes; false at the end of the
    // file or on a read error. The view stays valid until the next call.
    bool next(std::string_view& line);

private:
    bool refill();
    const char* findTerminator();

    ReadOnlyFile file_;
    std::vector<char> buffer_;
    std::size_t position_ = 0;
    std::size_t end_ = 0;
    bool skipLineFeed_ = false;
    bool ended_ = false;       // the file gave nothing at the last read
    std::size_t lineFeed_ = 0; // where the next LF of the block is, or end_
    bool lineFeedKnown_ = false;
    std::vector<char> carried_;
};

// Calls onLine for every line of the file; returns the failure, if any.
template <class OnLine>
std::optional<ReadFailure> forEachLine(const std::filesystem::path& path, OnLine&& onLine,
                                       std::size_t blockSize = kBlockFromFileSize) {
    LineReader reader(path, blockSize);
    std::string_view line;
    while (reader.next(line)) {
        onLine(line);
    }
    return reader.failure();
}

// The first count bytes of the file, or all of it when it is shorter; nothing after them is read.
Result<std::string> readStart(const std::filesystem::path& path, std::size_t count);

} // namespace orvel
