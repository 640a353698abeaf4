#pragma once

#include <filesystem>
#include <string_view>

namespace orvel {

// The directory that holds the running executable, where the program keeps its data, its help
// and the legacy file; the working directory does not matter.
std::filesystem::path programDirectory();

// A file of the program's directory. The program names its files as directory, backslash,
// name; on this system the separator is the native one.
std::filesystem::path programFile(const std::filesystem::path& directory, std::string_view name);

} // namespace orvel
