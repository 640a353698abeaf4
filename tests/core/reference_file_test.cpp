// Reading the reference file: every line as written, whatever ends it and however long; a file
// that cannot be read is reported by every operation, which never changes the file or keeps it.

#include "data/reference_file.h"
#include "data/revision.h"
#include "listing/listing.h"
#include "search/search_engine.h"
#include "tests/support/reference_file_builder.h"

#include <chrono>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <pwd.h>
#include <random>
#include <set>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace orvel {
namespace {

using testing::recordLine;
using testing::TemporaryProgramDirectory;
using Lines = std::vector<std::string>;

Lines linesOf(const std::filesystem::path& file) {
    Lines lines;
    EXPECT_FALSE(forEachLine(file, [&](std::string_view line) { lines.emplace_back(line); }));
    return lines;
}

// A deliberately plain reading: CR LF, LF and a lone CR each end a line, every line is cut
// after column 138, and the last line may lack its terminator.
Lines plainReading(const std::string& bytes) {
    Lines lines;
    std::string line;
    bool open = false;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' || bytes[i] == '\n') {
            i += bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n' ? 1 : 0;
            lines.push_back(line.substr(0, kRecordLength));
            line.clear();
            open = false;
        } else {
            line += bytes[i];
            open = true;
        }
    }
    if (open) {
        lines.push_back(line.substr(0, kRecordLength));
    }
    return lines;
}

// Lines of every length up to 600, empty ones and NULs among them, with every kind of end: a few
// megabytes, so that lines and CR LF pairs fall across the boundaries of the reader's blocks.
TEST(LineReader, ReadsWhatAPlainReadingReads) {
    std::mt19937 random(7);
    const char* const ends[] = {"\r\n", "\n", "\r"};
    for (const bool lastTerminated : {true, false}) {
        std::string bytes;
        for (int i = 0; i < 20000; ++i) {
            const std::size_t length = random() % 4 == 0 ? random() % 600 : random() % 150;
            bytes.append(length, static_cast<char>(random() % 2 == 0 ? 'a' + i % 26 : '\0'));
            bytes += ends[random() % 3];
        }
        bytes += lastTerminated ? "last\r" : "last";
        TemporaryProgramDirectory directory;
        EXPECT_EQ(linesOf(directory.writeBytes(bytes)), plainReading(bytes));
    }
    TemporaryProgramDirectory small;
    EXPECT_EQ(linesOf(small.writeBytes("a\r\n\r\n\n\rb\r")), (Lines{"a", "", "", "", "b"}));
    EXPECT_EQ(linesOf(small.writeBytes("")), Lines{});
}

// Every operation that reads the file; each gives its failure, if any.
std::vector<std::function<std::optional<ReadFailure>(const std::filesystem::path&)>> everyRead() {
    std::vector<std::function<std::optional<ReadFailure>(const std::filesystem::path&)>> reads;
    for (const auto order : {ListingOrder::Commune, ListingOrder::Reference, ListingOrder::Canton,
                             ListingOrder::PostalCode}) {
        for (const std::string_view diploma : {"DFCF", "****"}) {
            reads.emplace_back([=](const auto& file) -> std::optional<ReadFailure> {
                auto result = buildListing(order, file, diploma, "00");
                return result.ok() ? std::nullopt : std::optional(result.failure());
            });
        }
    }
    reads.emplace_back([](const auto& file) -> std::optional<ReadFailure> {
        auto result = Cherche_Ref(SearchCriterion::Commune, "", file);
        return result.ok() ? std::nullopt : std::optional(result.failure());
    });
    reads.emplace_back([](const auto& file) -> std::optional<ReadFailure> {
        auto result = DatabaseRevision().check(file);
        return result.ok() ? std::nullopt : std::optional(result.failure());
    });
    return reads;
}

// The kind of failure that every read reports, or "same" unless all agree.
std::string failureSeenBy(const std::filesystem::path& file) {
    std::set<std::string> seen;
    for (const auto& read : everyRead()) {
        const auto failure = read(file);
        seen.insert(!failure                                      ? "none"
                    : failure->path != file                       ? "other path"
                    : failure->kind == ReadFailure::Kind::Missing ? "missing"
                                                                  : "unreadable");
    }
    return seen.size() == 1 ? *seen.begin() : "different";
}

// A directory, a named pipe with no writer, a device that never ends or a loop of links in place
// of the file: only a regular file is read, and nothing waits for ever.
TEST(ReadFailure, EveryReadReportsWhyTheFileCannotBeRead) {
    TemporaryProgramDirectory directory;
    const auto file = directory.referenceFile();
    EXPECT_EQ(failureSeenBy(file), "missing");
    EXPECT_EQ(failureSeenBy(file / "below"), "missing");
    directory.writeBytes("");
    EXPECT_EQ(failureSeenBy(file / "below"), "missing");
    EXPECT_EQ(failureSeenBy(file), "none");
    std::filesystem::remove(file);
    std::filesystem::create_directory(file);
    EXPECT_EQ(failureSeenBy(file), "unreadable");
    std::filesystem::remove(file);
    ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
    EXPECT_EQ(failureSeenBy(file), "unreadable");
    std::filesystem::remove(file);
    std::filesystem::create_symlink("/dev/zero", file);
    EXPECT_EQ(failureSeenBy(file), "unreadable");
    std::filesystem::remove(file);
    std::filesystem::create_symlink(file, file);
    EXPECT_EQ(failureSeenBy(file), "unreadable");
}

