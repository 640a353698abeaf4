// The log reader on the shapes of log that real loggers and users write.

#include "data/cp1252.h"
#include "data/utf8.h"
#include "data/worked_log.h"
#include "tests/support/reference_file_builder.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
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
        std::string saying; // one warning holds it; "" for no warning
    } rows[] = {
        {"neither.adi", "<CALL:4>F5AA<EOR><NAME:5>Andrée" + dfcf + "29-138<EOR><NAME:1>Zoé<EOR>",
         "DFCF 29-138",
         "NAME du contact n° 2 est ignoré : sa longueur, 5, ne correspond pas à ses "
         "données, et de même 1 autre(s) fois"},
        {"intl.adi",
         "<SIG_INTL:4>DFCF<SIG_INFO_INTL:6>29-002<EOR><SIG:3>DMF<SIG_INTL:4>DFCF<SIG_INFO:6>88-001",
         "DFCF 29-002|DMF 88-001", ""},
        {"cut.adi", dfcf + "29-004<EOR>" + "<SIG:4>DFCF<SIG_INFO:8>29-00", "DFCF 29-004",
         "SIG_INFO du contact n° 2 est plus court"},
        {"huge.adi", "<SIG:4>DFCF<SIG_INFO:18446744073709551622>29-005<EOR>", "",
         "18446744073709551622, est trop grande"},
        {"latin1.adi", "<SIG:4>DFCF<SIG_INFO:6>29-\xE9t\xE9<EOR>", "DFCF 29-ÉTÉ", ""},
        {"header.txt", "Mon journal <b>\n<PROGRAMID:9>Orvel<EOH>\n" + dfcf + "29-006<EOR>",
         "DFCF 29-006", "PROGRAMID de l'en-tête est ignoré"},
        {"empty.adi", "<ADIF_VER:5>3.1.4<EOH>\n", "", "aucun contact"},
        {"nosig.adi", "<CALL:4>F5AA<EOR>", "", "aucun de ses 1 contact(s)"},
        {"log.adx",
         "<?xml version=\"1.0\"?><ADX><RECORDS><RECORD><SIG>DFCF</SIG><SIG_INFO>29-009</SIG_INFO>"
         "</RECORD><RECORD><SIG_INTL>D&amp;X</SIG_INTL><SIG_INFO>&#50;9-&#x31;0&#xD800;&#xDFFF;"
         "&#;&#x;&#xG;&#1A;</SIG_INFO></RECORD></RECORDS></ADX>", // no characters
         "DFCF 29-009|D&X 29-10??????", ""},
        {"nul.txt", "DFCF 29-001\nDFCF\0 29 x\n"s, nullptr, "ligne 2 : « DFCF\uFFFD 29 x »"},
        {"\xFF.txt", "DFCF\n", nullptr, "\uFFFD.txt », ligne 1 : « DFCF »"},
        {"none.txt", "\xEF\xBB\xBF \r\n", "", "aucune référence"},                // blanks only
        {"60.txt", "DFCF 29-001 " + std::string(48, 'x'), nullptr, "xx » n'est"}, // shown whole
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
            EXPECT_NE(std::get<WorkedLogFailure>(read).message.find(row.saying), std::string::npos)
                << std::get<WorkedLogFailure>(read).message;
            continue;
        }
        ASSERT_TRUE(std::holds_alternative<WorkedLog>(read)) << name;
        const WorkedLog& log = std::get<WorkedLog>(read);
        const std::string worked = joined(log.references.unknown());
        EXPECT_EQ(worked, row.worked) << name;
        EXPECT_EQ(log.references.size(), log.references.unknown().size());
        const bool warns = !row.saying.empty();
        const auto found = std::count_if(log.warnings.begin(), log.warnings.end(), [&row](auto& w) {
            return w.find(row.saying) != std::string::npos &&
                   w.find(" 0 autre") == std::string::npos;
        });
        EXPECT_EQ(warns ? static_cast<std::size_t>(found) : log.warnings.size(), warns ? 1U : 0U)
            << name << ": " << joined(log.warnings);
    }
}

