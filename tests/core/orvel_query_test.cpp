// End-to-end tests of orvel-query: the real executable on a handmade reference file, with its
// standard input and output wired as a script or a hostile shell would wire them.

#include "data/cp1252.h"
#include "data/read_failure.h"
#include "query/query_commands.h"
#include "query/query_failure.h"
#include "query/query_options.h"
#include "tests/support/query_runner.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>

namespace {

using namespace orvel::testing;
using namespace orvel::query;
using orvel::utf8ToCp1252;

class OrvelQueryTest : public ::testing::Test {
protected:
    void SetUp() override {
        program_.writeLines({
            headerLine("R2026" + std::string(19, ' ')), // the revision fills columns 7 to 30
            recordLine({utf8ToCp1252("CŒUVRES"), "DFCF", "02-001", utf8ToCp1252("Château"),
                        "Fort, dit \"le vieux\"", "", "02600", "Vic 0215"}),
            recordLine(
                {"BREST", "DFCF", "29-001", "Fort", "Portzic", "1998", "29200", "Brest 2905"}),
            recordLine(
                {utf8ToCp1252("ÉPINAL"), "DMF", "88-001", "Moulin", "Moulin", "", "88000", ""}),
            recordLine({utf8ToCp1252("SAINT-ÉTIENNE"), "DMF", "42-001", "Moulin", "Grand moulin",
                        "", "42000", utf8ToCp1252("Saint-Étienne 4201")}),
            recordLine(
                {"OUESSANT", "DPLF", "PM-021", "Phare", "Stiff", "", "-----", "Ouessant 2999"}),
            recordLine({"QUI?", "DMF", "29-002", "Moulin", "Kervez", "", "29000", "Brest 2905"}),
        });
        file_ = program_.referenceFile().string();
    }

    QueryOutcome run(const QueryCall& call) const { return runQuery(call, program_.directory()); }

    // The command with the handmade file, --file first.
    QueryOutcome query(std::vector<std::string> args) const {
        args.insert(args.begin(), {"--file", file_});
        return run({args});
    }

    TemporaryProgramDirectory program_;
    std::string file_;
};

// The command line as the parsers read it, in process: a usage error as its message, a command
// line accepted as what was understood of it. The file named cannot be read: a command that were
// wrongly accepted would fail there and write nothing.
std::string parsed(std::vector<std::string> words) {
    words.insert(words.begin(), "orvel-query");
    std::vector<char*> argv = argvOf(words);
    try {
        Options options = parseCommandLine(static_cast<int>(argv.size()) - 1, argv.data());
        std::string understood = std::string(options.quiet ? "q" : "") + (options.csv ? "c" : "") +
                                 (options.loose ? "l" : "") + (options.workedOnly ? "o" : "") +
                                 (options.action == Options::Action::Help ? "h" : "") +
                                 " f=" + options.file.value_or("") +
                                 " w=" + options.worked.value_or("");
        for (const std::string& word : options.words) {
            understood += " " + word;
        }
        if (options.action == Options::Action::Run) {
            options.file = "/nonexistent/orvel";
            runCommand(options);
        }
        return understood;
    } catch (const UsageError& error) {
        return error.what();
    }
}

// Also where POSIXLY_CORRECT would end the options at the first word.
TEST(OrvelQueryParsing, OptionsStandAnywhereAndUsageErrorsSayWhatIsWrong) {
    const std::string notUtf8 = " n'est pas un texte UTF-8 valide";
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"list", "-q", "commune", "DFCF", "--csv", "29"}, "qc f= w= list commune DFCF 29"},
        {{"-qf", "x", "--loose", "--", "search", "1", "-q"}, "ql f=x w= search 1 -q"},
        {{"--qu", "--fi", "y", "--worked", "b", "--worked-o", "--he"}, "qoh f=y w=b"},
        {{}, "commande manquante (list, search ou revision)"},
        {{"--loose", "lister"}, "commande inconnue : « lister »"},
        {{"--verbose", "revision"}, "option inconnue : « --verbose »"},
        {{"-qx", "revision"}, "option inconnue : « -x »"},
        {{"--work", "a", "revision"}, "option ambiguë : « --work » (--worked ou --worked-only)"},
        {{"revision", "--qui=1"}, "l'option « --quiet » ne prend pas d'argument"},
        {{"revision", "--file"}, "l'option « --file » demande un argument"},
        {{"list"}, "ordre de liste manquant"},
        {{"list", "alphabet", "DFCF", "00"},
         "ordre de liste inconnu : « alphabet » (commune, reference, canton ou postal)"},
        {{"list", "commune"}, "diplôme manquant"},
        {{"list", "commune", "DFCF"}, "département manquant"},
        {{"list", "commune", "DFCF", "29", "56"}, "argument en trop : « 56 »"},
        {{"search"}, "critère (1 à 5) manquant"},
        {{"search", "6", "x"}, "critère inconnu : « 6 » (1 à 5)"},
        {{"search", "0", "x"}, "critère inconnu : « 0 » (1 à 5)"},
        {{"search", "1"}, "texte à chercher manquant"},
        {{"--csv", "revision"}, "l'option --csv ne s'applique pas à revision"},
        {{"--loose", "list", "commune", "DMF", "00"}, "l'option --loose ne s'applique qu'à search"},
        {{"search", "1", "a", "--worked", "f"},
         "les options --worked et --worked-only ne s'appliquent qu'à list"},
        {{"list", "commune", "DMF", "00", "--worked-only"},
         "l'option --worked-only demande --worked JOURNAL"},
        {{"search", "1", "\xE9t\xE9"}, "le texte à chercher" + notUtf8},
        {{"list", "commune", "\xFF", "00"}, "le diplôme" + notUtf8},
        {{"list", "commune", "DMF", "2\x80"}, "le département" + notUtf8},
    };
    for (const char* posixlyCorrect : {"", "1"}) {
        ::setenv("POSIXLY_CORRECT", posixlyCorrect, 1);
        for (const auto& [words, understood] : cases) {
            EXPECT_EQ(parsed(words), understood) << posixlyCorrect;
        }
    }
    ::unsetenv("POSIXLY_CORRECT");
}