// Root reads anything: as root the look runs in a child that has given up its rights.
TEST(ReadFailure, FileWithoutReadRightsIsUnreadable) {
    TemporaryProgramDirectory directory;
    const auto file = directory.writeLines({recordLine({})});
    std::filesystem::permissions(directory.directory(), std::filesystem::perms::all);
    std::filesystem::permissions(file, std::filesystem::perms::none);
    if (::geteuid() != 0) {
        EXPECT_EQ(failureSeenBy(file), "unreadable");
        return;
    }
    const passwd* nobody = ::getpwnam("nobody");
    const pid_t child = nobody != nullptr ? ::fork() : -1;
    if (child == 0) {
        const bool dropped = ::setgid(nobody->pw_gid) == 0 && ::setuid(nobody->pw_uid) == 0;
        ::_exit(!dropped ? 2 : failureSeenBy(file) == "unreadable" ? 0 : 1);
    }
    int status = 0;
    if (child == -1 || ::waitpid(child, &status, 0) != child || WEXITSTATUS(status) == 2) {
        GTEST_SKIP() << "running as root and unable to drop the rights";
    }
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST(ReadFailure, MessageNamesTheFileAndItsDirectory) {
    const std::filesystem::path file = "/opt/orvel/Liste_References.prn";
    EXPECT_EQ(failureMessage({ReadFailure::Kind::Missing, file}),
              "Le fichier des références Liste_References.prn est introuvable dans le "
              "répertoire /opt/orvel.");
    EXPECT_EQ(failureMessage({ReadFailure::Kind::Unreadable, file}),
              "Le fichier des références Liste_References.prn du répertoire /opt/orvel ne peut "
              "pas être lu.");
}

struct FileState {
    std::string bytes;
    std::filesystem::file_time_type modified;
    std::size_t entries;
    bool operator==(const FileState&) const = default;
};

FileState stateOf(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    const auto entries = std::filesystem::directory_iterator(file.parent_path());
    return {std::string(std::istreambuf_iterator<char>(in), {}),
            std::filesystem::last_write_time(file),
            static_cast<std::size_t>(std::distance(begin(entries), end(entries)))};
}

std::size_t openDescriptors() {
    const auto entries = std::filesystem::directory_iterator("/proc/self/fd");
    return static_cast<std::size_t>(std::distance(begin(entries), end(entries)));
}

TEST(ReadOnly, NoReadChangesTheFileOrKeepsItOpen) {
    TemporaryProgramDirectory directory;
    const auto file = directory.writeLines({testing::headerLine("R1"), recordLine({}), "short"});
    std::filesystem::last_write_time(file, std::filesystem::last_write_time(file) -
                                               std::chrono::hours(24));
    const FileState before = stateOf(file);
    const std::size_t descriptors = openDescriptors();
    for (const auto& read : everyRead()) {
        EXPECT_FALSE(read(file));
        EXPECT_TRUE(stateOf(file) == before);
        EXPECT_EQ(openDescriptors(), descriptors);
    }
}

std::uint64_t peakResidentKilobytes() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return static_cast<std::uint64_t>(usage.ru_maxrss);
}

// 128 MB of records that the listing leaves out, the last quarter one line with no terminator:
// the memory used follows the output (nothing here), not the file nor its longest line.
TEST(ReadOnly, MemoryFollowsTheOutputNotTheFile) {
    constexpr std::uint64_t kFileSize = std::uint64_t{128} << 20;
    TemporaryProgramDirectory directory;
    {
        std::string block;
        while (block.size() < (std::size_t{1} << 20)) {
            block += recordLine({.diploma = "DMF"}).substr(0, 137) + "\r\n"; // odd length
        }
        std::ofstream out(directory.referenceFile(), std::ios::binary);
        for (std::uint64_t written = 0; written < kFileSize; written += block.size()) {
            const bool lastQuarter = written >= kFileSize / 4 * 3;
            out << (lastQuarter ? std::string(block.size(), 'X') : block);
        }
        ASSERT_TRUE(out.flush()) << "no room for the large file";
    }
    const std::uint64_t before = peakResidentKilobytes();
    const auto listing =
        buildListing(ListingOrder::Commune, directory.referenceFile(), "DFCF", "00");
    ASSERT_TRUE(listing.ok());
    EXPECT_EQ(listing.value().listedCount, 0U);
    EXPECT_GT(listing.value().readCount, 700000U);
    EXPECT_TRUE(Cherche_Ref(SearchCriterion::Commune, "QUIMPER", directory.referenceFile())
                    .value()
                    .empty());
    EXPECT_LT(peakResidentKilobytes() - before, kFileSize / 8 / 1024);
}

} // namespace
} // namespace orvel
