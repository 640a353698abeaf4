#include "data/cp1252.h"
#include "data/revision.h"
#include "tests/support/reference_file_builder.h"

#include <gtest/gtest.h>

namespace orvel {
namespace {

// Revision_Base lives as long as the program: each check in turn, on the file as it is then.
TEST(DatabaseRevision, ColumnsSevenToThirtyOfTheFirstLine) {
    testing::TemporaryProgramDirectory directory;
    DatabaseRevision revision;
    const auto check = [&](const std::string& bytes) {
        const auto message = revision.check(directory.writeBytes(bytes));
        return message.ok() ? message.value() : failureMessage(message.failure());
    };
    const std::pair<std::string, std::string> steps[] = {
        {"", "Base de donnée non ouverte"},
        {"HEADER" + utf8ToCp1252("Révision 12   du 01/11  ") + "0123456789\r\nsecond\r\n",
         "Base de donnée Révision 12   du 01/11  "},
        {"", "Base de donnée Révision 12   du 01/11  "}, // an empty file keeps it
        {"1234567", "Base de donnée 7"},
        {"123456\r\n", "Base de donnée non ouverte"},          // a short first line is a line
        {std::string(40, '\0'), "Base de donnée non ouverte"}, // zeros hold no text
        {std::string("HEADERR2\0 ", 10), "Base de donnée R2"},
        {"      R\x81\r\n", "Base de donnée R\uFFFD"},
    };
    for (const auto& [bytes, message] : steps) {
        EXPECT_EQ(check(bytes), message);
    }
    std::filesystem::remove(directory.referenceFile());
    EXPECT_FALSE(revision.check(directory.referenceFile()).ok());
    EXPECT_EQ(revision.revisionBase(), "R\x81");
}

} // namespace
} // namespace orvel
