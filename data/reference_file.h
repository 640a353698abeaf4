#pragma once

#include "data/read_failure.h"

#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <optional>
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

// Reads the reference file from its first line to its last, read-only and streaming.
// CR LF, a lone LF and a lone CR each end a line; the last line may lack its terminator.
class LineReader {
public:
    explicit LineReader(const std::filesystem::path& path);
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    // The failure to open or read the file, if any; set by the constructor or by next().
    [[nodiscard]] const std::optional<ReadFailure>& failure() const { return failure_; }

    // The next line without its terminator, cut to kRecordLength bytes; false at the end of the
    // file or on a read error. The view stays valid until the next call.
    bool next(std::string_view& line);

private:
    void startReading(std::FILE* file);
    void fail(ReadFailure::Kind kind);
    bool refill();
    const char* findTerminator();

    std::filesystem::path path_;
    std::FILE* file_ = nullptr;
    std::optional<ReadFailure> failure_;
    std::vector<char> buffer_;
    std::size_t position_ = 0;
    std::size_t end_ = 0;
    bool endOfFile_ = false;
    bool skipLineFeed_ = false;
    std::size_t lineFeed_ = 0; // where the next LF of the block is, or end_
    bool lineFeedKnown_ = false;
    std::vector<char> carried_;
};

// The size of the file in bytes, or 0 when it cannot be known: a hint for the room that the
// lines of a listing or a search may take.
std::size_t fileSizeHint(const std::filesystem::path& path);

// Calls onLine for every line of the file; returns the failure, if any.
template <class OnLine>
std::optional<ReadFailure> forEachLine(const std::filesystem::path& path, OnLine&& onLine) {
    LineReader reader(path);
    std::string_view line;
    while (reader.next(line)) {
        onLine(line);
    }
    return reader.failure();
}

} // namespace orvel
