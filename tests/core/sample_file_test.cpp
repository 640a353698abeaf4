// The bundled example file, read with the engine exactly as the program reads it from its own
// directory: its size, its diplomas, and every case that the listings and the search treat apart.
#include "data/catalogue.h"
#include "data/cp1252.h"
#include "data/program_directory.h"
#include "data/record.h"
#include "data/reference_file.h"
#include "data/revision.h"
#include "listing/listing.h"
#include "search/search_engine.h"

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace orvel {
namespace {

// 40,000 records after the header line.
constexpr std::size_t kSampleLineCount = 40001;

std::filesystem::path sampleFile() {
    return programDirectory() / kReferenceFileName;
}

std::string cp(std::string_view utf8) {
    return utf8ToCp1252(utf8);
}

std::vector<std::string> allLines() {
    std::vector<std::string> lines;
    const auto failure =
        forEachLine(sampleFile(), [&](std::string_view line) { lines.emplace_back(line); });
    EXPECT_FALSE(failure.has_value());
    return lines;
}

Listing listing(ListingOrder order, std::string_view diploma, std::string_view department) {
    Result<Listing> result = buildListing(order, sampleFile(), diploma, department);
    EXPECT_TRUE(result.ok());
    return result.ok() ? std::move(result.value()) : Listing{};
}

std::vector<std::string> search(SearchCriterion criterion, std::string_view textUtf8) {
    const Result<LineList> result = Cherche_Ref(criterion, cp(textUtf8), sampleFile());
    EXPECT_TRUE(result.ok());
    std::vector<std::string> lines;
    if (result.ok()) {
        for (std::size_t i = 0; i < result.value().size(); ++i) {
            lines.emplace_back(result.value()[i]);
        }
    }
    return lines;
}

template <class Predicate> std::size_t countLines(const LineList& lines, Predicate predicate) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        count += predicate(lines[i]) ? 1 : 0;
    }
    return count;
}

// 1-based columns of a listing line, as the listing tables give them.
std::string_view columns(std::string_view line, std::size_t first, std::size_t width) {
    return fieldOf(line, Field{first, width});
}

TEST(SampleFile, HasTheHeaderAndFortyThousandRecordsEndedByCrLf) {
    std::ifstream in(sampleFile(), std::ios::binary);
    ASSERT_TRUE(in) << sampleFile();
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::size_t lineFeeds = 0;
    std::size_t crLfs = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            ++lineFeeds;
            crLfs += (i > 0 && bytes[i - 1] == '\r') ? 1 : 0;
        }
    }
    EXPECT_EQ(lineFeeds, kSampleLineCount);
    EXPECT_EQ(crLfs, kSampleLineCount);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");

    const std::vector<std::string> lines = allLines();
    ASSERT_EQ(lines.size(), kSampleLineCount);
    const std::size_t complete = std::count_if(
        lines.begin(), lines.end(), [](const std::string& l) { return l.size() == 138; });
    EXPECT_GT(complete, 39000U);
}

TEST(SampleFile, HeaderCarriesTheRevisionInColumns7To30) {
    DatabaseRevision revision;
    const Result<std::string> message = revision.check(sampleFile());
    ASSERT_TRUE(message.ok());
    // "Révision 2026-12 (exemple)" cut to the 24 columns.
    EXPECT_EQ(message.value(), "Base de donnée Révision 2026-12 (exempl");
    EXPECT_EQ(allLines().front().substr(0, 6), "      ");
}

TEST(SampleFile, RecordsKeepTheirFieldsInTheirColumns) {
    const std::vector<std::string> lines = allLines();
    std::size_t checked = 0;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.size() != 138) {
            continue;
        }
        SCOPED_TRACE(line);
        // Columns 1-3 and every separator column are blank.
        for (const std::size_t column : {1, 2, 3, 32, 38, 45, 53, 82, 99, 106}) {
            ASSERT_EQ(line[column - 1], ' ') << "column " << column;
        }
        ASSERT_TRUE(diplomaFullName(diplomaCode(line)).has_value());
        const CantonSplit canton = splitCanton(line, NumberCut::NumberOnly);
        ASSERT_LE(canton.name.size(), 27U);
        if (canton.kind == CantonSplit::Kind::Numbered) {
            ASSERT_TRUE(std::all_of(canton.number.begin(), canton.number.end(),
                                    [](char c) { return c >= '0' && c <= '9'; }));
        }
        ++checked;
    }
    EXPECT_GT(checked, 39000U);
}

