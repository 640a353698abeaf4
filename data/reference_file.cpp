#include "data/reference_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvel {
namespace {

constexpr std::size_t kLargestBuffer = std::size_t{256} * 1024;
constexpr std::size_t kSmallestBuffer = 4096;

} // namespace

ReadOnlyFile::ReadOnlyFile(const std::filesystem::path& path) : path_(path) {
    const bool standardInput = path == kStandardInput;
    if (standardInput) {
        descriptor_ = STDIN_FILENO;
    } else {
        descriptor_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        owned_ = descriptor_ != -1;
    }
    if (descriptor_ == -1) {
        fail(errno == ENOENT || errno == ENOTDIR ? ReadFailure::Kind::Missing
                                                 : ReadFailure::Kind::Unreadable,
             errno);
        return;
    }
    // Only a regular file has an end: a named pipe may never be written, a device never end.
    // Standard input, asked for by name, is read whatever it is.
    struct stat status {};
    const bool regular = ::fstat(descriptor_, &status) == 0 && S_ISREG(status.st_mode);
    if (!regular && !standardInput) {
        fail(ReadFailure::Kind::Unreadable, S_ISDIR(status.st_mode) ? EISDIR : 0);
        return;
    }
    if (regular) {
        // Standard input may stand anywhere in its file, even past its end; a file just opened
        // stands at its beginning.
        const off_t start = ::lseek(descriptor_, 0, SEEK_CUR);
        size_ = static_cast<std::size_t>(std::max<off_t>(status.st_size - start, 0));
    }
}

ReadOnlyFile::~ReadOnlyFile() {
    if (owned_) {
        ::close(descriptor_);
    }
}

void ReadOnlyFile::fail(ReadFailure::Kind kind, int error) {
    failure_ = ReadFailure{kind, path_};
    error_ = error;
}

std::size_t ReadOnlyFile::read(char* into, std::size_t count) {
    if (failure_) {
        return 0;
    }
    ssize_t got = 0;
    do {
        got = ::read(descriptor_, into, count);
    } while (got == -1 && errno == EINTR);
    // A file that would make the program wait (EAGAIN) is as unreadable as a damaged one.
    if (got == -1) {
        fail(ReadFailure::Kind::Unreadable, errno);
        return 0;
    }
    // A file that ends before the bytes it held when opened was cut short under the reader.
    if (got == 0 && bytesRead_ < size_) {
        fail(ReadFailure::Kind::Unreadable, 0);
        return 0;
    }
    bytesRead_ += static_cast<std::size_t>(got);
    return static_cast<std::size_t>(got);
}

Result<std::string> readStart(const std::filesystem::path& path, std::size_t count) {
    ReadOnlyFile file(path);
    std::string start(count, '\0');
    std::size_t filled = 0;
    while (filled < count) {
        const std::size_t got = file.read(start.data() + filled, count - filled);
        if (got == 0) {
            break;
        }
        filled += got;
    }
    if (file.failure()) {
        return *file.failure();
    }
    start.resize(filled);
    return start;
}

LineReader::LineReader(const std::filesystem::path& path, std::size_t blockSize)
    : file_(path), buffer_(blockSize != kBlockFromFileSize
                               ? blockSize
                               : std::clamp(file_.size(), kSmallestBuffer, kLargestBuffer)) {
    carried_.reserve(kRecordLength);
}

// A file that failed reads nothing more; one that has ended is not read again, which on a
// terminal would wait for a second end.
bool LineReader::refill() {
    if (ended_) {
        return false;
    }
    const std::size_t count = file_.read(buffer_.data(), buffer_.size());
    position_ = 0;
    end_ = count;
    lineFeedKnown_ = false;
    ended_ = count == 0;
    return !ended_;
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
            if (partial && !failure()) {
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
