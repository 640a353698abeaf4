#include "data/legacy_file.h"

#include "data/program_directory.h"

#include <system_error>

namespace orvel {

void removeLegacyFile(const std::filesystem::path& programDirectory) noexcept {
    std::error_code ignored;
    std::filesystem::remove(programFile(programDirectory, kLegacyFileName), ignored);
}

} // namespace orvel
