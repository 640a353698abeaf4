// Reading the reference file: every line as written, whatever ends it and
// however long; a file that cannot be read is reported by every operation,
// which never changes the file or keeps it; the revision of its first line.

#include "data/cp1252.h"
#include "data/reference_file.h"
#include "data/revision.h"
#include "listing/listing.h"
#include "search/search_engine.h"
#include "tests/support/reference_file_builder.h"

#include <chrono>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <random>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace orvel {
namespace {

using Lines = std::vector<std::string>;
using testing::TemporaryProgramDirectory;

// A deliberately plain reading: CR LF, LF and a lone CR each end a line, every
// line is cut after column 138, and the last line may lack its terminator.
Lines plainReading(const std::string& bytes) {
    Lines lines(1);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' || bytes[i] == '\n') {
            i += bytes.compare(i, 2, "\r\n") == 0 ? 1 : 0;
            lines.emplace_back();
        } else if (lines.back().size() < kRecordLength) {
            lines.back() += bytes[i];
        }
    }
    if (bytes.empty() || bytes.back() == '\r' || bytes.back() == '\n') {
        lines.pop_back(); // no line after the last end, none at all in an empty file
    }
    return lines;
}

// Lines of every length up to 600, NULs among them, with every kind of end: a
// few megabytes, read in blocks sized from the file (256 KiB) and in blocks
// shorter than a record, so that lines and CR LF pairs fall across blocks.
TEST(LineReader, ReadsWhatAPlainReadingReads) {
    std::mt19937 random(7);
    // A CR ends the reader's first block, its LF begins the next, an empty line follows.
    std::string bytes = std::string(std::size_t{256} * 1024 - 1, 'a') + "\r\n\n\rb\r";
    for (int i = 0; i < 20000; ++i) {
        const std::size_t length = random() % 4 == 0 ? random() % 600 : random() % 150;
        bytes.append(length, static_cast<char>(random() % 2 == 0 ? 'a' + i % 26 : '\0'));
        bytes += std::array{"\r\n", "\n", "\r"}[random() % 3];
    }
    for (const std::string& file : {bytes + "last", std::string(), std::string("last\r"),
                                    std::string("\r\n\r\n\n\r"), std::string("a\r\n\rb")}) {
        TemporaryProgramDirectory directory;
        for (const std::size_t blockSize : {kBlockFromFileSize, std::size_t{100}}) {
            Lines lines;
            EXPECT_FALSE(forEachLine(
                directory.writeBytes(file),
                [&](std::string_view line) { lines.emplace_back(line); }, blockSize));
            EXPECT_EQ(lines, plainReading(file));
        }
    }
}

// A file cut short while it is read, as a copy over it does, is a failure to
// read it wherever the cut falls, even in its last block, and whether it is
// named or is standard input; the lines read before are whole lines of the
// file. Standard input is read from where it stands in its file.
TEST(LineReader, AFileCutShortWhileReadIsAFailureToReadIt) {
    constexpr std::size_t kLines = 4000;
    constexpr std::size_t kBytes = kLines * 136;
    Lines written;
    for (std::size_t i = 0; i < kLines; ++i) {
        written.push_back(std::to_string(10000 + i).append(129, 'x')); // 136 bytes with CR LF
    }
    struct Reading {
        std::optional<std::size_t> inputAt; // the line standard input stands at, or a named file
        std::size_t blockSize;
        std::size_t cutTo; // when the first line is read
        std::size_t linesRead;
    };
    for (const Reading r :
         {Reading{{}, 4096, 1000, 4096 / 136}, Reading{{}, 4096, kBytes - 100, kLines - 1},
          Reading{{}, kBlockFromFileSize, kBytes - 2, kLines - 1},
          Reading{0, kBlockFromFileSize, kBytes / 2, kLines / 2},
          Reading{1, 4096, kBytes, kLines - 1}}) {
        TemporaryProgramDirectory directory;
        const auto file = directory.writeLines(written);
        const std::size_t first = r.inputAt.value_or(0);
        const int input = ::dup(STDIN_FILENO);
        const int opened = ::open(file.c_str(), O_RDONLY);
        ::lseek(opened, static_cast<off_t>(first * 136), SEEK_SET);
        ::dup2(opened, STDIN_FILENO);
        ::close(opened);
        Lines lines;
        const auto failure = forEachLine(
            r.inputAt ? std::filesystem::path(kStandardInput) : file,
            [&](std::string_view line) {
                if (lines.empty()) {
                    std::filesystem::resize_file(file, r.cutTo);
                }
                lines.emplace_back(line);
            },
            r.blockSize);
        EXPECT_NE(::fcntl(STDIN_FILENO, F_GETFD), -1); // standard input stays open
        ::dup2(input, STDIN_FILENO);
        ::close(input);
        EXPECT_EQ(failure && failure->kind == ReadFailure::Kind::Unreadable, r.cutTo < kBytes)
            << r.cutTo;
        ASSERT_EQ(lines.size(), r.linesRead) << r.cutTo;
        EXPECT_TRUE(std::equal(lines.begin(), lines.end(), written.begin() + first));
    }
}

