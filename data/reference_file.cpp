#include "data/reference_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>

namespace orvel {
namespace {

constexpr std::size_t kLargestBuffer = std::size_t{256} * 1024;
constexpr std::size_t kSmallestBuffer = 4096;

bool isMissing(std::error_code error) {
    return error == std::errc::no_such_file_or_directory || error == std::errc::not_a_directory;
}

} // namespace

LineReader::LineReader(const std::filesystem::path& path) : path_(path) {
    if (path == kStandardInput) {
        startReading(stdin);
        return;
    }
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (!std::filesystem::exists(status)) {
        fail(isMissing(error) || !error ? ReadFailure::Kind::Missing
                                        : ReadFailure::Kind::Unreadable);
        return;
    }
    // Only a regular file has an end: a named pipe would block the program as it opens, and a
    // device may never end.
    if (!std::filesystem::is_regular_file(status)) {
        fail(ReadFailure::Kind::Unreadable);
        return;
    }
    errno = 0;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        fail(errno == ENOENT || errno == ENOTDIR ? ReadFailure::Kind::Missing
                                                 : ReadFailure::Kind::Unreadable);
        return;
    }
    startReading(file);
}

void LineReader::startReading(std::FILE* file) {
    // Our own buffer is large; a second one inside the C library would only copy twice.
    std::setvbuf(file, nullptr, _IONBF, 0);
    file_ = file;
    buffer_.resize(std::clamp(fileSizeHint(path_) + 1, kSmallestBuffer, kLargestBuffer));
    carried_.reserve(kRecordLength);
}

void LineReader::fail(ReadFailure::Kind kind) {
    failure_ = ReadFailure{kind, path_};
    endOfFile_ = true;
}

LineReader::~LineReader() {
    if (file_ != nullptr && file_ != stdin) {
        std::fclose(file_);
    }
}

bool LineReader::refill() {
    if (endOfFile_) {
        return false;
    }
    const std::size_t count = std::fread(buffer_.data(), 1, buffer_.size(), file_);
    position_ = 0;
    end_ = count;
    lineFeedKnown_ = false;
    if (count == 0) {
        endOfFile_ = true;
        if (std::ferror(file_) != 0) {
            fail(ReadFailure::Kind::Unreadable);
        }
        return false;
    }
    return true;
}

std::size_t fileSizeHint(const std::filesystem::path& path) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    return error ? 0 : static_cast<std::size_t>(size);
}

const char* LineReader::findTerminator() {
    // The next LF is searched once and kept, so that a file of lone CRs is not scanned to the
    // end of the block for every line.
    const char* data = buffer_.data();
    if (!lineFeedKnown_ || lineFeed_ < position_) {
        const void* found = std::memchr(data + position_, '\n', end_ - position_);
        lineFeed_ = found != nullptr
                        ? static_cast<std::size_t>(static_cast<const char*>(found) - data)
                        : end_;
        lineFeedKnown_ = true;
    }
    const void* carriageReturn = std::memchr(data + position_, '\r', lineFeed_ - position_);
    return carriageReturn != nullptr ? static_cast<const char*>(carriageReturn) : data + lineFeed_;
}

bool LineReader::next(std::string_view& line) {
    carried_.clear();
    bool partial = false; // bytes of an unterminated line have been seen
    while (true) {
        if (position_ == end_ && !refill()) {
            // The last line may lack its terminator.
            if (partial && !failure_) {
                line = std::string_view(carried_.data(), carried_.size());
                return true;
            }
            return false;
        }
        if (skipLineFeed_) {
            skipLineFeed_ = false;
            if (buffer_[position_] == '\n') {
                ++position_;
                continue;
            }
        }
        const char* begin = buffer_.data() + position_;
        const char* stop = buffer_.data() + end_;
        const char* terminator = findTerminator();
        const auto length = static_cast<std::size_t>(terminator - begin);

        if (terminator == stop) {
            // The line goes on in the next block: keep what is still within the record.
            const std::size_t room = kRecordLength - std::min(kRecordLength, carried_.size());
            carried_.insert(carried_.end(), begin, begin + std::min(room, length));
            partial = true;
            position_ = end_;
            continue;
        }

        position_ += length + 1;
        if (*terminator == '\r') {
            if (position_ < end_) {
                if (buffer_[position_] == '\n') {
                    ++position_;
                }
            } else {
                skipLineFeed_ = true;
            }
        }
        if (!partial) {
            line = std::string_view(begin, std::min(length, kRecordLength));
            return true;
        }
        const std::size_t room = kRecordLength - std::min(kRecordLength, carried_.size());
        carried_.insert(carried_.end(), begin, begin + std::min(room, length));
        line = std::string_view(carried_.data(), carried_.size());
        return true;
    }
}

} // namespace orvel
