#include "data/catalogue.h"
#include "data/record.h"
#include "reference_file_builder.h"

#include <gtest/gtest.h>

namespace {

using namespace orvel;
using orvel::testing::RecordFields;
using orvel::testing::recordLine;

using Kind = CantonSplit::Kind;

std::string withCanton(const std::string& canton) {
    return recordLine(
        RecordFields{"BREST", "DFCF", "29-001", "Fort", "Fort du Portzic", "", "29200", canton});
}

TEST(RecordFields, ShortLinesGivePartialOrEmptyFieldsAtEveryBoundary) {
    const std::string full =
        recordLine(RecordFields{"ABBEVILLE", "WLOTA", "123456", "Phare", "Phare de la Pointe",
                                "01/05/2008", "80100", "Abbeville-Nord 8001"});
    // Cut just before, at, and just after the first column of each field.
    EXPECT_EQ(fieldOf(full.substr(0, 3), fields::kCommune), "");
    EXPECT_EQ(fieldOf(full.substr(0, 4), fields::kCommune), "A");
    EXPECT_EQ(fieldOf(full.substr(0, 31), fields::kCommune), "ABBEVILLE                   ");
    EXPECT_EQ(fieldOf(full.substr(0, 32), fields::kDiploma), "");
    EXPECT_EQ(fieldOf(full.substr(0, 35), fields::kDiploma), "WLO");
    EXPECT_EQ(fieldOf(full, fields::kDiploma), "WLOTA");
    EXPECT_EQ(fieldOf(full.substr(0, 41), fields::kReference), "123");
    EXPECT_EQ(fieldOf(full.substr(0, 99), fields::kPostalCode), "");
    EXPECT_EQ(fieldOf(full.substr(0, 100), fields::kPostalCode), "8");
    EXPECT_EQ(fieldOf(full.substr(0, 106), fields::kCanton), "");
    EXPECT_EQ(fieldOf(full.substr(0, 110), fields::kCanton), "Abbe");
    EXPECT_EQ(fieldOf(full, fields::kCanton), "Abbeville-Nord 8001             ");
    EXPECT_EQ(fieldOf("", fields::kObservation), "");
}

TEST(RecordFields, DiplomaCodeIsTrimmedAndDepartmentIsNot) {
    EXPECT_EQ(diplomaCode(recordLine(RecordFields{.commune = "X", .diploma = "DMF"})), "DMF");
    EXPECT_EQ(fieldOf(recordLine(RecordFields{.commune = "X", .diploma = "DMF"}), fields::kDiploma),
              "DMF  ");
    EXPECT_EQ(diplomaCode(recordLine(RecordFields{.commune = "X", .diploma = "WLOTA"})), "WLOTA");
    EXPECT_EQ(department(recordLine(
                  RecordFields{.commune = "X", .diploma = "DAP", .postalCode = "75001"})),
              "75");
    EXPECT_EQ(department(recordLine(
                  RecordFields{.commune = "X", .diploma = "DAP", .postalCode = "-----"})),
              "--");
    EXPECT_EQ(department(recordLine(
                  RecordFields{.commune = "X", .diploma = "DAP", .postalCode = " 9000"})),
              " 9");
}

TEST(RecordFields, TrimmingRemovesBlanksAtBothEndsOnly) {
    EXPECT_EQ(trimBlanks("  Saint  Malo  "), "Saint  Malo");
    EXPECT_EQ(trimBlanks("      "), "");
    EXPECT_EQ(trimBlanks(""), "");
    EXPECT_EQ(trimBlanks("\tx\t"), "\tx\t");
}

TEST(CantonSplit, NameBlankNumberGivesBothWithEitherCut) {
    for (const NumberCut cut : {NumberCut::NumberAndBlank, NumberCut::NumberOnly}) {
        const std::string splitRecord = withCanton("Bourg-Nord 0107");
        const CantonSplit split = splitCanton(splitRecord, cut);
        EXPECT_EQ(split.kind, Kind::Numbered);
        EXPECT_EQ(split.name, "Bourg-Nord");
        EXPECT_EQ(split.number, "0107");
    }
}

TEST(CantonSplit, NameWithoutNumberOrEmptyField) {
    const std::string parisRecord = withCanton("Paris");
    const CantonSplit paris = splitCanton(parisRecord, NumberCut::NumberOnly);
    EXPECT_EQ(paris.kind, Kind::Unnumbered);
    EXPECT_EQ(paris.name, "Paris");
    EXPECT_EQ(paris.number, "");

    const std::string noneRecord = withCanton("   ");
    const CantonSplit none = splitCanton(noneRecord, NumberCut::NumberAndBlank);
    EXPECT_EQ(none.kind, Kind::None);
    EXPECT_EQ(none.name, "");
    EXPECT_EQ(none.number, "");

    EXPECT_EQ(splitCanton("short line", NumberCut::NumberOnly).kind, Kind::None);
}

TEST(CantonSplit, TheTwoCutsDifferOnlyWithoutABlankBeforeTheNumber) {
    // "Nord0107": the commune listing drops five characters, the others four.
    EXPECT_EQ(splitCanton(withCanton("Nord0107"), NumberCut::NumberAndBlank).name, "Nor");
    EXPECT_EQ(splitCanton(withCanton("Nord0107"), NumberCut::NumberOnly).name, "Nord");
}

TEST(CantonSplit, NumberedFieldShorterThanANumberKeepsWhatThereIs) {
    const std::string splitRecord = withCanton("12");
    const CantonSplit split = splitCanton(splitRecord, NumberCut::NumberAndBlank);
    EXPECT_EQ(split.kind, Kind::Numbered);
    EXPECT_EQ(split.number, "12");
    EXPECT_EQ(split.name, "");
}

TEST(DiplomaCatalogue, ElevenCodesInComboOrderWithTheirNames) {
    const char* codes[] = {"DFCF", "DMF",  "DIFI", "DIFM", "IOTA", "WLOTA",
                           "DPLF", "DFVS", "DAP",  "DQP",  "DIP"};
    ASSERT_EQ(kDiplomaCatalogue.size(), std::size(codes));
    for (std::size_t i = 0; i < std::size(codes); ++i) {
        EXPECT_EQ(kDiplomaCatalogue[i].code, codes[i]);
    }
    EXPECT_EQ(diplomaFullName("DFCF"), "Diplôme des Forts et Château de France");
    EXPECT_EQ(diplomaFullName("WLOTA"), "Diplôme World Lighthouse On The Air");
    EXPECT_EQ(diplomaFullName("DIP"), "Diplôme des Iles de Paris");
}

TEST(DiplomaCatalogue, OnlyExactCodesHaveAName) {
    EXPECT_FALSE(diplomaFullName("dfcf").has_value());
    EXPECT_FALSE(diplomaFullName("DFCF ").has_value());
    EXPECT_FALSE(diplomaFullName("****").has_value());
    EXPECT_FALSE(diplomaFullName("").has_value());
}

} // namespace
