#pragma once

#include "data/worked_log.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <variant>

namespace orvel {

// The log the user chose, as it is at each look: read again only when its size or modification
// time has changed since the last reading, since a long log takes longer to read than a listing
// and the user adds to it while the program runs. The log is only ever read.
class WorkedLogWatch {
public:
    explicit WorkedLogWatch(std::filesystem::path file) : file_(std::move(file)) {}

    [[nodiscard]] const std::filesystem::path& file() const { return file_; }

    // The log as it is now, or why it cannot be read.
    std::variant<WorkedLog, WorkedLogFailure>& current();

    // Whether the last call of current() read the file anew.
    [[nodiscard]] bool readAnew() const { return readAnew_; }

private:
    struct Stamp {
        std::uintmax_t size;
        std::filesystem::file_time_type modified;
        bool operator==(const Stamp&) const = default;
    };
    // None when the file cannot be looked at: it is then read anew at every look, which says why.
    [[nodiscard]] std::optional<Stamp> stampNow() const;

    std::filesystem::path file_;
    std::optional<Stamp> stamp_;
    std::variant<WorkedLog, WorkedLogFailure> log_;
    bool readAnew_ = false;
};

} // namespace orvel
