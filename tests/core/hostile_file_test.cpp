// What the user sees when the reference file is missing, unreadable, damaged or absurdly large:
// a result or a French message, never a crash, a hang or a memory blow-up.

#include "data/cp1252.h"
#include "data/revision.h"
#include "expect_value.h"
#include "listing/detail_fields.h"
#include "listing/listing.h"
#include "reference_file_builder.h"
#include "search/search_engine.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <pwd.h>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace orvel {
namespace {

using testing::expectValue;
using testing::headerLine;
using testing::joinLines;
using testing::recordLine;
using testing::TemporaryProgramDirectory;

constexpr std::array kEveryOrder = {ListingOrder::Commune, ListingOrder::Reference,
                                    ListingOrder::Canton, ListingOrder::PostalCode};

std::string missingMessage(const TemporaryProgramDirectory& program) {
    return "Le fichier des références Liste_References.prn est introuvable dans le répertoire " +
           program.directory().string() + ".";
}

std::string unreadableMessage(const TemporaryProgramDirectory& program) {
    return "Le fichier des références Liste_References.prn du répertoire " +
           program.directory().string() + " ne peut pas être lu.";
}

// The message box text of an operation on the file, or empty when it produced its result.
template <class T> std::string messageOf(const Result<T>& result) {
    return result.ok() ? std::string() : failureMessage(result.failure());
}

// Every operation that reads the file must show the same failure message.
void expectEveryOperationShows(const std::filesystem::path& file, const std::string& message) {
    for (const ListingOrder order : kEveryOrder) {
        EXPECT_EQ(messageOf(buildListing(order, file, "DFCF", "00")), message);
        EXPECT_EQ(messageOf(buildListing(order, file, "****", "00")), message);
    }
    EXPECT_EQ(messageOf(Cherche_Ref(SearchCriterion::Commune, "", file)), message);
    EXPECT_EQ(messageOf(DatabaseRevision().check(file)), message);
}

Listing listingOf(ListingOrder order, const std::filesystem::path& file, std::string_view diploma,
                  std::string_view department) {
    return expectValue(buildListing(order, file, diploma, department));
}

// The count caption of the listing of every department's records.
std::string captionOf(ListingOrder order, const std::filesystem::path& file,
                      std::string_view diploma) {
    return countCaption(listingOf(order, file, diploma, "00"), diploma);
}

std::string revisionOf(const std::filesystem::path& file) {
    DatabaseRevision revision;
    return expectValue(revision.check(file));
}

LineList searchOf(SearchCriterion criterion, std::string_view text,
                  const std::filesystem::path& file) {
    return expectValue(Cherche_Ref(criterion, text, file));
}

std::vector<std::string> linesOf(const LineList& list) {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < list.size(); ++i) {
        lines.emplace_back(list[i]);
    }
    return lines;
}

// Three ordinary records of the Finistère.
std::vector<std::string> sampleRecords() {
    return {recordLine({}),
            recordLine({"QUIMPER", "DMF", "29-002", "Moulin", "Moulin du Stang", "01/05/2008",
                        "29000", "Quimper-1 2910"}),
            recordLine({.commune = "MORLAIX",
                        .reference = "29-003",
                        .postalCode = "29600",
                        .canton = "Morlaix 2915"})};
}

TEST(HostileFile, MissingFileShowsWhereItWasLookedFor) {
    TemporaryProgramDirectory directory;
    expectEveryOperationShows(directory.referenceFile(), missingMessage(directory));
}

// A directory, a named pipe with no writer or a device that never ends in place of the file: the
// program would fail or wait for ever, so only a regular file may be read.
TEST(HostileFile, DirectoryPipeOrDeviceInPlaceOfTheFileIsUnreadable) {
    TemporaryProgramDirectory folder;
    std::filesystem::create_directory(folder.referenceFile());
    TemporaryProgramDirectory pipe;
    ASSERT_EQ(::mkfifo(pipe.referenceFile().c_str(), 0600), 0);
    TemporaryProgramDirectory device;
    std::filesystem::create_symlink("/dev/zero", device.referenceFile());
    for (const TemporaryProgramDirectory* directory : {&folder, &pipe, &device}) {
        expectEveryOperationShows(directory->referenceFile(), unreadableMessage(*directory));
    }
}

