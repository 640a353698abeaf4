// Any bytes as a log: the reader never fails on a readable file but for a list line that is no
// reference, reads the same twice, and speaks UTF-8.

#include "data/utf8.h"
#include "data/worked_log.h"
#include "tests/fuzz/fuzz_support.h"

#include <cstdint>

using namespace orvel;
using fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto& file = fuzz::asReferenceFile({reinterpret_cast<const char*>(data), size});
    const auto first = readWorkedLog(file);
    require(std::holds_alternative<WorkedLog>(first) ||
                std::get<WorkedLogFailure>(first).message.find(", ligne ") != std::string::npos,
            "only a line that is no reference stops a readable log");
    const auto again = readWorkedLog(file);
    require(first.index() == again.index(), "the log reads the same twice");
    if (const auto* failure = std::get_if<WorkedLogFailure>(&first)) {
        require(isValidUtf8(failure->message), "the failure shows as UTF-8");
        require(failure->message == std::get<WorkedLogFailure>(again).message,
                "the log reads the same twice");
        return 0;
    }
    auto log = std::get<WorkedLog>(first);
    const std::vector<std::string> unknown = log.references.unknown();
    require(unknown == std::get<WorkedLog>(again).references.unknown() &&
                log.warnings == std::get<WorkedLog>(again).warnings,
            "the log reads the same twice");
    require(unknown.size() == log.references.size(), "no reference is known before noted");
    for (const std::string& warning : log.warnings) {
        require(isValidUtf8(warning), "a warning shows as UTF-8");
    }
    for (const std::string& name : unknown) {
        require(isValidUtf8(name), "a reference shows as UTF-8");
    }
    return 0;
}