TEST(SampleFile, EveryDiplomaIsListed) {
    for (const Diploma& diploma : kDiplomaCatalogue) {
        SCOPED_TRACE(diploma.code);
        const Listing byReference = listing(ListingOrder::Reference, diploma.code, "00");
        EXPECT_GT(byReference.listedCount, 0U);
        EXPECT_EQ(byReference.readCount, kSampleLineCount);
        for (std::size_t i = 0; i < byReference.lines.size(); ++i) {
            ASSERT_EQ(trimBlanks(columns(byReference.lines[i], 1, 5)), diploma.code);
        }
    }
    // The castles and the mills make up most of the file, as in the real one.
    EXPECT_GT(listing(ListingOrder::Reference, "DFCF", "00").listedCount, 15000U);
    EXPECT_GT(listing(ListingOrder::Reference, "DMF", "00").listedCount, 10000U);
}

TEST(SampleFile, EveryDiplomaAndDepartmentListsEveryLine) {
    const Listing everything = listing(ListingOrder::Commune, kEveryDiploma, kEveryDepartment);
    EXPECT_EQ(everything.listedCount, kSampleLineCount);
    EXPECT_EQ(everything.readCount, kSampleLineCount);
}

TEST(SampleFile, CastlesOfFinistereForThePrintingExample) {
    const Listing castles = listing(ListingOrder::Commune, "DFCF", "29");
    EXPECT_GE(castles.listedCount, 5U);
    for (std::size_t i = 0; i < castles.lines.size(); ++i) {
        ASSERT_EQ(columns(castles.lines[i], 30, 2), "29");
        ASSERT_EQ(columns(castles.lines[i], 37, 5), "DFCF ");
    }
}

TEST(SampleFile, RecordsWithoutCommuneAreListedOnlyUnderEveryDiploma) {
    const auto noCommune = [](std::string_view line) {
        return columns(line, 1, 28) == "-----" + std::string(23, ' ');
    };
    EXPECT_GT(countLines(listing(ListingOrder::Commune, kEveryDiploma, "00").lines, noCommune), 0U);
    EXPECT_EQ(countLines(listing(ListingOrder::Commune, "DFCF", "00").lines, noCommune), 0U);
    EXPECT_EQ(countLines(listing(ListingOrder::Commune, "WLOTA", "00").lines, noCommune), 0U);

    // Fort Boyard stands at sea: its DFCF record has no commune, but a postal code of 17.
    const std::vector<std::string> found = search(SearchCriterion::Activity, "fort boyard");
    ASSERT_EQ(found.size(), 1U);
    EXPECT_EQ(trimBlanks(columns(found[0], 1, 28)), "-----");
    EXPECT_EQ(countLines(listing(ListingOrder::Commune, kEveryDiploma, "17").lines, noCommune), 1U);
}

TEST(SampleFile, RecordsWithoutPostalCodeAreListedOnlyUnderEveryDiploma) {
    const auto noPostalCode = [](std::string_view line) { return columns(line, 1, 6) == "----- "; };
    const Listing dashes = listing(ListingOrder::PostalCode, kEveryDiploma, "--");
    EXPECT_GT(dashes.listedCount, 0U);
    EXPECT_EQ(countLines(dashes.lines, noPostalCode), dashes.listedCount);
    EXPECT_EQ(countLines(listing(ListingOrder::PostalCode, "DIFM", "00").lines, noPostalCode), 0U);
    EXPECT_EQ(countLines(listing(ListingOrder::PostalCode, "DPLF", "00").lines, noPostalCode), 0U);
    // The commune listing has no postal-code test: the island without postal code is there.
    const auto stagadon = [](std::string_view line) {
        return line.find("Ilot de Stagadon") != std::string_view::npos;
    };
    EXPECT_EQ(countLines(listing(ListingOrder::Commune, "DIFM", "00").lines, stagadon), 1U);
}

TEST(SampleFile, ReferencesWithoutNumberAreListedOnlyUnderEveryDiploma) {
    const auto noNumber = [](std::string_view line) { return columns(line, 7, 6) == "      "; };
    const auto castleWithoutNumber = [&](std::string_view line) {
        return columns(line, 1, 5) == "DFCF " && noNumber(line);
    };
    EXPECT_GT(countLines(listing(ListingOrder::Reference, kEveryDiploma, "00").lines,
                         castleWithoutNumber),
              0U);
    EXPECT_EQ(countLines(listing(ListingOrder::Reference, "DFCF", "00").lines, noNumber), 0U);
    EXPECT_EQ(countLines(listing(ListingOrder::Reference, "DMF", "00").lines, noNumber), 0U);
}

