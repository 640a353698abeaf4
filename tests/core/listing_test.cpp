#include "data/cp1252.h"
#include "data/record.h"
#include "expect_value.h"
#include "listing/listing.h"
#include "reference_file_builder.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using namespace orvel;
using orvel::testing::expectValue;
using orvel::testing::headerLine;
using orvel::testing::RecordFields;
using orvel::testing::recordLine;
using orvel::testing::TemporaryProgramDirectory;

// A line of the given length, blank but for the values placed at their 1-based columns.
std::string placed(std::size_t length, std::vector<std::pair<std::size_t, std::string>> values) {
    std::string line(length, ' ');
    for (const auto& [column, value] : values) {
        line.replace(column - 1, value.size(), value);
    }
    return line;
}

const std::string kBrest =
    recordLine(RecordFields{"BREST", "DFCF", "29-001", "Fort", "Fort du Portzic", "01/05/2008",
                            "29200", "Brest-Centre 2905"});
const std::string kQuimper = recordLine(RecordFields{
    "QUIMPER", "DMF", "29-002", "Moulin", "Moulin du Stang", "", "29000", "Quimper 2910"});
const std::string kNoCommune = recordLine(RecordFields{
    "-----", "DFCF", "29-003", "Fort", "Fort de l'Ile Tristan", "", "29100", "Douarnenez 2915"});
const std::string kParis =
    recordLine(RecordFields{"PARIS", "DAP", "75-001", "Arrdt", "Louvre", "", "75001", "Paris"});
const std::string kNoReference = recordLine(
    RecordFields{"AIX-EN-PROVENCE", "DFCF", "", "Fort", "Fort Saint-Jean", "", "13100", ""});
const std::string kNoPostalCode = recordLine(RecordFields{
    "ILE VIERGE", "DFCF", "00-001", "Ile", "Ile Vierge", "", "-----", "Plouguerneau 2922"});
// A record whose department is "00" passes the tests of the department and of "every
// department" at once.
const std::string kDepartment00 = recordLine(
    RecordFields{"ZONE 00", "DFCF", "00-002", "Fort", "Fort zéro", "", "00100", "Zéro 0001"});

class ListingTest : public ::testing::Test {
protected:
    void SetUp() override {
        program_.writeLines({headerLine("Révision test"), kBrest, kQuimper, kNoCommune, kParis,
                             kNoReference, kNoPostalCode, kDepartment00});
    }

    Listing list(ListingOrder order, std::string_view diploma, std::string_view department) {
        return expectValue(buildListing(order, program_.referenceFile(), diploma, department));
    }

    static std::vector<std::string> communesOf(const Listing& listing, std::size_t column,
                                               std::size_t width) {
        std::vector<std::string> communes;
        for (std::size_t i = 0; i < listing.lines.size(); ++i) {
            communes.emplace_back(trimBlanks(listing.lines[i].substr(column - 1, width)));
        }
        return communes;
    }

    TemporaryProgramDirectory program_;
};

using Names = std::vector<std::string>;

TEST(ListingLines, CommuneLineHasTheFieldsAtTheirColumns) {
    EXPECT_EQ(listingLine(ListingOrder::Commune, kBrest), placed(136, {{1, "BREST"},
                                                                       {30, "29200"},
                                                                       {37, "DFCF"},
                                                                       {43, "29-001"},
                                                                       {50, "Fort"},
                                                                       {58, "Fort du Portzic"},
                                                                       {87, "2905"},
                                                                       {92, "Brest-Centre"},
                                                                       {120, "01/05/2008"}}));
}

TEST(ListingLines, ReferenceLineHasTheFieldsAtTheirColumns) {
    EXPECT_EQ(listingLine(ListingOrder::Reference, kBrest), placed(108, {{1, "DFCF"},
                                                                         {7, "29-001"},
                                                                         {14, "Fort"},
                                                                         {22, "Fort du Portzic"},
                                                                         {51, "01/05/2008"},
                                                                         {68, "29200"},
                                                                         {75, "BREST"},
                                                                         {104, "2905"}}));
}

TEST(ListingLines, CantonLineHasTheFieldsAtTheirColumns) {
    EXPECT_EQ(listingLine(ListingOrder::Canton, kBrest), placed(118, {{1, "2905"},
                                                                      {6, "Brest-Centre"},
                                                                      {33, "DFCF"},
                                                                      {39, "29-001"},
                                                                      {46, "Fort"},
                                                                      {54, "Fort du Portzic"},
                                                                      {83, "29200"},
                                                                      {90, "BREST"}}));
}

