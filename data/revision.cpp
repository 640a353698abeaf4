#include "data/revision.h"

#include "data/cp1252.h"
#include "data/record.h"
#include "data/reference_file.h"

namespace orvel {

namespace {

constexpr Field kRevision{7, 24};

} // namespace

std::string_view revisionText(std::string_view headerLine) {
    // A NUL byte ends the text, as it ends a string of the system: a file of zeros has none.
    const std::string_view text = fieldOf(headerLine, kRevision);
    return text.substr(0, text.find('\0'));
}

std::string revisionMessage(std::string_view revisionBase) {
    if (revisionBase.empty()) {
        return "Base de donnée non ouverte";
    }
    return "Base de donnée " + cp1252ToUtf8(revisionBase);
}

Result<std::string> DatabaseRevision::check(const std::filesystem::path& referenceFile) {
    // The revision ends at column 30: a first line of any length, with no line break at all,
    // costs no more than its first 30 bytes.
    const Result<std::string> start =
        readStart(referenceFile, kRevision.column + kRevision.width - 1);
    if (!start.ok()) {
        return start.failure();
    }
    const std::string_view bytes = start.value();
    if (!bytes.empty()) {
        Revision_Base = revisionText(bytes.substr(0, bytes.find_first_of("\r\n")));
    }
    return revisionMessage(Revision_Base);
}

} // namespace orvel
