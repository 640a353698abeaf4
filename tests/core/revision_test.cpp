#include "data/cp1252.h"
#include "data/revision.h"
#include "reference_file_builder.h"

#include <gtest/gtest.h>

namespace {

using namespace orvel;
using orvel::testing::TemporaryReferenceFile;

std::string checked(DatabaseRevision& revision, const TemporaryReferenceFile& file) {
    const Result<std::string> message = revision.check(file.path());
    EXPECT_TRUE(message.ok());
    return message.ok() ? message.value() : std::string();
}

TEST(DatabaseRevision, TakesColumns7To30WithTheirBlanks) {
    TemporaryReferenceFile file;
    const std::string first = "HEADER" + utf8ToCp1252("Révision 12   du 01/11  ") + "0123456789";
    ASSERT_EQ(first.size(), 40U);
    file.writeLines({first, "second line"});
    DatabaseRevision revision;
    EXPECT_EQ(checked(revision, file), "Base de donnée Révision 12   du 01/11  ");
    EXPECT_EQ(revision.revisionBase(), utf8ToCp1252("Révision 12   du 01/11  "));
}

TEST(DatabaseRevision, ShortFirstLines) {
    TemporaryReferenceFile file;
    DatabaseRevision revision;
    file.writeLines({"123456"});
    EXPECT_EQ(checked(revision, file), "Base de donnée non ouverte");
    file.writeLines({"1234567"});
    EXPECT_EQ(checked(revision, file), "Base de donnée 7");
    file.writeLines({"123456789012"});
    EXPECT_EQ(checked(revision, file), "Base de donnée 789012");
}

TEST(DatabaseRevision, EmptyFileKeepsThePreviousRevisionOfTheRun) {
    TemporaryReferenceFile file;
    DatabaseRevision revision;
    file.writeBytes("");
    EXPECT_EQ(checked(revision, file), "Base de donnée non ouverte");
    file.writeLines({"      R2026-12"});
    EXPECT_EQ(checked(revision, file), "Base de donnée R2026-12");
    file.writeBytes("");
    EXPECT_EQ(checked(revision, file), "Base de donnée R2026-12");
    // A short first line is a line: it replaces the revision.
    file.writeLines({"abc"});
    EXPECT_EQ(checked(revision, file), "Base de donnée non ouverte");
}

TEST(DatabaseRevision, MissingFileIsAFailureAndKeepsTheRevision) {
    TemporaryReferenceFile file;
    DatabaseRevision revision;
    file.writeLines({"      R1"});
    EXPECT_EQ(checked(revision, file), "Base de donnée R1");
    std::filesystem::remove(file.path());
    const Result<std::string> message = revision.check(file.path());
    ASSERT_FALSE(message.ok());
    EXPECT_EQ(message.failure().kind, ReadFailure::Kind::Missing);
    EXPECT_EQ(revision.revisionBase(), "R1");
}

} // namespace