// Runs the look in a child process that has traded root's rights for those of "nobody", and
// returns what it saw; none when the rights cannot be dropped.
std::optional<std::string> seenWithoutRootRights(const std::function<std::string()>& look) {
    const passwd* nobody = ::getpwnam("nobody");
    std::array<int, 2> pipe{};
    if (nobody == nullptr || ::pipe(pipe.data()) != 0) {
        return std::nullopt;
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipe[0]);
        if (::setgid(nobody->pw_gid) == 0 && ::setuid(nobody->pw_uid) == 0) {
            const std::string seen = look();
            [[maybe_unused]] const auto written = ::write(pipe[1], seen.data(), seen.size());
            ::_exit(0);
        }
        ::_exit(1);
    }
    ::close(pipe[1]);
    std::string seen;
    std::array<char, 512> chunk{};
    for (ssize_t count; (count = ::read(pipe[0], chunk.data(), chunk.size())) > 0;) {
        seen.append(chunk.data(), static_cast<std::size_t>(count));
    }
    ::close(pipe[0]);
    int status = 0;
    const bool lookedWithoutRights = child != -1 && ::waitpid(child, &status, 0) == child &&
                                     WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return lookedWithoutRights ? std::optional(seen) : std::nullopt;
}

// Root reads anything, so as root the check runs in a child process that has given up its rights.
TEST(HostileFile, FileWithoutReadPermissionIsUnreadable) {
    TemporaryProgramDirectory directory;
    const auto file = directory.writeLines(sampleRecords());
    std::filesystem::permissions(directory.directory(), std::filesystem::perms::all);
    std::filesystem::permissions(file, std::filesystem::perms::none);
    const auto look = [&file] {
        return messageOf(buildListing(ListingOrder::Commune, file, "****", "00")) + "|" +
               messageOf(Cherche_Ref(SearchCriterion::Commune, "", file)) + "|" +
               messageOf(DatabaseRevision().check(file));
    };
    const std::string unreadable = unreadableMessage(directory);
    const std::string expected = unreadable + "|" + unreadable + "|" + unreadable;
    if (::geteuid() != 0) {
        EXPECT_EQ(look(), expected);
        return;
    }
    const std::optional<std::string> seen = seenWithoutRootRights(look);
    if (!seen) {
        GTEST_SKIP() << "running as root and unable to drop the rights";
    }
    EXPECT_EQ(*seen, expected);
}

TEST(HostileFile, EmptyFileListsNothingAndHasNoRevision) {
    TemporaryProgramDirectory directory;
    const auto file = directory.writeBytes("");
    for (const ListingOrder order : kEveryOrder) {
        const Listing listing = listingOf(order, file, "****", "00");
        EXPECT_TRUE(listing.lines.empty());
        EXPECT_EQ(countCaption(listing, "****"), "0 Rérérences **** sur 0");
    }
    EXPECT_TRUE(searchOf(SearchCriterion::Commune, "", file).empty());
    EXPECT_EQ(revisionOf(file), "Base de donnée non ouverte");
}