// Standard input read through a pipe, as a decompressed file is; a directory there cannot be.
TEST_F(OrvelQueryTest, StandardStreamsAsAScriptWiresThem) {
    const std::string fromPipe = "cat " + file_ + R"( | "$@")";
    const QueryOutcome listed =
        run({{"--file", "-", "list", "reference", "DMF", "00"}, Sink::File, fromPipe});
    EXPECT_EQ(std::tuple(listed.status, listed.out, listed.err),
              std::tuple(0, query({"list", "reference", "DMF", "00"}).out,
                         std::string("3 Rérérences DMF sur 7\n")));
    EXPECT_EQ(run({{"--file=-", "revision"}, Sink::File, fromPipe}).out,
              "Base de donnée R2026" + std::string(19, ' ') + "\n");
    const QueryOutcome directory = run({{"--file", "-", "revision"}, Sink::File, R"("$@" < /)"});
    EXPECT_EQ(directory.status, 2);
    EXPECT_NE(directory.err.find("l'entrée standard ne peut pas être lue"), std::string::npos);
    // An output that cannot be written is a failure; a pipe that its reader closed ends the tool
    // quietly, also where SIGPIPE would kill it.
    const std::string defaultSignal = R"(exec env --default-signal=PIPE "$@")";
    const struct {
        Sink sink;
        std::vector<std::string> args;
        int error; // 0: a quiet end with status 0
        std::string shell = R"(exec "$@")";
    } cases[] = {
        {Sink::DevFull, {"--file=" + file_, "list", "commune", "****", "00"}, ENOSPC},
        {Sink::DevFull, {"--file=" + file_, "--csv", "search", "1", "brest"}, ENOSPC},
        {Sink::DevFull, {"--file=" + file_, "--help"}, ENOSPC},
        {Sink::Closed, {"--file=" + file_, "search", "5", "brest"}, EBADF},
        {Sink::Closed, {"--file=" + file_, "revision"}, EBADF},
        {Sink::BrokenPipe, {"--file=" + file_, "list", "canton", "****", "00"}, 0},
        {Sink::BrokenPipe, {"--file=" + file_, "--csv", "search", "1", "zzz"}, 0, defaultSignal},
        {Sink::BrokenPipe, {"--file=" + file_, "--version"}, 0, defaultSignal},
    };
    for (const auto& c : cases) {
        const QueryOutcome ran = run({c.args, c.sink, c.shell});
        const std::string err = "orvel-query : écriture impossible sur la sortie standard : ";
        EXPECT_EQ(std::pair(ran.status, ran.err),
                  c.error == 0 ? std::pair(0, std::string())
                               : std::pair(2, err + orvel::systemReason(c.error) + "\n"))
            << c.args[1] << ' ' << c.args.back();
    }
    // Nothing to write, nothing lost: a closed output does not hide "nothing found".
    EXPECT_EQ(run({{"--file", file_, "search", "1", "zzz"}, Sink::Closed}).status, 1);
}