TEST(ListingLines, PostalCodeLineHasTheFieldsAtTheirColumns) {
    EXPECT_EQ(listingLine(ListingOrder::PostalCode, kBrest), placed(118, {{1, "29200"},
                                                                          {8, "BREST"},
                                                                          {37, "DFCF"},
                                                                          {43, "29-001"},
                                                                          {50, "Fort"},
                                                                          {58, "Fort du Portzic"},
                                                                          {87, "2905"},
                                                                          {92, "Brest-Centre"}}));
}

TEST(ListingLines, CantonColumnsWithoutCantonOrWithoutNumber) {
    const std::string none = listingLine(ListingOrder::Commune, kNoReference);
    EXPECT_EQ(none.substr(86, 32), std::string(32, ' '));
    EXPECT_EQ(none.size(), 136U);

    const std::string unnumbered = listingLine(ListingOrder::Commune, kParis);
    EXPECT_EQ(unnumbered.substr(86, 5), "---- ");
    EXPECT_EQ(unnumbered.substr(91, 28), "Paris" + std::string(23, ' '));

    EXPECT_EQ(listingLine(ListingOrder::Reference, kNoReference).substr(103), "     ");
    EXPECT_EQ(listingLine(ListingOrder::Reference, kParis).substr(103), "---- ");
    EXPECT_EQ(listingLine(ListingOrder::Canton, kNoReference).substr(0, 32), std::string(32, ' '));
    EXPECT_EQ(listingLine(ListingOrder::PostalCode, kParis).substr(86),
              "---- Paris" + std::string(22, ' '));
}

TEST(ListingLines, CantonNameOfTwentySevenCharactersRunsIntoTheDiplomaCode) {
    const std::string name27 = "Saint-Germain-des-Fossés-Nd";
    ASSERT_EQ(utf8ToCp1252(name27).size(), 27U);
    const std::string rec = recordLine(RecordFields{"X", "DFCF", "03-001", "Fort", "F", "", "03000",
                                                    utf8ToCp1252(name27) + " 0312"});
    const std::string line = listingLine(ListingOrder::Canton, rec);
    EXPECT_EQ(line.substr(0, 37), "0312 " + utf8ToCp1252(name27) + "DFCF ");
}

TEST(ListingLines, RecordsOutsideTheFormatAreCutToKeepTheColumns) {
    // A 32-character name without number, and a 28-character name run into its number.
    const std::string unnumbered = recordLine(
        RecordFields{"X", "DFCF", "01-001", "Fort", "F", "Obs", "01000", std::string(32, 'N')});
    const std::string commune = listingLine(ListingOrder::Commune, unnumbered);
    EXPECT_EQ(commune.size(), 136U);
    EXPECT_EQ(commune.substr(86, 33), "---- " + std::string(27, 'N') + " ");
    EXPECT_EQ(commune.substr(119, 3), "Obs");
    const std::string numbered = recordLine(RecordFields{"X", "DFCF", "01-001", "Fort", "F", "",
                                                         "01000", std::string(28, 'N') + "1234"});
    EXPECT_EQ(listingLine(ListingOrder::Canton, numbered).substr(0, 37),
              "1234 " + std::string(27, 'N') + "DFCF ");
    EXPECT_EQ(listingLine(ListingOrder::PostalCode, numbered).size(), 118U);

    const std::string shortNumber =
        recordLine(RecordFields{"X", "DFCF", "01-001", "", "", "", "01000", "12"});
    EXPECT_EQ(listingLine(ListingOrder::Reference, shortNumber).substr(103), "12   ");
}

TEST(ListingLines, ShortRecordGivesAShorterLine) {
    const std::string shortRecord = kBrest.substr(0, 50); // ends inside the activity type
    const std::string line = listingLine(ListingOrder::Commune, shortRecord);
    // Commune, empty postal code, diploma, reference, partial type, then the empty fields.
    EXPECT_EQ(line.substr(0, 30), "BREST" + std::string(23, ' ') + "  ");
    EXPECT_EQ(line.substr(30, 20), "DFCF  29-001 Fort   ");
    EXPECT_LT(line.size(), 136U);
}

