#include "query/query_output.h"

#include "data/cp1252.h"
#include "data/read_failure.h"
#include "query/query_failure.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace orvel::query {
namespace {

constexpr std::size_t kBufferSize = std::size_t{256} * 1024;

[[noreturn]] void fail(int error) {
    if (error == EPIPE) {
        throw ClosedPipe();
    }
    throw Failure(std::string("écriture impossible sur la sortie standard : ") +
                  systemReason(error));
}

} // namespace

Output::Output() {
    // Our buffer is the only one, so a failure shows at the write that met it.
    std::setvbuf(stdout, nullptr, _IONBF, 0);
}

void Output::append(std::string_view utf8) {
    if (!utf8.empty()) {
        std::memcpy(room(utf8.size()), utf8.data(), utf8.size());
        used_ += utf8.size();
    }
}

void Output::appendLine(std::initializer_list<std::string_view> cp1252Parts) {
    std::size_t most = 1;
    for (const std::string_view part : cp1252Parts) {
        most += kMostUtf8PerByte * part.size();
    }
    char* next = room(most);
    for (const std::string_view part : cp1252Parts) {
        next = writeCp1252AsUtf8(next, part);
    }
    *next++ = '\n';
    used_ = static_cast<std::size_t>(next - buffer_.get());
}

char* Output::room(std::size_t count) {
    if (size_ - used_ < count) {
        flush();
        if (size_ < count) {
            size_ = std::max(kBufferSize, count);
            buffer_ = std::make_unique_for_overwrite<char[]>(size_);
        }
    }
    return buffer_.get() + used_;
}

void Output::flush() {
    // Nothing to write, and perhaps no buffer yet.
    if (used_ == 0) {
        return;
    }
    errno = 0;
    const std::size_t written = std::fwrite(buffer_.get(), 1, used_, stdout);
    if (written != used_) {
        fail(errno != 0 ? errno : EIO);
    }
    wroteAny_ = wroteAny_ || written != 0;
    used_ = 0;
}

void Output::finish() {
    flush();
    errno = 0;
    // A closed standard output that was never written to has lost nothing.
    if (std::fclose(stdout) != 0 && (wroteAny_ || errno != EBADF)) {
        fail(errno); // fclose always says why it failed
    }
}

void printError(std::string_view utf8) {
    std::fwrite(utf8.data(), 1, utf8.size(), stderr);
    std::fputc('\n', stderr);
}

} // namespace orvel::query
