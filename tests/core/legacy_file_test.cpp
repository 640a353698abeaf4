#include "data/legacy_file.h"
#include "reference_file_builder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

namespace {

namespace fs = std::filesystem;

// A fresh program directory for each test, removed afterwards.
class LegacyFile : public testing::Test {
protected:
    fs::path file(std::string_view name) const { return directory() / name; }
    const fs::path& directory() const { return program_.directory(); }
    static void write(const fs::path& path) { std::ofstream(path) << "DFCF\r\n"; }

    orvel::testing::TemporaryProgramDirectory program_;
};

TEST_F(LegacyFile, IsDeletedAndNothingElse) {
    write(file("Liste_DFCF_Tornim.prn"));
    write(file("Liste_References.prn"));

    orvel::removeLegacyFile(directory());

    EXPECT_FALSE(fs::exists(file("Liste_DFCF_Tornim.prn")));
    EXPECT_TRUE(fs::exists(file("Liste_References.prn")));
}

TEST_F(LegacyFile, MissingFileOrDirectoryIsNoError) {
    EXPECT_NO_THROW(orvel::removeLegacyFile(directory()));
    EXPECT_NO_THROW(orvel::removeLegacyFile(directory() / "absent"));
    EXPECT_TRUE(fs::exists(directory()));
}

TEST_F(LegacyFile, UndeletableEntryIsLeftAloneWithoutError) {
    // A non-empty directory under the legacy name cannot be deleted as a file.
    fs::create_directory(file("Liste_DFCF_Tornim.prn"));
    write(file("Liste_DFCF_Tornim.prn") / "inside");

    EXPECT_NO_THROW(orvel::removeLegacyFile(directory()));

    EXPECT_TRUE(fs::exists(file("Liste_DFCF_Tornim.prn") / "inside"));
}

} // namespace