TEST_F(ListingTest, DiplomaWithEveryDepartmentSkipsRecordsWithoutCommune) {
    const Listing listing = list(ListingOrder::Commune, "DFCF", "00");
    EXPECT_EQ(communesOf(listing, 1, 28),
              (Names{"AIX-EN-PROVENCE", "BREST", "ILE VIERGE", "ZONE 00"}));
    EXPECT_EQ(listing.listedCount, 4U);
    EXPECT_EQ(listing.readCount, 8U);
}

TEST_F(ListingTest, DiplomaAndDepartment) {
    EXPECT_EQ(communesOf(list(ListingOrder::Commune, "DFCF", "29"), 1, 28), (Names{"BREST"}));
    EXPECT_EQ(communesOf(list(ListingOrder::Commune, "DMF", "29"), 1, 28), (Names{"QUIMPER"}));
}

TEST_F(ListingTest, TextsAreComparedUnchanged) {
    for (const auto& [diploma, department] : std::vector<std::pair<std::string, std::string>>{
             {"dfcf", "00"}, {"DFCF ", "00"}, {"DFCF", "2"}, {"DFCF", " 29"}, {"DFCF", "29 "}}) {
        const Listing listing = list(ListingOrder::Commune, diploma, department);
        EXPECT_EQ(listing.listedCount, 0U) << diploma << "/" << department;
        EXPECT_EQ(listing.readCount, 8U);
    }
}

TEST_F(ListingTest, EveryDiplomaAndEveryDepartmentListsEveryLineOnce) {
    for (const ListingOrder order : {ListingOrder::Commune, ListingOrder::Reference,
                                     ListingOrder::Canton, ListingOrder::PostalCode}) {
        const Listing listing = list(order, "****", "00");
        EXPECT_EQ(listing.listedCount, 8U);
        EXPECT_EQ(listing.readCount, 8U);
        EXPECT_EQ(listing.lines.size(), 8U);
    }
}

TEST_F(ListingTest, RecordOfDepartment00IsListedOnce) {
    const Names communes = communesOf(list(ListingOrder::Commune, "DFCF", "00"), 1, 28);
    EXPECT_EQ(std::count(communes.begin(), communes.end(), "ZONE 00"), 1);
    EXPECT_EQ(list(ListingOrder::Commune, "****", "00").listedCount, 8U);
}

TEST_F(ListingTest, EveryDiplomaInOneDepartmentKeepsPlaceholders) {
    EXPECT_EQ(communesOf(list(ListingOrder::Commune, "****", "29"), 1, 28),
              (Names{"-----", "BREST", "QUIMPER"}));
    EXPECT_EQ(communesOf(list(ListingOrder::PostalCode, "****", "--"), 8, 28),
              (Names{"ILE VIERGE"}));
}

TEST_F(ListingTest, ReferenceListingSkipsBlankReferencesOfAChosenDiploma) {
    EXPECT_EQ(communesOf(list(ListingOrder::Reference, "DFCF", "00"), 75, 28),
              (Names{"ILE VIERGE", "ZONE 00", "BREST", "-----"}));
    EXPECT_EQ(list(ListingOrder::Reference, "****", "13").listedCount, 1U);
}

TEST_F(ListingTest, ReferenceListingGroupsByDiplomaThenReference) {
    const Listing listing = list(ListingOrder::Reference, "****", "00");
    std::vector<std::string> diplomas;
    for (std::size_t i = 0; i < listing.lines.size(); ++i) {
        diplomas.emplace_back(trimBlanks(listing.lines[i].substr(0, 5)));
    }
    // The header line's blank diploma column comes first.
    EXPECT_EQ(diplomas, (Names{"", "DAP", "DFCF", "DFCF", "DFCF", "DFCF", "DFCF", "DMF"}));
}

TEST_F(ListingTest, CantonListingSkipsUnnumberedCantonsOfAChosenDiploma) {
    EXPECT_EQ(list(ListingOrder::Canton, "DAP", "00").listedCount, 0U);
    const Listing every = list(ListingOrder::Canton, "****", "75");
    ASSERT_EQ(every.lines.size(), 1U);
    EXPECT_EQ(every.lines[0].substr(0, 10), "---- Paris");
    // No canton at all passes, and sorts first.
    const Listing dfcf = list(ListingOrder::Canton, "DFCF", "00");
    EXPECT_EQ(communesOf(dfcf, 90, 28),
              (Names{"AIX-EN-PROVENCE", "ZONE 00", "BREST", "-----", "ILE VIERGE"}));
}

