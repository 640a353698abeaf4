#include "data/revision.h"

#include "data/cp1252.h"
#include "data/record.h"
#include "data/reference_file.h"

namespace orvel {

std::string_view revisionText(std::string_view headerLine) {
    return fieldOf(headerLine, Field{7, 24});
}

std::string revisionMessage(std::string_view revisionBase) {
    if (revisionBase.empty()) {
        return "Base de donnée non ouverte";
    }
    return "Base de donnée " + cp1252ToUtf8(revisionBase);
}

Result<std::string> DatabaseRevision::check(const std::filesystem::path& referenceFile) {
    LineReader reader(referenceFile);
    std::string_view firstLine;
    if (reader.next(firstLine)) {
        Revision_Base = revisionText(firstLine);
    }
    if (reader.failure()) {
        return *reader.failure();
    }
    return revisionMessage(Revision_Base);
}

} // namespace orvel