// Logs that a generator writes as ADIF, ADX or a plain list, with the liberties real files take
// (case, blanks, types, lengths in bytes or in characters, entities, headers, stray '<'), read
// back as exactly the references written, in their order, once each, with no warning; damaged,
// they are still read without harm.
TEST(WorkedLog, ReadsBackWhatEachFormWrites) {
    const testing::TemporaryProgramDirectory scratch;
    std::mt19937 random(1);
    const auto pick = [&random](const auto& from) { return from[random() % std::size(from)]; };
    const auto blanks = [&] { return std::string(random() % 3, " \t\r\n"[random() % 4]); };
    const auto cased = [&](std::string text) {
        std::for_each(text.begin(), text.end(),
                      [&](char& c) { c = random() % 2 ? c : static_cast<char>(std::tolower(c)); });
        return text;
    };
    // Each character as itself or as an entity, decimal or hexadecimal in either case.
    const auto xml = [&](std::string_view value) {
        std::string text;
        for (std::size_t at = 0, length = 0; at < value.size(); at += length) {
            const Utf8Character c = decodeUtf8(value.substr(at));
            const std::string_view raw = value.substr(at, length = c.length);
            char entity[16];
            std::snprintf(entity, sizeof entity, pick(std::array{"&#%u;", "&#x%x;", "&#X%X;"}),
                          static_cast<unsigned>(c.code));
            text += random() % 2 ? entity : raw == "<" ? "&lt;" : raw == "&" ? "&amp;" : raw;
        }
        return text;
    };
    const auto adif = [&](const std::string& name, std::string_view data) {
        const std::size_t characters = utf8ToCp1252(data).size();
        return "<" + cased(name) + ":" + std::to_string(random() % 2 ? characters : data.size()) +
               (random() % 2 ? ":S>" : ">") + std::string(data) + blanks();
    };
    // Each value as written, and as read back: upper-cased, in UTF-8.
    const std::pair<std::string, std::string> diplomas[] = {
        {"DFCF", "DFCF"}, {"dmf", "DMF"}, {"Dpé", "DPÉ"}};
    const std::pair<std::string, std::string> numbers[] = {
        {"29-001", "29-001"}, {"2a-0é9", "2A-0É9"}, {"75-<&>", "75-<&>"}, {"Œ-1", "Œ-1"}};
    const char* const headers[] = {"", "Journal de F5AA <b>\n<EOH>\n", "<ADIF_VER:5>3.1.4<eoh>"};
    const char* const strays[] = {"",  "< SIG:4>", "<:7>",   "<SIG :3>", "<SIG:>", "<A<B:1>x",
                                  "<", "<SIG",     "<SIG:4", "<SIG:4:S", "<EOR"};
    for (int round = 0; round < 300; ++round) {
        const int form = round % 3; // ADIF, ADX, plain list
        std::string log = (random() % 2 ? "\xEF\xBB\xBF" : "") + blanks();
        log += form == 0 ? pick(headers) : form == 1 ? "<?xml version=\"1.0\"?><ADX><RECORDS>" : "";
        std::vector<std::string> expected;
        for (auto contacts = 1 + random() % 3; contacts-- > 0;) {
            const auto& diploma = pick(diplomas);
            std::string list;
            for (auto n = form == 2 ? 1 : 1 + random() % 3; n-- > 0;) {
                const auto& number = pick(numbers);
                list += (list.empty() ? "" : blanks() + "," + blanks()) + number.first;
                const std::string read = diploma.second + " " + number.second;
                if (std::find(expected.begin(), expected.end(), read) == expected.end()) {
                    expected.push_back(read);
                }
            }
            const std::string intl = random() % 2 ? "_INTL" : "";
            if (form == 0) {
                std::string fields[] = {adif("SIG" + intl, diploma.first),
                                        adif("SIG_INFO" + intl, list), adif("CALL", "F5AA")};
                std::shuffle(std::begin(fields), std::end(fields), random);
                log += fields[0] + fields[1] + fields[2] +
                       (contacts > 0 || random() % 2 ? cased("<EOR>") + pick(strays) : "");
            } else if (form == 1) {
                log += "<RECORD>" + blanks() + "<SIG" + intl + ">" + xml(diploma.first) + "</SIG" +
                       intl + ">" + blanks() + "<SIG_INFO>" + xml(list) + "</SIG_INFO></RECORD>";
            } else {
                log += pick(std::array{"", "# fait\n", "\r\n"}) + diploma.first +
                       pick(std::array{" ", "\t", " \t "}) + list +
                       pick(std::array{"\n", "\r\n", "\r"});
            }
        }
        log += form == 1 ? "</RECORDS></ADX>" : "";
        const auto file = scratch.directory() / std::to_string(round);
        std::ofstream(file, std::ios::binary) << log;
        const auto read = readWorkedLog(file);
        ASSERT_TRUE(std::holds_alternative<WorkedLog>(read)) << log;
        EXPECT_EQ(joined(std::get<WorkedLog>(read).references.unknown()), joined(expected)) << log;
        EXPECT_EQ(joined(std::get<WorkedLog>(read).warnings), "") << log;
        // Cut anywhere, or with any byte changed, it still reads, or fails on a list line only.
        for (std::string hurt : {log.substr(0, 1 + random() % log.size()), log}) {
            hurt[random() % hurt.size()] = static_cast<char>(random());
            std::ofstream(file, std::ios::binary) << hurt;
            const auto again = readWorkedLog(file);
            EXPECT_TRUE(std::holds_alternative<WorkedLog>(again) ||
                        std::get<WorkedLogFailure>(again).message.find(", ligne ") !=
                            std::string::npos);
        }
    }
}

} // namespace
} // namespace orvel
