#pragma once

#include <cstddef>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>

namespace orvel::query {

// Standard output, checked: every write and the final close either succeed or throw Failure
// with the system's reason (full disk, closed descriptor), so that a script never takes a cut
// listing for a whole one; a pipe that its reader closed throws ClosedPipe. Writes are gathered
// in one buffer: a listing of 40,000 lines is a few writes, not 40,000.
class Output {
public:
    Output();
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;
    ~Output() = default;

    void append(std::string_view utf8);
    // A line of the file, converted to UTF-8, and its line break; the line may come in parts.
    void appendLine(std::initializer_list<std::string_view> cp1252Parts);
    // Writes what is left and closes standard output, checking both.
    void finish();

private:
    // Where the next count bytes go: the buffer is written out first when they do not fit.
    char* room(std::size_t count);
    void flush();

    std::unique_ptr<char[]> buffer_;
    std::size_t size_ = 0;
    std::size_t used_ = 0;
    bool wroteAny_ = false;
};

// Writes a line on standard error (messages and the count caption); nothing is checked there,
// since there is nowhere left to report a failure.
void printError(std::string_view utf8);

} // namespace orvel::query
