#include "data/worked_log_watch.h"

namespace orvel {

std::optional<WorkedLogWatch::Stamp> WorkedLogWatch::stampNow() const {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file_, error);
    if (error) {
        return std::nullopt;
    }
    const std::filesystem::file_time_type modified = std::filesystem::last_write_time(file_, error);
    if (error) {
        return std::nullopt;
    }
    return Stamp{size, modified};
}

std::variant<WorkedLog, WorkedLogFailure>& WorkedLogWatch::current() {
    // Stamped before the reading: a change made while it reads is seen at the next look.
    const std::optional<Stamp> now = stampNow();
    readAnew_ = !now || now != stamp_;
    if (readAnew_) {
        log_ = readWorkedLog(file_);
        stamp_ = now;
    }
    return log_;
}

} // namespace orvel
