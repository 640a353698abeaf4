#pragma once

#include <filesystem>
#include <string_view>

namespace orvel {

// A data file of earlier versions, left in the program's directory; nothing reads it any more.
inline constexpr std::string_view kLegacyFileName = "Liste_DFCF_Tornim.prn";

// Deletes the legacy file from the program's directory. Whatever goes wrong (no such file, a
// file that cannot be deleted) is skipped without a word: the user has nothing to do about it.
void removeLegacyFile(const std::filesystem::path& programDirectory) noexcept;

} // namespace orvel
