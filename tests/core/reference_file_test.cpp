#include "data/reference_file.h"
#include "reference_file_builder.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using orvel::ReadFailure;
using orvel::testing::TemporaryProgramDirectory;

std::vector<std::string> linesOf(const TemporaryProgramDirectory& directory) {
    std::vector<std::string> lines;
    const auto failure = orvel::forEachLine(
        directory.referenceFile(), [&](std::string_view line) { lines.emplace_back(line); });
    EXPECT_FALSE(failure.has_value());
    return lines;
}

using Lines = std::vector<std::string>;

TEST(LineReader, EveryKindOfLineEndEndsALine) {
    TemporaryProgramDirectory directory;
    directory.writeBytes("crlf\r\nlf\nlone cr\rlast");
    EXPECT_EQ(linesOf(directory), (Lines{"crlf", "lf", "lone cr", "last"}));
}

TEST(LineReader, EmptyLinesAreLinesAndATerminatorIsNotALine) {
    TemporaryProgramDirectory directory;
    directory.writeBytes("a\r\n\r\n\nb\r\n");
    EXPECT_EQ(linesOf(directory), (Lines{"a", "", "", "b"}));
}

TEST(LineReader, EmptyFileHasNoLine) {
    TemporaryProgramDirectory directory;
    directory.writeBytes("");
    EXPECT_TRUE(linesOf(directory).empty());
}

TEST(LineReader, LinesAreCutAfterTheLastColumnOfARecord) {
    TemporaryProgramDirectory directory;
    const std::string longLine = std::string(137, 'x') + "yz";
    directory.writeBytes(longLine + "\r\nnext\r\n");
    EXPECT_EQ(linesOf(directory), (Lines{std::string(137, 'x') + "y", "next"}));
}

TEST(LineReader, LinesRunningAcrossReadBlocksComeWhole) {
    // Many lines of every length, so that line ends, CR LF pairs and long lines fall on the
    // boundaries of the reader's blocks.
    TemporaryProgramDirectory directory;
    std::string bytes;
    Lines expected;
    for (int i = 0; i < 20000; ++i) {
        std::string line(static_cast<std::size_t>(i % 301), static_cast<char>('a' + i % 26));
        bytes += line + (i % 3 == 0 ? "\n" : "\r\n");
        line.resize(std::min<std::size_t>(line.size(), orvel::kRecordLength));
        expected.push_back(line);
    }
    directory.writeBytes(bytes);
    EXPECT_EQ(linesOf(directory), expected);
}

TEST(LineReader, MissingFileIsReportedNotEmpty) {
    TemporaryProgramDirectory directory;
    bool sawLine = false;
    const auto failure =
        orvel::forEachLine(directory.referenceFile(), [&](std::string_view) { sawLine = true; });
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->kind, ReadFailure::Kind::Missing);
    EXPECT_FALSE(sawLine);
}

TEST(LineReader, FailureMessageNamesTheFileAndItsDirectory) {
    const ReadFailure missing{ReadFailure::Kind::Missing, "/opt/orvel/Liste_References.prn"};
    EXPECT_EQ(orvel::failureMessage(missing),
              "Le fichier des références Liste_References.prn est introuvable dans le "
              "répertoire /opt/orvel.");
    const ReadFailure unreadable{ReadFailure::Kind::Unreadable, "/opt/orvel/Liste_References.prn"};
    EXPECT_EQ(orvel::failureMessage(unreadable),
              "Le fichier des références Liste_References.prn du répertoire /opt/orvel ne peut "
              "pas être lu.");
}

} // namespace
