// Any bytes as a log: the reader never fails on a readable file, reads the same twice, speaks
// UTF-8, and every reference it reports is one that a record holding it is found to contain.

#include "data/cp1252.h"
#include "data/utf8.h"
#include "data/worked_log.h"
#include "tests/fuzz/fuzz_support.h"
#include "tests/support/reference_file_builder.h"

#include <algorithm>
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
        const std::string bytes = utf8ToCp1252(name);
        const std::size_t blank = bytes.find(' ');
        const std::string_view diploma = std::string_view(bytes).substr(0, blank);
        const std::string_view reference = std::string_view(bytes).substr(blank + 1);
        if (bytes.find(' ', blank + 1) != std::string::npos || diploma.size() > 5 ||
            reference.size() > 6 || diploma.find('?') != std::string::npos ||
            reference.find('?') != std::string::npos) {
            continue;
        }
        // A record holding the diploma code and the number at their columns.
        const std::string record = testing::recordLine(
            {"", std::string(diploma), std::string(reference), "", "", "", "", ""});
        require(log.references.contains(record), "a reported reference is contained");
        log.references.noteKnown(record);
        const std::vector<std::string> left = log.references.unknown();
        require(std::find(left.begin(), left.end(), name) == left.end(),
                "a noted reference is no longer unknown");
    }
    return 0;
}
