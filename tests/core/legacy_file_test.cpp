#include "data/legacy_file.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <string>

namespace {

namespace fs = std::filesystem;

// A fresh program directory for each test, removed afterwards.
class LegacyFile : public testing::Test {
protected:
    void SetUp() override {
        directory_ =
            fs::temp_directory_path() / ("orvel-legacy-" + std::to_string(std::random_device{}()));
        fs::create_directories(directory_);
    }
    void TearDown() override { fs::remove_all(directory_); }

    fs::path file(std::string_view name) const { return directory_ / name; }
    static void write(const fs::path& path) { std::ofstream(path) << "DFCF\r\n"; }

    fs::path directory_;
};

TEST_F(LegacyFile, IsDeletedAndNothingElse) {
    write(file("Liste_DFCF_Tornim.prn"));
    write(file("Liste_References.prn"));

    orvel::removeLegacyFile(directory_);

    EXPECT_FALSE(fs::exists(file("Liste_DFCF_Tornim.prn")));
    EXPECT_TRUE(fs::exists(file("Liste_References.prn")));
}

TEST_F(LegacyFile, MissingFileOrDirectoryIsNoError) {
    EXPECT_NO_THROW(orvel::removeLegacyFile(directory_));
    EXPECT_NO_THROW(orvel::removeLegacyFile(directory_ / "absent"));
    EXPECT_TRUE(fs::exists(directory_));
}

TEST_F(LegacyFile, UndeletableEntryIsLeftAloneWithoutError) {
    // A non-empty directory under the legacy name cannot be deleted as a file.
    fs::create_directory(file("Liste_DFCF_Tornim.prn"));
    write(file("Liste_DFCF_Tornim.prn") / "inside");

    EXPECT_NO_THROW(orvel::removeLegacyFile(directory_));

    EXPECT_TRUE(fs::exists(file("Liste_DFCF_Tornim.prn") / "inside"));
}

} // namespace
