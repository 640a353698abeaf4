#include "tools/query_output.h"

#include "data/cp1252.h"
#include "tools/query_failure.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace orvel::query {
namespace {

constexpr std::size_t kFlushSize = std::size_t{256} * 1024;

[[noreturn]] void fail(int error) {
    throw Failure(std::string("écriture impossible sur la sortie standard : ") +
                  std::strerror(error));
}

} // namespace

Output::Output() {
    // Our buffer is the only one, so a failure shows at the write that met it.
    std::setvbuf(stdout, nullptr, _IONBF, 0);
}

void Output::append(std::string_view utf8) {
    buffer_ += utf8;
    flushWhenFull();
}

void Output::appendLine(std::initializer_list<std::string_view> cp1252Parts) {
    for (const std::string_view part : cp1252Parts) {
        appendCp1252AsUtf8(buffer_, part);
    }
    buffer_ += '\n';
    flushWhenFull();
}

void Output::flushWhenFull() {
    if (buffer_.size() >= kFlushSize) {
        flush();
    }
}

void Output::flush() {
    errno = 0;
    const std::size_t written = std::fwrite(buffer_.data(), 1, buffer_.size(), stdout);
    if (written != buffer_.size()) {
        fail(errno != 0 ? errno : EIO);
    }
    wroteAny_ = wroteAny_ || written != 0;
    buffer_.clear();
}

void Output::finish() {
    flush();
    errno = 0;
    // A closed standard output that was never written to has lost nothing.
    if (std::fclose(stdout) != 0 && (wroteAny_ || errno != EBADF)) {
        fail(errno != 0 ? errno : EIO);
    }
}

void printError(std::string_view utf8) {
    std::fwrite(utf8.data(), 1, utf8.size(), stderr);
    std::fputc('\n', stderr);
}

} // namespace orvel::query
