#include "data/cp1252.h"
#include "data/revision.h"
#include "expect_value.h"
#include "reference_file_builder.h"

#include <gtest/gtest.h>

namespace {

using namespace orvel;
using orvel::testing::expectValue;
using orvel::testing::TemporaryProgramDirectory;

std::string checked(DatabaseRevision& revision, const TemporaryProgramDirectory& directory) {
    return expectValue(revision.check(directory.referenceFile()));
}

TEST(DatabaseRevision, TakesColumns7To30WithTheirBlanks) {
    TemporaryProgramDirectory directory;
    const std::string first = "HEADER" + utf8ToCp1252("Révision 12   du 01/11  ") + "0123456789";
    ASSERT_EQ(first.size(), 40U);
    directory.writeLines({first, "second line"});
    DatabaseRevision revision;
    EXPECT_EQ(checked(revision, directory), "Base de donnée Révision 12   du 01/11  ");
    EXPECT_EQ(revision.revisionBase(), utf8ToCp1252("Révision 12   du 01/11  "));
}

TEST(DatabaseRevision, ShortFirstLines) {
    TemporaryProgramDirectory directory;
    DatabaseRevision revision;
    directory.writeLines({"123456"});
    EXPECT_EQ(checked(revision, directory), "Base de donnée non ouverte");
    directory.writeLines({"1234567"});
    EXPECT_EQ(checked(revision, directory), "Base de donnée 7");
    directory.writeLines({"123456789012"});
    EXPECT_EQ(checked(revision, directory), "Base de donnée 789012");
}

TEST(DatabaseRevision, EmptyFileKeepsThePreviousRevisionOfTheRun) {
    TemporaryProgramDirectory directory;
    DatabaseRevision revision;
    directory.writeBytes("");
    EXPECT_EQ(checked(revision, directory), "Base de donnée non ouverte");
    directory.writeLines({"      R2026-12"});
    EXPECT_EQ(checked(revision, directory), "Base de donnée R2026-12");
    directory.writeBytes("");
    EXPECT_EQ(checked(revision, directory), "Base de donnée R2026-12");
    // A short first line is a line: it replaces the revision.
    directory.writeLines({"abc"});
    EXPECT_EQ(checked(revision, directory), "Base de donnée non ouverte");
}

TEST(DatabaseRevision, MissingFileIsAFailureAndKeepsTheRevision) {
    TemporaryProgramDirectory directory;
    DatabaseRevision revision;
    directory.writeLines({"      R1"});
    EXPECT_EQ(checked(revision, directory), "Base de donnée R1");
    std::filesystem::remove(directory.referenceFile());
    const Result<std::string> message = revision.check(directory.referenceFile());
    ASSERT_FALSE(message.ok());
    EXPECT_EQ(message.failure().kind, ReadFailure::Kind::Missing);
    EXPECT_EQ(revision.revisionBase(), "R1");
}

} // namespace
