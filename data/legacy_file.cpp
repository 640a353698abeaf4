#include "data/legacy_file.h"

#include <system_error>

namespace orvel {

void removeLegacyFile(const std::filesystem::path& programDirectory) noexcept {
    std::error_code ignored;
    std::filesystem::remove(programDirectory / kLegacyFileName, ignored);
}

} // namespace orvel
