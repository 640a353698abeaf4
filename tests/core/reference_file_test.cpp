// Reading the reference file: every line as written, whatever ends it and
// however long; a file that cannot be read is reported by every operation,
// which never changes the file or keeps it.

#include "data/reference_file.h"
#include "data/revision.h"
#include "listing/listing.h"
#include "search/search_engine.h"
#include "tests/support/reference_file_builder.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <random>
#include <set>
#include <sys/mman.h>
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
    if (!bytes.empty() && (bytes.back() == '\r' || bytes.back() == '\n')) {
        lines.pop_back();
    }
    return bytes.empty() ? Lines() : lines;
}

// Lines of every length up to 600, NULs among them, with every kind of end: a
// few megabytes, read mapped whole and in blocks of 256 KiB, so that lines and
// CR LF pairs fall across the blocks' boundaries.
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
        for (const std::size_t blockSize : {kBlockFromFileSize, std::size_t{256} * 1024}) {
            Lines lines;
            EXPECT_FALSE(forEachLine(
                directory.writeBytes(file),
                [&](std::string_view line) { lines.emplace_back(line); }, blockSize));
            EXPECT_EQ(lines, plainReading(file));
        }
    }
}

// A file cut short while it is read, as a copy over it does: whether mapped or
// read block by block, only whole lines of the file come before the failure.
TEST(LineReader, AFileCutShortWhileReadIsAFailureToReadIt) {
    Lines written;
    for (int i = 0; i < 4000; ++i) {
        written.push_back(std::to_string(10000 + i).append(129, 'x')); // 136 bytes with CR LF
    }
    // Mapped, the cut shows at once; in blocks, the block read before it is read to its end.
    const std::pair<std::size_t, std::size_t> readings[] = {{kBlockFromFileSize, 1000},
                                                            {4096, 4096}};
    for (const auto& [blockSize, bytesSeen] : readings) {
        TemporaryProgramDirectory directory;
        const auto file = directory.writeLines(written);
        Lines lines;
        const auto failure = forEachLine(
            file,
            [&](std::string_view line) {
                if (lines.empty()) {
                    std::filesystem::resize_file(file, 1000);
                }
                lines.emplace_back(line);
            },
            blockSize);
        ASSERT_TRUE(failure);
        EXPECT_EQ(failure->kind, ReadFailure::Kind::Unreadable);
        ASSERT_EQ(lines.size(), bytesSeen / 136);
        EXPECT_TRUE(std::equal(lines.begin(), lines.end(), written.begin()));
    }
}

// A bus error that is not the reader's, sent or raised by reading another
// file cut short, still ends the program while a file is read: it must not
// go on as if nothing happened (exit 0).
TEST(LineReaderDeathTest, ABusErrorElsewhereStillEndsTheProgram) {
    TemporaryProgramDirectory directory;
    const auto file = directory.writeLines(Lines(100, std::string(130, 'x')));
    const auto other = directory.directory() / "other";
    std::filesystem::copy_file(file, other);
    const auto busErrorWhileReading = [&](bool sent) {
        (void)forEachLine(file, [&](std::string_view) {
            if (sent) {
                ::kill(::getpid(), SIGBUS);
                std::exit(0);
            }
            const int descriptor = ::open(other.c_str(), O_RDONLY);
            const void* bytes = ::mmap(nullptr, 8192, PROT_READ, MAP_PRIVATE, descriptor, 0);
            std::filesystem::resize_file(other, 0);
            std::exit(*static_cast<const volatile char*>(bytes));
        });
    };
    const auto died = [](int status) { return !::testing::ExitedWithCode(0)(status); };
    for (const bool sent : {true, false}) {
        EXPECT_EXIT(busErrorWhileReading(sent), died, "") << sent;
    }
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
// for ever.
TEST(ReadFailure, EveryReadReportsWhyTheFileCannotBeRead) {
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
}

// No read changes the file, its time or its directory, or keeps it open.
TEST(ReadOnly, NoReadChangesTheFileOrKeepsItOpen) {
    TemporaryProgramDirectory directory;
    const auto file = directory.writeLines({testing::recordLine({}), "short"});
    const auto modified = std::filesystem::last_write_time(file) - std::chrono::hours(24);
    std::filesystem::last_write_time(file, modified);
    const auto count = [](const std::filesystem::path& folder) {
        const auto entries = std::filesystem::directory_iterator(folder);
        return std::to_string(std::distance(begin(entries), end(entries)));
    };
    const auto state = [&] {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {}) + count("/proc/self/fd") + "|" +
               count(directory.directory()) +
               (std::filesystem::last_write_time(file) == modified ? "" : "|written");
    };
    const std::string before = state();
    for (const auto& read : everyRead()) {
        EXPECT_FALSE(read(file));
        EXPECT_EQ(state(), before);
    }
}

} // namespace
} // namespace orvel