TEST_F(ListingTest, PostalCodeListingSkipsMissingPostalCodesOfAChosenDiploma) {
    EXPECT_EQ(communesOf(list(ListingOrder::PostalCode, "DFCF", "00"), 8, 28),
              (Names{"ZONE 00", "AIX-EN-PROVENCE", "-----", "BREST"}));
    EXPECT_EQ(communesOf(list(ListingOrder::PostalCode, "****", "29"), 8, 28),
              (Names{"QUIMPER", "-----", "BREST"}));
}

TEST_F(ListingTest, MissingFileIsAFailureNotAnEmptyListing) {
    const Result<Listing> result =
        buildListing(ListingOrder::Commune, program_.directory() / "absent", "DFCF", "00");
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.failure().kind, ReadFailure::Kind::Missing);
}

TEST_F(ListingTest, RecordsCanBeKeptInListOrder) {
    const Result<Listing> result = buildListing(ListingOrder::Commune, program_.referenceFile(),
                                                "DFCF", "29", KeepRecords::Yes);
    ASSERT_TRUE(result.ok());
    ASSERT_EQ(result.value().records.size(), 1U);
    EXPECT_EQ(result.value().records[0], kBrest);
}

TEST(ListingCaptions, CountLineAndNoMatchMessage) {
    Listing listing;
    listing.listedCount = 41234;
    listing.readCount = 41235;
    EXPECT_EQ(countCaption(listing, "****"), "41234 Rérérences **** sur 41235");
    EXPECT_EQ(noMatchMessage("dfcf"), "Aucune références dfcf trouvées");
}

// Heading words and their 1-based start columns, counted in characters.
void expectWordsAt(std::string_view headingUtf8, std::size_t length,
                   std::vector<std::pair<std::size_t, std::string>> words) {
    const std::string heading = utf8ToCp1252(headingUtf8);
    EXPECT_EQ(heading.size(), length);
    std::string expected(length, ' ');
    for (const auto& [column, word] : words) {
        expected.replace(column - 1, utf8ToCp1252(word).size(), utf8ToCp1252(word));
    }
    EXPECT_EQ(heading, expected);
}

TEST(ListingCaptions, HeadingsHaveTheirWordsAtTheirColumns) {
    expectWordsAt(captionsOf(ListingOrder::Commune).heading, 200,
                  {{21, "Nom Commune"},
                   {62, "CP"},
                   {75, "Reference"},
                   {102, "Nom Activité"},
                   {173, "Canton"},
                   {191, "Nom Canton"}});
    expectWordsAt(captionsOf(ListingOrder::Reference).heading, 208,
                  {{9, "Reference"},
                   {35, "Nom Reference"},
                   {102, "1er activation"},
                   {138, "CP"},
                   {157, "Nom Commune"},
                   {200, "N° Canton"}});
    expectWordsAt(captionsOf(ListingOrder::Canton).heading, 191,
                  {{4, "Canton"},
                   {18, "Nom Canton"},
                   {72, "Reference"},
                   {98, "Nom Reference"},
                   {165, "CP"},
                   {181, "Nom Commune"}});
    expectWordsAt(captionsOf(ListingOrder::PostalCode).heading, 199,
                  {{9, "CP"},
                   {23, "Nom Commune"},
                   {72, "Reference"},
                   {98, "Nom Reference"},
                   {169, "Canton"},
                   {190, "Nom Canton"}});
}

TEST(ListingCaptions, OrderCaptionsAndRecordedModes) {
    EXPECT_EQ(captionsOf(ListingOrder::Commune).orderCaption, "par nom de Communes");
    EXPECT_EQ(captionsOf(ListingOrder::Reference).orderCaption, "par N° de Références");
    EXPECT_EQ(captionsOf(ListingOrder::Canton).orderCaption, "par N° de Cantons");
    EXPECT_EQ(captionsOf(ListingOrder::PostalCode).orderCaption, "par N° de Code Postal");
    EXPECT_EQ(modeRecordedBy(ListingOrder::Commune), ListingMode::Commune);
    EXPECT_EQ(modeRecordedBy(ListingOrder::Reference), ListingMode::Reference);
    EXPECT_EQ(modeRecordedBy(ListingOrder::Canton), ListingMode::Canton);
    EXPECT_EQ(modeRecordedBy(ListingOrder::PostalCode), ListingMode::Canton);
}

} // namespace