// The first word of every line written, in order.
std::vector<std::string> firstWords(const std::string& out) {
    std::vector<std::string> words;
    for (const std::string& line : linesOf(out)) {
        words.push_back(line.substr(0, line.find(' ')));
    }
    return words;
}

TEST_F(OrvelQueryTest, CommandsWriteTheirLinesOrCsvRowsAndTheirNotices) {
    const std::vector<std::string> none;
    const struct {
        std::vector<std::string> args;
        std::vector<std::string> firstWords;
        std::vector<std::string> err; // the exit status is 1 when nothing is written
    } cases[] = {
        // The header line is listed under **** and 00, before the records in French order.
        {{"list", "commune", "****", "00"},
         {"", "BREST", "CŒUVRES", "ÉPINAL", "OUESSANT", "QUI?", "SAINT-ÉTIENNE"},
         {"7 Rérérences **** sur 7"}},
        {{"list", "reference", "ŵ", "00"},
         none,
         {"Aucune références ŵ trouvées", "0 Rérérences ŵ sur 7"}},
        {{"-q", "list", "reference", "DFCF", "00"}, {"DFCF", "DFCF"}, none},
        {{"-q", "list", "reference", "****", "ŵ"}, none, none},
        {{"search", "4", "77"}, none, {"Pas de référence trouvée"}},
        // The department "--" of the records without a postal code.
        {{"list", "postal", "****", "--", "--"}, {"-----"}, {"1 Rérérences **** sur 7"}},
        {{"search", "2", "--", "-----"}, {"OUESSANT"}, none},
        // Search: file order, UTF-8 in, accents folded only when loose.
        {{"search", "1", "é"}, {"ÉPINAL", "SAINT-ÉTIENNE"}, none},
        {{"search", "1", "?"}, {"QUI?"}, none},
        {{"search", "-q", "1", "QUIŵ"}, none, none}, // no Windows-1252 byte: not a '?'
        // Valid UTF-8 of every length, with the lead bytes C2, DF, E0, E2, F0 and F4.
        {{"search", "-q", "1", "°\u07FF€\u0800\U0001F600\U0010FFFF"}, none, none},
        {{"search", "--loose", "1", "etienne"}, {"SAINT-ÉTIENNE"}, none},
        {{"search", "--loose", "1", "coeu"}, {"CŒUVRES"}, none}, // œ as oe
        {{"search", "--loose", "1", "e"},
         {"CŒUVRES", "BREST", "ÉPINAL", "SAINT-ÉTIENNE", "OUESSANT"},
         none},
        {{"search", "--loose", "3", "chateau fort"}, {"CŒUVRES"}, none},
        {{"search", "--loose", "5", "SAINT-E"}, {"SAINT-ÉTIENNE"}, none},
        {{"search", "-q", "--loose", "1", "ŵ"}, none, none},
    };
    for (const auto& c : cases) {
        const QueryOutcome ran = query(c.args);
        EXPECT_EQ(std::tuple(firstWords(ran.out), linesOf(ran.err), ran.status),
                  std::tuple(c.firstWords, c.err, c.firstWords.empty() ? 1 : 0))
            << c.args.back();
    }
    // Trailing blanks kept.
    EXPECT_EQ(linesOf(query({"list", "commune", "DFCF", "00"}).out).at(0).size(), 136U);
    // CSV: one row per record in the order of the listing, not of the file.
    const std::string header =
        "commune,diplome,reference,type,activite,observation,code_postal,canton,numero_canton\r\n";
    const std::string coeuvres =
        "CŒUVRES,DFCF,02-001,Château,\"Fort, dit \"\"le vieux\"\"\",,02600,Vic,0215\r\n";
    const std::string brest = "BREST,DFCF,29-001,Fort,Portzic,1998,29200,Brest,2905\r\n";
    const struct {
        std::vector<std::string> args;
        std::string rows;
    } csvCases[] = {
        {{"--csv", "list", "commune", "DFCF", "00"}, brest + coeuvres},
        {{"--csv", "list", "canton", "DFCF", "00"}, coeuvres + brest},
        {{"--csv", "search", "3", "fort"}, coeuvres + brest},
        {{"--csv", "search", "1", "r2026"}, ""}, // the header line is found, but is no record
        {{"--csv", "list", "canton", "DPLF", "--", "--"},
         "OUESSANT,DPLF,PM-021,Phare,Stiff,,-----,Ouessant,2999\r\n"},
    };
    for (const auto& c : csvCases) {
        const QueryOutcome ran = query(c.args);
        EXPECT_EQ(std::pair(ran.out, ran.status), std::pair(header + c.rows, 0)) << c.args[2];
    }
    const QueryOutcome whole = query({"--csv", "list", "commune", "****", "00"});
    // The header row and six records; no header line.
    EXPECT_EQ(std::pair(linesOf(whole.out).size(), whole.err),
              std::pair(7UL, std::string("7 Rérérences **** sur 7\n")));
    const QueryOutcome nothing = query({"--csv", "search", "1", "zzz"});
    EXPECT_EQ(std::pair(nothing.status, nothing.out), std::pair(1, header));
    // An empty line inside the file is listed as a record with every field empty.
    std::string text = contentOf(file_);
    program_.writeBytes(text.insert(text.find('\n') + 1, "\r\n"));
    const std::vector<std::string> rows =
        linesOf(query({"--csv", "list", "commune", "****", "00"}).out);
    EXPECT_EQ(rows.size(), linesOf(query({"list", "commune", "****", "00"}).out).size());
    EXPECT_EQ(std::count(rows.begin(), rows.end(), ",,,,,,,,\r"), 1);
}