std::uint64_t bytesReadSoFar() {
    std::ifstream io("/proc/self/io");
    std::string key;
    std::uint64_t value = 0;
    while (io >> key >> value && key != "rchar:") {
    }
    return value;
}

template <class T> std::optional<ReadFailure> failureOf(const Result<T>& result) {
    return result.ok() ? std::nullopt : std::optional(result.failure());
}

// Every operation that reads the file; each gives its failure, if any.
std::vector<std::function<std::optional<ReadFailure>(const std::filesystem::path&)>> everyRead() {
    std::vector<std::function<std::optional<ReadFailure>(const std::filesystem::path&)>> reads{
        [](const auto& file) { return failureOf(Cherche_Ref(SearchCriterion::Commune, "", file)); },
        [](const auto& file) { return failureOf(DatabaseRevision().check(file)); }};
    for (const ListingOrderRow& row : kListingOrders) {
        for (const std::string_view diploma : {"DFCF", "****"}) {
            reads.emplace_back([=, order = row.order](const auto& file) {
                return failureOf(buildListing(order, file, diploma, "00"));
            });
        }
    }
    return reads;
}

// The failure that every read reports, or "different" unless all agree.
std::string failureSeenBy(const std::filesystem::path& file) {
    std::set<std::string> seen;
    for (const auto& read : everyRead()) {
        const auto failure = read(file);
        seen.insert(!failure                                      ? "none"
                    : failure->path != file                       ? "another path"
                    : failure->kind == ReadFailure::Kind::Missing ? "missing"
                                                                  : "unreadable");
    }
    return seen.size() == 1 ? *seen.begin() : "different";
}

// A directory, a named pipe with no writer, a device that never ends or a loop
// of links in place of the file: only a regular file is read, and nothing waits
// for ever; a readable file is read and left as it was.
TEST(ReadFailure, EveryReadReportsWhyTheFileCannotBeReadAndChangesNothing) {
    TemporaryProgramDirectory directory;
    const auto file = directory.referenceFile();
    const std::pair<std::function<void()>, const char*> places[] = {
        {[] {}, "missing"},
        {[&] { directory.writeBytes(""); }, "none"},
        {[&] { std::filesystem::create_directory(file); }, "unreadable"},
        {[&] { ::mkfifo(file.c_str(), 0600); }, "unreadable"},
        {[&] { std::filesystem::create_symlink("/dev/zero", file); }, "unreadable"},
        {[&] { std::filesystem::create_symlink(file, file); }, "unreadable"},
    };
    for (const auto& [put, seen] : places) {
        std::filesystem::remove(file);
        put();
        EXPECT_EQ(failureSeenBy(file), seen);
    }
    std::filesystem::remove(file);
    directory.writeBytes("");
    EXPECT_EQ(failureSeenBy(file / "below"), "missing");
    // No read changes a readable file, its time or its directory, or keeps it open.
    directory.writeLines({testing::recordLine({}), "short"});
    const auto modified = std::filesystem::last_write_time(file) - std::chrono::hours(24);
    std::filesystem::last_write_time(file, modified);
    const auto count = [](const std::filesystem::path& folder) {
        const auto entries = std::filesystem::directory_iterator(folder);
        return std::to_string(std::distance(begin(entries), end(entries)));
    };
    const auto state = [&] {
        return testing::contentOf(file) + count("/proc/self/fd") + "|" +
               count(directory.directory()) +
               (std::filesystem::last_write_time(file) == modified ? "" : "|written");
    };
    const std::string before = state();
    for (const auto& read : everyRead()) {
        EXPECT_FALSE(read(file));
        EXPECT_EQ(state(), before);
    }
}

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
    // A first line with no line break through a gigabyte: columns 7 to 30 and nothing further.
    std::filesystem::resize_file(
        directory.writeBytes(testing::headerLine("2026-12 pour les essais 42 et plus")),
        std::uint64_t{1} << 30U);
    const std::uint64_t before = bytesReadSoFar();
    const Result<std::string> endless = DatabaseRevision().check(directory.referenceFile());
    EXPECT_LT(bytesReadSoFar() - before, 4096U);
    ASSERT_TRUE(endless.ok());
    EXPECT_EQ(endless.value(), revisionMessage("2026-12 pour les essais "));
}

} // namespace
} // namespace orvel
