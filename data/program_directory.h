#pragma once

#include <filesystem>

namespace orvel {

// The directory that holds the running executable, where the program keeps its data, its help
// and the legacy file; the working directory does not matter.
std::filesystem::path programDirectory();

} // namespace orvel