// The log's reading has tests of its own: here, what the command makes of it.
TEST_F(OrvelQueryTest, WorkedReferencesAreLeftOutOrKeptAndTheLogsProblemsSaid) {
    const std::string adifText = "<SIG:4>DFCF <SIG_INFO:13>29-001,99-999 <EOR>\n"
                                 "<NAME:2>Zoé<EOR><call:4>F6BB <sig:3>dmf <sig_info:6>88-001\n";
    const auto adif = program_.directory() / "log.adi";
    std::ofstream(adif, std::ios::binary) << adifText;
    const struct {
        std::vector<std::string> args;
        std::vector<std::string> communes;
        const char* caption; // the header line is listed and counted like the records
    } cases[] = {
        {{"list", "commune", "****", "00", "--worked", adif},
         {"CŒUVRES", "OUESSANT", "QUI?", "SAINT-ÉTIENNE"},
         "5 Rérérences **** sur 7"},
        {{"list", "commune", "****", "00", "--worked-only", "--worked=" + adif.string()},
         {"BREST", "ÉPINAL"},
         "2 Rérérences **** sur 7"},
    };
    for (const auto& c : cases) {
        const QueryOutcome ran = query(c.args);
        std::vector<std::string> communes = firstWords(ran.out);
        communes.erase(std::remove(communes.begin(), communes.end(), ""), communes.end());
        EXPECT_EQ(std::pair(communes, ran.status), std::pair(c.communes, 0)) << c.args[4];
        const std::vector<std::string> err = linesOf(ran.err);
        ASSERT_EQ(err.size(), 3U) << ran.err;
        EXPECT_EQ(err[0].rfind("orvel-query : le journal", 0), 0U) << err[0];
        EXPECT_EQ(err[1],
                  "orvel-query : référence inconnue du fichier des références : DFCF 99-999");
        EXPECT_EQ(err[2], c.caption);
    }
    EXPECT_EQ(contentOf(adif), adifText); // read, never changed
    const QueryOutcome missing =
        query({"list", "commune", "DFCF", "00", "--worked=" + file_ + "x"});
    EXPECT_EQ(std::pair(missing.status, linesOf(missing.err).size()), std::pair(2, 1UL))
        << missing.err;
}

// Without --file, the file beside the executable is read; a file that cannot be read, or a usage
// error, which also points to --help, print nothing.
TEST_F(OrvelQueryTest, FileBesideTheExecutableAndUnreadableFile) {
    // The build puts the sample next to the executable; the working directory does not matter.
    const QueryOutcome ran = run({{"revision"}});
    EXPECT_EQ(std::pair(ran.status, ran.out.rfind("Base de donnée ", 0)), std::pair(0, 0UL));
    std::filesystem::remove(program_.referenceFile());
    const std::pair<std::vector<std::string>, std::string> unreadable[] = {
        {{"list", "commune", "DFCF", "00"}, "introuvable"},
        {{"--csv", "search", "1", "a"}, "introuvable"}, // not even a CSV header
        {{"revision"}, "introuvable"},
        {{"revision", "--quiet=1"},
         "orvel-query : l'option « --quiet » ne prend pas d'argument\n"
         "Essayez « orvel-query --help » pour plus d'informations."}};
    for (const auto& [args, saying] : unreadable) {
        const QueryOutcome missing = query(args);
        EXPECT_EQ(std::pair(missing.status, missing.out), std::pair(2, std::string())) << args[0];
        EXPECT_NE(missing.err.find(saying), std::string::npos) << missing.err;
    }
}

} // namespace
