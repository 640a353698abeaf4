// Hostile or unlucky input through orvel-query: a huge file under a memory limit, a file without
// read rights, odd paths in the messages.

#include "data/read_failure.h"
#include "tests/support/query_runner.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace orvel {
namespace {

using namespace testing;

// Under a memory limit far below the file's size, a listing and a search that keep little go
// on reading (until the time limit stops them, 124); a listing that must keep too much for the
// memory says so.
TEST(HostileInput, MemoryLimitIsNeverExceededByTheFileSize) {
#ifdef ORVEL_SANITIZED
    GTEST_SKIP() << "the sanitizers reserve more address space than the limit";
#endif
    TemporaryProgramDirectory sparse;
    std::filesystem::resize_file(sparse.writeBytes("R2026\r\n"), std::uint64_t{1} << 40U);
    TemporaryProgramDirectory blankLines;
    blankLines.writeBytes(std::string(std::size_t{4} << 20U, '\n'));
    const std::string tooLarge =
        failureMessage({ReadFailure::Kind::TooLarge, blankLines.referenceFile()}) + "\n";
    struct Case {
        const TemporaryProgramDirectory& program;
        std::vector<std::string> args;
        const char* seconds;
        std::pair<int, std::string> run;
    };
    for (const Case& c :
         {Case{sparse, {"list", "commune", "DFCF", "29"}, "1", {124, ""}},
          Case{sparse, {"search", "1", "BREST"}, "1", {124, ""}},
          Case{blankLines, {"list", "commune", "****", "00"}, "60", {2, tooLarge}}}) {
        std::vector<std::string> args{"--file", c.program.referenceFile()};
        args.insert(args.end(), c.args.begin(), c.args.end());
        // 128 MiB of address space: the lines of the blank-line listing need more.
        const QueryOutcome ran =
            runQuery({args, Sink::File,
                      std::string(R"(ulimit -v 131072 && exec timeout )") + c.seconds + R"( "$@")"},
                     c.program.directory());
        EXPECT_EQ(std::pair(ran.status, ran.err), c.run) << c.args[0];
    }
}

// The message names the absolute directory and the file as the user named it, even from a
// relative path, an empty one, the root or a directory whose name is not UTF-8; a file without
// read rights cannot be read (root reads anything, so as root the tool runs as nobody).
TEST(HostileInput, FailureMessagesNameTheAbsoluteDirectory) {
    TemporaryProgramDirectory program;
    const std::filesystem::path here = program.directory();
    const std::filesystem::path latin1 = here / "\xE9t\xE9";
    std::filesystem::create_directory(latin1);
    std::filesystem::permissions(here, std::filesystem::perms::all);
    std::filesystem::permissions(program.writeBytes("R2026\r\n"), std::filesystem::perms::none);
    const auto missingIn = [](const std::string& name, const std::string& directory) {
        return "Le fichier des références " + name + " est introuvable dans le répertoire " +
               directory + ".\n";
    };
    const std::tuple<std::filesystem::path, std::string, std::string> cases[] = {
        {here, "missing.prn", missingIn("missing.prn", here)},
        {here, "./sub/../missing.prn", missingIn("missing.prn", here)},
        {here, "", missingIn("\"\"", here)},
        {here, "/", "Le fichier des références \"/\" du répertoire / ne peut pas être lu.\n"},
        {here, "Liste_References.prn",
         "Le fichier des références Liste_References.prn du répertoire " + here.string() +
             " ne peut pas être lu.\n"},
        {latin1, "missing.prn", missingIn("missing.prn", here.string() + "/\uFFFDt\uFFFD")},
    };
    for (const auto& [directory, file, errors] : cases) {
        const QueryOutcome ran = runQuery(
            {{"--file", file, "revision"},
             Sink::File,
             R"sh([ "$(id -u)" != 0 ] || exec setpriv --reuid=nobody --regid=nogroup --clear-groups "$@"
                exec "$@")sh",
             directory},
            here);
        EXPECT_EQ(std::pair(ran.status, ran.err), std::pair(2, errors)) << file;
    }
}

} // namespace
} // namespace orvel