TEST(SampleFile, CantonsEmptyUnnumberedAndOfTheWidestName) {
    // Lights at sea have no canton: blank columns 1 to 32, at the top of the canton listing.
    const Listing lights = listing(ListingOrder::Canton, "DPLF", "00");
    ASSERT_GT(lights.listedCount, 0U);
    EXPECT_EQ(columns(lights.lines[0], 1, 32), std::string(32, ' '));

    // Paris has no canton number: the Paris diplomas list nothing by canton, "****" shows "----".
    EXPECT_EQ(listing(ListingOrder::Canton, "DAP", "00").listedCount, 0U);
    EXPECT_GT(listing(ListingOrder::Reference, "DAP", "00").listedCount, 0U);
    const auto unnumbered = [](std::string_view line) { return columns(line, 1, 5) == "---- "; };
    EXPECT_GT(countLines(listing(ListingOrder::Canton, kEveryDiploma, "75").lines, unnumbered), 0U);
    // Some castles lost their canton number too.
    const auto unnumberedCastle = [&](std::string_view line) {
        return unnumbered(line) && columns(line, 33, 5) == "DFCF ";
    };
    EXPECT_GT(
        countLines(listing(ListingOrder::Canton, kEveryDiploma, "00").lines, unnumberedCastle), 0U);
    EXPECT_EQ(countLines(listing(ListingOrder::Canton, "DFCF", "00").lines, unnumbered), 0U);

    // A 27-character canton name runs straight into the diploma code at column 33.
    const auto widestName = [](std::string_view line) {
        return line[31] != ' ' && columns(line, 33, 5) == "DFCF ";
    };
    EXPECT_GT(countLines(listing(ListingOrder::Canton, "DFCF", "00").lines, widestName), 0U);
}

TEST(SampleFile, ShortLinesAreCutInsideVariousFields) {
    std::set<std::string> cutFields;
    const std::vector<std::string> lines = allLines();
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::size_t length = lines[i].size();
        if (length < fields::kCommune.column + fields::kCommune.width - 1) {
            cutFields.insert("commune");
        } else if (length >= fields::kActivityName.column &&
                   length < fields::kObservation.column - 1) {
            cutFields.insert("activity name");
        } else if (length >= fields::kPostalCode.column && length < fields::kCanton.column - 2) {
            cutFields.insert("postal code");
        } else if (length >= fields::kCanton.column && length < 138) {
            cutFields.insert("canton");
        }
    }
    EXPECT_EQ(cutFields,
              (std::set<std::string>{"activity name", "canton", "commune", "postal code"}));
}

TEST(SampleFile, NamesWithLigaturesAndQuotesSurviveTheRoundTrip) {
    // Windows-1252 keeps œ, Œ, ’, € and Ÿ in 0x80-0x9F; the file must use them.
    std::set<unsigned char> highBytes;
    for (const std::string& line : allLines()) {
        for (const char c : line) {
            const auto byte = static_cast<unsigned char>(c);
            if (byte >= 0x80 && byte <= 0x9F) {
                highBytes.insert(byte);
            }
        }
    }
    for (const unsigned char expected : {0x80, 0x8C, 0x92, 0x9C, 0x9F}) {
        EXPECT_TRUE(highBytes.count(expected)) << std::hex << int(expected);
    }

    // Lower case finds the upper-case commune: œ upper-cases to Œ.
    const std::vector<std::string> castle = search(SearchCriterion::Activity, "château de cœuvres");
    ASSERT_EQ(castle.size(), 1U);
    const std::string_view commune = trimBlanks(columns(castle[0], 1, 28));
    EXPECT_EQ(cp1252ToUtf8(commune), "CŒUVRES-ET-VALSERY");
    EXPECT_EQ(commune, "C\x8CUVRES-ET-VALSERY");
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(castle[0])), castle[0]);

    EXPECT_FALSE(search(SearchCriterion::Commune, "l'haÿ-les-roses").empty());
}

TEST(SampleFile, EachSearchCriterionFindsBelievableRecords) {
    for (const std::string& line : search(SearchCriterion::PostalCode, "29200")) {
        ASSERT_EQ(columns(line, 80, 5), "29200");
    }
    EXPECT_FALSE(search(SearchCriterion::PostalCode, "29200").empty());
    const std::vector<std::string> iota = search(SearchCriterion::Reference, "EU-064");
    EXPECT_FALSE(iota.empty());
    for (const std::string& line : iota) {
        ASSERT_EQ(columns(line, 30, 5), "IOTA ");
    }
    EXPECT_FALSE(search(SearchCriterion::Canton, "brest").empty());
    EXPECT_FALSE(search(SearchCriterion::Commune, "brest").empty());
    EXPECT_FALSE(search(SearchCriterion::Activity, "phare d’ar-men").empty());
}

} // namespace
} // namespace orvel
