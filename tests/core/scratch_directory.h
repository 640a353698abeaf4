#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace orvel::testing {

// A fresh directory under the system's temporary directory, removed with everything in it when
// the test ends, so that hostile files never outlive the test that made them.
class ScratchDirectory {
public:
    ScratchDirectory() {
        std::string pattern = (std::filesystem::temp_directory_path() / "orvel-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~ScratchDirectory() {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    [[nodiscard]] const std::filesystem::path& path() const { return path_; }

    // The reference file's place in this directory.
    [[nodiscard]] std::filesystem::path referenceFile() const {
        return path_ / "Liste_References.prn";
    }

    // Writes the bytes as the reference file, replacing any earlier one.
    std::filesystem::path writeReferenceFile(std::string_view bytes) const {
        const std::filesystem::path file = referenceFile();
        std::ofstream(file, std::ios::binary | std::ios::trunc)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return file;
    }

private:
    std::filesystem::path path_;
};

} // namespace orvel::testing