// The header line is read like a record: under "****" it is listed, under a diploma it is only
// counted; the revision check takes its columns 7 to 30.
TEST(HostileFile, HeaderAloneWithOrWithoutTerminator) {
    const std::string header = headerLine("R\xE9vision 2026-12");
    for (const std::string_view terminator : {"\r\n", ""}) {
        SCOPED_TRACE(terminator.empty() ? "no terminator" : "CR LF");
        TemporaryProgramDirectory directory;
        const auto file = directory.writeBytes(header + std::string(terminator));
        for (const ListingOrder order : kEveryOrder) {
            EXPECT_EQ(captionOf(order, file, "****"), "1 Rérérences **** sur 1");
            EXPECT_EQ(captionOf(order, file, "DFCF"), "0 Rérérences DFCF sur 1");
        }
        EXPECT_EQ(searchOf(SearchCriterion::Commune, "r\xE9vision", file).size(), 1U);
        EXPECT_EQ(revisionOf(file), "Base de donnée Révision 2026-12");
    }
}

// A file saved by another system: the same records give the same listings and searches whatever
// ends their lines, and a lone CR never makes an extra empty line.
TEST(HostileFile, LineFeedOnlyAndCarriageReturnOnlyFilesReadAsCrLf) {
    std::vector<std::string> lines = sampleRecords();
    lines.insert(lines.begin(), headerLine("R\xE9vision 2026-12"));
    TemporaryProgramDirectory reference;
    const auto crLfFile = reference.writeLines(lines);
    for (const std::string_view terminator : {"\n", "\r"}) {
        SCOPED_TRACE(terminator == "\n" ? "LF" : "CR");
        TemporaryProgramDirectory directory;
        const auto file = directory.writeBytes(joinLines(lines, terminator));
        for (const ListingOrder order : kEveryOrder) {
            const Listing expected = listingOf(order, crLfFile, "DFCF", "29");
            const Listing actual = listingOf(order, file, "DFCF", "29");
            EXPECT_EQ(linesOf(actual.lines), linesOf(expected.lines));
            EXPECT_EQ(countCaption(actual, "DFCF"), "2 Rérérences DFCF sur 4");
        }
        EXPECT_EQ(linesOf(searchOf(SearchCriterion::PostalCode, "29", file)),
                  linesOf(searchOf(SearchCriterion::PostalCode, "29", crLfFile)));
    }
}

// A NUL is one more character: the columns after it stay where they are.
TEST(HostileFile, NulByteInsideLineKeepsTheColumns) {
    TemporaryProgramDirectory directory;
    const std::string commune("BR\0ST", 5);
    const auto file = directory.writeLines({recordLine({.commune = commune})});

    const Listing listing = listingOf(ListingOrder::Commune, file, "DFCF", "29");
    ASSERT_EQ(listing.lines.size(), 1U);
    const std::string_view line = listing.lines[0];
    EXPECT_EQ(line.size(), 136U);
    EXPECT_EQ(line.substr(0, 5), commune);
    const DetailFields detail = cutCommuneLine(line);
    EXPECT_EQ(detail.commune, commune);
    EXPECT_EQ(detail.postalCode, "29200");
    EXPECT_EQ(detail.cantonName, "Brest-Centre");
    EXPECT_EQ(detail.observation, "01/05/2008");

    const LineList found = searchOf(SearchCriterion::Commune, "st", file);
    ASSERT_EQ(found.size(), 1U);
    EXPECT_EQ(found[0].size(), 118U);
    EXPECT_EQ(found[0].substr(79, 5), "29200");
}

// A line of 10,000 characters costs no more than a record: it is cut after column 138 and the
// next line is read as usual, terminated or not.
TEST(HostileFile, VeryLongLinesAreCutAndTheNextLineIsIntact) {
    const std::string longRecord = recordLine({.commune = "LONGUEVILLE"}) + std::string(9862, 'X');
    ASSERT_EQ(longRecord.size(), 10000U);
    TemporaryProgramDirectory directory;
    const auto file =
        directory.writeBytes(longRecord + "\r\n" + recordLine({}) + "\r\n" + longRecord);

    const Listing listing = listingOf(ListingOrder::Commune, file, "DFCF", "29");
    EXPECT_EQ(countCaption(listing, "DFCF"), "3 Rérérences DFCF sur 3");
    for (const std::string& line : linesOf(listing.lines)) {
        EXPECT_EQ(line.size(), 136U);
        EXPECT_EQ(cutCommuneLine(line).observation, "01/05/2008");
        EXPECT_EQ(line.find('X'), std::string::npos);
    }
    EXPECT_EQ(listing.lines[0].substr(0, 5), "BREST");

    const LineList found = searchOf(SearchCriterion::Commune, "LONGUEVILLE", file);
    ASSERT_EQ(found.size(), 2U);
    EXPECT_EQ(found[0].size(), 118U);
}

