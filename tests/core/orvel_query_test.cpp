// End-to-end tests of the orvel-query tool, run as a process.

#include "data/cp1252.h"
#include "reference_file_builder.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace {

using orvel::utf8ToCp1252;
using orvel::testing::headerLine;
using orvel::testing::RecordFields;
using orvel::testing::recordLine;
using orvel::testing::TemporaryProgramDirectory;

struct ToolRun {
    int status;
    std::string out;
    std::vector<std::string> errLines;
};

std::string slurp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string shellQuoted(const std::string& word) {
    std::string quoted = "'";
    for (const char c : word) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

class OrvelQueryTest : public ::testing::Test {
protected:
    void SetUp() override {
        program_.writeLines(
            {headerLine("R2026" + std::string(19, ' ')), // the revision fills columns 7 to 30
             recordLine({utf8ToCp1252("CŒUVRES"), "DFCF", "02-001", utf8ToCp1252("Château"),
                         "Fort, dit \"le vieux\"", "", "02600", "Vic 0215"}),
             recordLine({"BREST", "DFCF", "29-001", "Fort", "Portzic", "", "29200", "Brest 2905"}),
             recordLine(
                 {utf8ToCp1252("ÉPINAL"), "DMF", "88-001", "Moulin", "Moulin", "", "88000", ""})});
    }

    ToolRun run(const std::vector<std::string>& args, bool withFile = true,
                const std::string& directory = ".") {
        std::string command = "cd " + shellQuoted(directory) + " && " + ORVEL_QUERY_PATH;
        if (withFile) {
            command += " --file " + shellQuoted(program_.referenceFile().string());
        }
        for (const std::string& arg : args) {
            command += " " + shellQuoted(arg);
        }
        const auto out = program_.directory() / "out.txt";
        const auto err = program_.directory() / "err.txt";
        command += " >" + out.string() + " 2>" + err.string();
        const int status = std::system(command.c_str());
        ToolRun result{WEXITSTATUS(status), slurp(out), {}};
        std::istringstream errors(slurp(err));
        for (std::string line; std::getline(errors, line);) {
            result.errLines.push_back(line);
        }
        return result;
    }

    TemporaryProgramDirectory program_;
};

std::vector<std::string> outLines(const std::string& out) {
    std::vector<std::string> lines;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

TEST_F(OrvelQueryTest, FullListingPrintsEveryLineAndTheCaptionLast) {
    const ToolRun result = run({"list", "commune", "****", "00"});
    EXPECT_EQ(result.status, 0);
    const std::vector<std::string> lines = outLines(result.out);
    ASSERT_EQ(lines.size(), 4U);
    EXPECT_EQ(lines[1].substr(0, 5), "BREST");
    EXPECT_EQ(lines[2].substr(0, 8), "CŒUVRES"); // UTF-8 out
    EXPECT_EQ(lines[3].substr(0, 7), "ÉPINAL");
    EXPECT_EQ(lines[1].size(), 136U); // trailing blanks kept
    ASSERT_FALSE(result.errLines.empty());
    EXPECT_EQ(result.errLines.back(), "4 Rérérences **** sur 4");
}

TEST_F(OrvelQueryTest, NothingListedExitsWithOneAndSaysSo) {
    const ToolRun result = run({"list", "canton", "DIP", "75"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.errLines, (std::vector<std::string>{"Aucune références DIP trouvées",
                                                         "0 Rérérences DIP sur 4"}));
}

TEST_F(OrvelQueryTest, SearchTakesUtf8TextAndPrintsResultLines) {
    const ToolRun found = run({"search", "1", "é"});
    EXPECT_EQ(found.status, 0);
    const std::vector<std::string> lines = outLines(found.out);
    ASSERT_EQ(lines.size(), 1U);
    EXPECT_EQ(lines[0].substr(0, 7), "ÉPINAL");

    const ToolRun none = run({"search", "4", "77"});
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.errLines, (std::vector<std::string>{"Pas de référence trouvée"}));
}

TEST_F(OrvelQueryTest, RevisionPrintsTheMessage) {
    const ToolRun result = run({"revision"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "Base de donnée R2026" + std::string(19, ' ') + "\n");
}

TEST_F(OrvelQueryTest, CsvHasAHeaderRowAndQuotesWhereNeeded) {
    const ToolRun result = run({"--csv", "list", "reference", "DFCF", "00"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(
        result.out,
        "commune,diplome,reference,type,activite,observation,code_postal,canton,numero_canton\r\n"
        "CŒUVRES,DFCF,02-001,Château,\"Fort, dit \"\"le vieux\"\"\",,02600,Vic,0215\r\n"
        "BREST,DFCF,29-001,Fort,Portzic,,29200,Brest,2905\r\n");

    const std::string searchHeader =
        "commune,diplome,reference,type,activite,code_postal,canton\r\n";
    EXPECT_EQ(run({"--csv", "search", "1", "brest"}).out,
              searchHeader + "BREST,DFCF,29-001,Fort,Portzic,29200,Brest 2905\r\n");
    const ToolRun none = run({"--csv", "search", "1", "zzz"});
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.out, searchHeader);
}

TEST_F(OrvelQueryTest, UnreadableFileAndUsageErrorsExitWithTwo) {
    std::filesystem::remove(program_.referenceFile());
    const ToolRun missing = run({"list", "commune", "DFCF", "00"});
    EXPECT_EQ(missing.status, 2);
    ASSERT_EQ(missing.errLines.size(), 1U);
    EXPECT_NE(missing.errLines[0].find("introuvable"), std::string::npos);
    const ToolRun missingCsv = run({"--csv", "search", "1", "a"});
    EXPECT_EQ(missingCsv.status, 2);
    EXPECT_EQ(missingCsv.out, ""); // not even a CSV header

    EXPECT_EQ(run({"list", "alphabet", "DFCF", "00"}).status, 2);
    EXPECT_EQ(run({"search", "6", "x"}).status, 2);
    EXPECT_EQ(run({"search", "1"}).status, 2);
    EXPECT_EQ(run({"--verbose", "revision"}).status, 2);
    EXPECT_EQ(run({}).status, 2);
}

TEST_F(OrvelQueryTest, WithoutFileReadsTheFileBesideTheExecutable) {
    // Started from elsewhere, it still finds the sample copied next to it by the build.
    const ToolRun result = run({"revision"}, false, program_.directory().string());
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out.rfind("Base de donnée ", 0), 0U);
}

} // namespace
