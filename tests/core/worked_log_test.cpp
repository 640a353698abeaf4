// The log reader on the shapes of log that real loggers and users write.

#include "data/worked_log.h"
#include "tests/support/reference_file_builder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace orvel {
namespace {

using namespace std::string_literals;

// Every reference read, as "CODE NUMERO|CODE NUMERO" in the log's order, and every warning.
std::string joined(const std::vector<std::string>& parts) {
    std::string text;
    for (const std::string& part : parts) {
        text += (text.empty() ? "" : "|") + part;
    }
    return text;
}

TEST(WorkedLog, ReadsTheLogsThatLoggersAndUsersWrite) {
    const testing::TemporaryProgramDirectory scratch;
    const std::string dfcf = "<SIG:4>DFCF<SIG_INFO:6>";
    const struct {
        const char* name; // "/…": used as it is; "fifo": a named pipe; "…/": a directory
        std::string bytes;
        const char* worked; // the references read; nullptr: a failure, whose message holds saying
        const char* saying; // one warning holds it; "" for no warning
    } rows[] = {
        {"accents.adi", "<NAME:7>Andrée<SIG:4>DFCF<SIG_INFO:6>29-136<EOR>", "DFCF 29-136", ""},
        {"mixed.adi", "<NAME:6>Andrée<QTH:9>Saint-Lô"s + dfcf + "50-001<EOR>", "DFCF 50-001", ""},
        {"neither.adi", "<CALL:4>F5AA<EOR><NAME:5>Andrée" + dfcf + "29-138<EOR><NAME:1>Zoé<EOR>",
         "DFCF 29-138",
         "NAME du contact n° 2 est ignoré : sa longueur, 5, ne correspond pas à ses "
         "données, et de même 1 autre(s) fois"},
        {"list.adi", "<SIG:3>dmf<SIG_INFO:16>29-001, 88-014 ,<EOR>", "DMF 29-001|DMF 88-014", ""},
        {"intl.adi",
         "<SIG_INTL:4>DFCF<SIG_INFO_INTL:6>29-002<EOR><SIG:3>DMF<SIG_INTL:4>DFCF<SIG_INFO:6>88-001",
         "DFCF 29-002|DMF 88-001", ""},
        {"cut.adi", dfcf + "29-004<EOR>" + "<SIG:4>DFCF<SIG_INFO:8>29-00", "DFCF 29-004",
         "SIG_INFO du contact n° 2 est plus court"},
        {"huge.adi", "<SIG:4>DFCF<SIG_INFO:18446744073709551622>29-005<EOR>", "",
         "18446744073709551622, est trop grande"},
        {"latin1.adi", "<SIG:4>DFCF<SIG_INFO:6>29-\xE9t\xE9<EOR>", "DFCF 29-ÉTÉ", ""},
        {"header.txt", "Mon journal <b>\n<EOH>\n" + dfcf + "29-006<EOR>", "DFCF 29-006", ""},
        {"export", "\xEF\xBB\xBF<CALL:5>F4ABC " + dfcf + "29-007 <eor>\n", "DFCF 29-007", ""},
        {"empty.adi", "<ADIF_VER:5>3.1.4<EOH>\n", "", "aucun contact"},
        {"nosig.adi", "<CALL:4>F5AA<EOR>", "", "aucun de ses 1 contact(s)"},
        {"log.adx",
         "<?xml version=\"1.0\"?><ADX><RECORDS><RECORD><SIG>DFCF</SIG><SIG_INFO>29-009</SIG_INFO>"
         "</RECORD><RECORD><SIG_INTL>D&amp;X</SIG_INTL><SIG_INFO>&#50;9-&#x31;0&#xD800;&#xDFFF;"
         "</SIG_INFO></RECORD></RECORDS></ADX>", // surrogates are no characters
         "DFCF 29-009|D&X 29-10??", ""},
        {"plain.adi", "\xEF\xBB\xBF# faits\r\n\r\n dfcf\t29-008 \rDMF 29-011\r",
         "DFCF 29-008|DMF 29-011", ""},
        {"nul.txt", "DFCF 29-001\nDFCF\0 29 x\n"s, nullptr, "ligne 2 : « DFCF\uFFFD 29 x »"},
        {"\xFF.txt", "DFCF\n", nullptr, "\uFFFD.txt », ligne 1 : « DFCF »"},
        {"none.txt", "# rien\n", "", "aucune référence"},
        {"/nonexistent/log.adi", "", nullptr, "introuvable"},
        {"fifo", "", nullptr, "pas un fichier ordinaire"},
        {"/dev/zero", "", nullptr, "pas un fichier ordinaire"},
        {"dir/", "", nullptr, "c'est un répertoire"},
    };
    for (const auto& row : rows) {
        const std::string name = row.name;
        const std::filesystem::path file =
            name[0] == '/' ? std::filesystem::path(name) : scratch.directory() / name;
        if (name == "fifo") {
            ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
        } else if (name.back() == '/') {
            std::filesystem::create_directory(file);
        } else if (name[0] != '/') {
            std::ofstream(file, std::ios::binary) << row.bytes;
        }
        const auto read = readWorkedLog(file);
        if (row.worked == nullptr) {
            ASSERT_TRUE(std::holds_alternative<WorkedLogFailure>(read)) << name;
            const std::string& message = std::get<WorkedLogFailure>(read).message;
            EXPECT_NE(message.find(row.saying), std::string::npos) << message;
            continue;
        }
        ASSERT_TRUE(std::holds_alternative<WorkedLog>(read)) << name;
        const WorkedLog& log = std::get<WorkedLog>(read);
        const std::string worked = joined(log.references.unknown());
        EXPECT_EQ(worked, row.worked) << name;
        EXPECT_EQ(log.references.size(),
                  worked.empty() ? 0 : 1 + std::count(worked.begin(), worked.end(), '|'));
        const bool warns = *row.saying != '\0';
        const auto found = std::count_if(log.warnings.begin(), log.warnings.end(), [&row](auto& w) {
            return w.find(row.saying) != std::string::npos;
        });
        EXPECT_EQ(warns ? static_cast<std::size_t>(found) : log.warnings.size(), warns ? 1U : 0U)
            << name << ": " << joined(log.warnings);
    }
}

} // namespace
} // namespace orvel