// The five bytes that Windows-1252 leaves undefined show as U+FFFD wherever text reaches the user.
TEST(HostileFile, UndefinedWindows1252BytesShowAsReplacementCharacters) {
    const std::string undefined = "\x81\x8D\x8F\x90\x9D";
    const std::string fiveReplacements = "\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD";
    TemporaryProgramDirectory directory;
    const auto file =
        directory.writeLines({headerLine("Rev " + undefined),
                              recordLine({.commune = undefined, .canton = undefined + " 2905"})});

    const Listing listing = listingOf(ListingOrder::Commune, file, "DFCF", "29");
    ASSERT_EQ(listing.lines.size(), 1U);
    EXPECT_TRUE(cp1252ToUtf8(listing.lines[0]).starts_with(fiveReplacements));
    EXPECT_EQ(cp1252ToUtf8(cutCommuneLine(listing.lines[0]).cantonName), fiveReplacements);

    const LineList found = searchOf(SearchCriterion::Canton, undefined, file);
    ASSERT_EQ(found.size(), 1U);
    EXPECT_TRUE(cp1252ToUtf8(found[0]).starts_with(fiveReplacements));

    EXPECT_EQ(revisionOf(file), "Base de donnée Rev " + fiveReplacements);
}

// A file saved in UTF-8 by mistake: accented letters take two bytes and show as two wrong
// characters, and the fields after them move right, but every line is still read and listed.
TEST(HostileFile, Utf8FileByMistakeShowsWrongAccentsWithTheSameCounts) {
    const std::string windowsBytes = joinLines(
        std::vector{headerLine("R\xE9vision 2026-12"),
                    recordLine({.commune = "PLOUGONVELIN-\xC9GLISE", .canton = "Ch\xE2teau 2905"}),
                    recordLine({.commune = "MORLAIX", .activityName = "Ch\xE2teau du Taureau"}),
                    recordLine({})},
        "\r\n");
    TemporaryProgramDirectory windows;
    const auto windowsFile = windows.writeBytes(windowsBytes);
    TemporaryProgramDirectory utf8;
    const auto utf8File = utf8.writeBytes(cp1252ToUtf8(windowsBytes));

    for (const ListingOrder order : kEveryOrder) {
        for (const std::string_view diploma : {"****", "DFCF"}) {
            EXPECT_EQ(captionOf(order, utf8File, diploma), captionOf(order, windowsFile, diploma));
        }
    }
    const Listing listing = listingOf(ListingOrder::Commune, utf8File, "****", "00");
    EXPECT_EQ(countCaption(listing, "****"), "4 Rérérences **** sur 4");
    EXPECT_TRUE(std::ranges::any_of(linesOf(listing.lines), [](const std::string& line) {
        return cp1252ToUtf8(line).starts_with("PLOUGONVELIN-Ã‰GLISE");
    }));
    EXPECT_EQ(searchOf(SearchCriterion::Commune, "PLOUGONVELIN", utf8File).size(), 1U);
}

