#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_map>
#include <variant>
#include <vector>

namespace orvel {

// The references a log says were worked. Codes and numbers are compared without regard to case,
// in the reference file's Windows-1252 bytes.
class WorkedReferences {
public:
    // Whether the record's diploma code and reference number have been worked. record: a line
    // of the reference file.
    [[nodiscard]] bool contains(std::string_view record) const;

    // A record of the reference file: its reference, if worked, is one that the file knows.
    void noteKnown(std::string_view record);

    // The worked references that no noted record holds, once each, in the order of the log, as
    // UTF-8 "CODE NUMERO".
    [[nodiscard]] std::vector<std::string> unknown() const;

    // How many different references were worked.
    [[nodiscard]] std::size_t size() const;

    // Notes a worked reference, in Windows-1252 bytes; blanks around either part are ignored.
    void add(std::string_view diploma, std::string_view reference);

private:
    std::unordered_map<std::string, bool> known_; // key: "CODE NUMERO", upper-cased
    std::vector<std::string> order_;
};

// A log as read: its references, and what the reader had to pass over, in French UTF-8
// sentences, each once.
struct WorkedLog {
    WorkedReferences references;
    std::vector<std::string> warnings;
};

// Why a log could not be read: a French UTF-8 sentence naming the file.
struct WorkedLogFailure {
    std::string message;
};

// Reads a log of worked references, only ever reading it: an ADIF log (.adi: SIG holds the
// diploma code, SIG_INFO the reference number, or several separated by commas; SIG_INTL and
// SIG_INFO_INTL where they are missing), its XML form ADX, or a plain list, "DFCF 29-001" a
// line, blank lines and "#" comments allowed. The content tells which, not the file's name.
// Anything but a regular file is refused, and so is a list line that holds no reference.
std::variant<WorkedLog, WorkedLogFailure> readWorkedLog(const std::filesystem::path& file);

} // namespace orvel
