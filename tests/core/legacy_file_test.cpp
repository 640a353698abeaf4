#include "data/legacy_file.h"
#include "tests/support/reference_file_builder.h"

#include <gtest/gtest.h>

namespace orvel {
namespace {

namespace fs = std::filesystem;

TEST(LegacyFile, IsDeletedAndNothingElseWhateverStandsThere) {
    testing::TemporaryProgramDirectory program;
    const fs::path legacy = program.directory() / "Liste_DFCF_Tornim.prn";
    std::ofstream(legacy) << "DFCF\r\n";
    program.writeLines({"DFCF"});
    removeLegacyFile(program.directory());
    EXPECT_FALSE(fs::exists(legacy));
    EXPECT_TRUE(fs::exists(program.referenceFile()));

    // Nothing to delete, or something that cannot be deleted: skipped without a word.
    removeLegacyFile(program.directory());
    removeLegacyFile(program.directory() / "absent");
    fs::create_directories(legacy / "inside");
    removeLegacyFile(program.directory());
    EXPECT_TRUE(fs::exists(legacy / "inside"));
}

} // namespace
} // namespace orvel
