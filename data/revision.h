#pragma once

#include "data/read_failure.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace orvel {

// Columns 7 to 30 of the header line, unchanged, up to a NUL byte: empty for a line shorter than
// 7 characters.
std::string_view revisionText(std::string_view headerLine);

// "Base de donnée " and the revision, or "Base de donnée non ouverte" when it is empty (UTF-8).
std::string revisionMessage(std::string_view revisionBase);

// The database revision check. Revision_Base lives as long as the program: an empty file
// leaves the revision of the previous check in place.
class DatabaseRevision {
public:
    // Reads the file's first line and returns the message to show.
    Result<std::string> check(const std::filesystem::path& referenceFile);

    [[nodiscard]] const std::string& revisionBase() const { return Revision_Base; }

private:
    std::string Revision_Base; // Windows-1252 bytes
};

} // namespace orvel
