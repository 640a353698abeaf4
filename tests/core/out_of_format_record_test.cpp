// Records whose canton field does not fit the listing columns are cut, not skipped: the canton
// name to 27 characters, a short number padded with blanks to 4, so that every line keeps its
// columns and no record is lost.

#include "expect_value.h"
#include "listing/detail_fields.h"
#include "listing/listing.h"
#include "reference_file_builder.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>

namespace orvel {
namespace {

using testing::expectValue;
using testing::recordLine;
using testing::TemporaryProgramDirectory;

constexpr char kBlankName[] = "                           "; // 27 blanks

struct CantonCase {
    std::string_view label;
    std::string_view cantonField;
    std::string_view number;      // the four columns of the canton number
    std::string_view name;        // the 27 columns of the canton name
    std::string_view shownNumber; // what the detail window shows of them, trimmed
    std::string_view shownName;
};

// The canton field holds 32 characters: a name without a number can nearly fill it, and a name
// of 28 can run straight into its number.
const CantonCase kLongNameCase{"NameLongerThan27",
                               "Saint-Germain-des-Pres-Lointain",
                               "----",
                               "Saint-Germain-des-Pres-Loin",
                               "----",
                               "Saint-Germain-des-Pres-Loin"};
const CantonCase kLongNumberedNameCase{"NumberedNameLongerThan27",
                                       "Saint-Germain-des-Pres-Loint0512",
                                       "0512",
                                       "Saint-Germain-des-Pres-Loin",
                                       "0512",
                                       "Saint-Germain-des-Pres-Loin"};
const CantonCase kShortNumberCase{"NumberOfTwoDigits",          "12", "12  ",
                                  std::string_view(kBlankName), "12", ""};
const CantonCase kNumberAloneCase{"NumberWithoutName",          "0107", "0107",
                                  std::string_view(kBlankName), "0107", ""};

std::string listedLine(ListingOrder order, const CantonCase& canton) {
    TemporaryProgramDirectory directory;
    const auto file = directory.writeLines(
        {recordLine({.observation = "1er mai 2008", .canton = std::string(canton.cantonField)})});
    // Every diploma, so that the canton listing keeps a canton without a number too.
    const Listing listing = expectValue(buildListing(order, file, "****", "29"));
    if (listing.lines.size() != 1) {
        ADD_FAILURE() << "the record was not listed";
        return {};
    }
    return std::string(listing.lines[0]);
}

class OutOfFormatCanton : public ::testing::TestWithParam<CantonCase> {};

TEST_P(OutOfFormatCanton, CommuneLineKeepsItsColumnsAndTheDetailReadsThem) {
    const std::string line = listedLine(ListingOrder::Commune, GetParam());
    ASSERT_EQ(line.size(), 136U);
    EXPECT_EQ(line.substr(86, 4), GetParam().number);
    EXPECT_EQ(line.substr(91, 27), GetParam().name);
    EXPECT_EQ(line.substr(119, 17), "1er mai 2008     ");

    const DetailFields detail = cutCommuneLine(line);
    EXPECT_EQ(detail.commune, "BREST");
    EXPECT_EQ(detail.postalCode, "29200");
    EXPECT_EQ(detail.diploma, "DFCF");
    EXPECT_EQ(detail.reference, "29-001");
    EXPECT_EQ(detail.activityName, "Fort du Portzic");
    EXPECT_EQ(detail.cantonNumber, GetParam().shownNumber);
    EXPECT_EQ(detail.cantonName, GetParam().shownName);
    EXPECT_EQ(detail.observation, "1er mai 2008");
}

TEST_P(OutOfFormatCanton, ReferenceLineKeepsItsLength) {
    const std::string line = listedLine(ListingOrder::Reference, GetParam());
    ASSERT_EQ(line.size(), 108U);
    EXPECT_EQ(line.substr(103, 5), std::string(GetParam().number) + " ");
    EXPECT_EQ(line.substr(74, 5), "BREST");
}

TEST_P(OutOfFormatCanton, CantonLineKeepsTheDiplomaCodeAtColumn33) {
    const std::string line = listedLine(ListingOrder::Canton, GetParam());
    ASSERT_EQ(line.size(), 118U);
    EXPECT_EQ(line.substr(0, 5), std::string(GetParam().number) + " ");
    EXPECT_EQ(line.substr(5, 27), GetParam().name);
    EXPECT_EQ(line.substr(32, 5), "DFCF ");
    EXPECT_EQ(line.substr(82, 6), "29200 ");
    EXPECT_EQ(line.substr(89, 5), "BREST");
}

TEST_P(OutOfFormatCanton, PostalCodeLineEndsWithTheCantonColumns) {
    const std::string line = listedLine(ListingOrder::PostalCode, GetParam());
    ASSERT_EQ(line.size(), 118U);
    EXPECT_EQ(line.substr(36, 5), "DFCF ");
    EXPECT_EQ(line.substr(86, 4), GetParam().number);
    EXPECT_EQ(line.substr(91, 27), GetParam().name);
}

std::string caseName(const ::testing::TestParamInfo<CantonCase>& info) {
    return std::string(info.param.label);
}

INSTANTIATE_TEST_SUITE_P(CutNotSkipped, OutOfFormatCanton,
                         ::testing::Values(kLongNameCase, kLongNumberedNameCase, kShortNumberCase,
                                           kNumberAloneCase),
                         caseName);

} // namespace
} // namespace orvel