// Nothing is kept between two operations: the next listing reads what the file holds now.
TEST(HostileFile, FileReplacedOrTruncatedBetweenTwoListingsIsReadAnew) {
    TemporaryProgramDirectory directory;
    const std::vector<std::string> records = sampleRecords();
    const auto file = directory.writeLines(records);
    EXPECT_EQ(captionOf(ListingOrder::Commune, file, "DFCF"), "2 Rérérences DFCF sur 3");

    TemporaryProgramDirectory elsewhere;
    const auto replacement = elsewhere.writeLines({records[0], records[0], records[0], records[0]});
    std::filesystem::rename(replacement, file);
    EXPECT_EQ(captionOf(ListingOrder::Reference, file, "DFCF"), "4 Rérérences DFCF sur 4");

    // Cut in the middle of the second record: what is left of it is a short line.
    std::filesystem::resize_file(file, 140 + 50);
    EXPECT_EQ(captionOf(ListingOrder::Canton, file, "****"), "2 Rérérences **** sur 2");
    EXPECT_EQ(searchOf(SearchCriterion::Commune, "BREST", file).size(), 2U);

    std::filesystem::resize_file(file, 0);
    EXPECT_EQ(captionOf(ListingOrder::PostalCode, file, "DFCF"), "0 Rérérences DFCF sur 0");
}

std::uint64_t peakResidentKilobytes() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return static_cast<std::uint64_t>(usage.ru_maxrss);
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
constexpr bool kSanitized = __has_feature(address_sanitizer);
#else
constexpr bool kSanitized = false;
#endif

// Writes copies of the line, then one line of lastLineSize bytes without a terminator, up to
// fileSize bytes; returns the number of lines, or 0 when the file could not be written.
std::uint64_t writeLargeFile(const std::filesystem::path& file, std::string_view line,
                             std::uint64_t fileSize, std::uint64_t lastLineSize) {
    constexpr std::uint64_t kLinesPerBlock = 8192;
    std::string block;
    for (std::uint64_t i = 0; i < kLinesPerBlock; ++i) {
        block += line;
    }
    std::ofstream out(file, std::ios::binary);
    std::uint64_t written = 0;
    std::uint64_t lineCount = 0;
    while (written + block.size() <= fileSize - lastLineSize) {
        out.write(block.data(), static_cast<std::streamsize>(block.size()));
        written += block.size();
        lineCount += kLinesPerBlock;
    }
    const std::string filler(1 << 20, 'X');
    for (; written < fileSize; written += filler.size()) {
        out.write(filler.data(), static_cast<std::streamsize>(filler.size()));
    }
    out.close();
    return out.good() ? lineCount + 1 : 0;
}

// A gigabyte of records the listing does not select, ending with a line of a quarter of the file
// and no terminator: the memory used must follow the output (nothing here), not the file nor its
// longest line. The lines are 139 bytes, an odd length, so CR LF pairs fall across every
// boundary of the reader's blocks. Under the sanitizers, which slow reading tenfold, 128 MB
// make the same point.
TEST(HostileFile, GigabyteFileKeepsMemoryBoundedByTheOutput) {
    const std::uint64_t fileSize = kSanitized ? (128ULL << 20) : (1ULL << 30);
    const std::uint64_t lastLineSize = fileSize / 4;
    const std::uint64_t allowedGrowthKilobytes =
        std::min(fileSize / 8, std::uint64_t{64} << 20) / 1024;
    const std::string line = recordLine({.diploma = "DMF"}).substr(0, 137) + "\r\n";

    TemporaryProgramDirectory directory;
    const auto file = directory.referenceFile();
    const std::uint64_t lineCount = writeLargeFile(file, line, fileSize, lastLineSize);
    ASSERT_NE(lineCount, 0U) << "no room for the large file";

    const std::uint64_t before = peakResidentKilobytes();
    const Listing listing = listingOf(ListingOrder::Commune, file, "DFCF", "00");
    EXPECT_EQ(listing.listedCount, 0U);
    EXPECT_EQ(listing.readCount, lineCount);
    EXPECT_TRUE(searchOf(SearchCriterion::Commune, "QUIMPER", file).empty());
    EXPECT_LT(peakResidentKilobytes() - before, allowedGrowthKilobytes);
}

} // namespace
} // namespace orvel
