#include "data/catalogue.h"
#include "data/record.h"
#include "tests/support/reference_file_builder.h"

#include <gtest/gtest.h>

namespace orvel {
namespace {

using Kind = CantonSplit::Kind;

// The canton cut, for both of its uses: the commune listing drops five characters from a
// numbered field, the others four.
TEST(CantonSplit, NameAndNumberOfEveryKindOfField) {
    const struct {
        const char* field;
        NumberCut cut;
        Kind kind;
        const char* name;
        const char* number;
    } cases[] = {
        {"Bourg-Nord 0107", NumberCut::NumberAndBlank, Kind::Numbered, "Bourg-Nord", "0107"},
        {"Bourg-Nord 0107", NumberCut::NumberOnly, Kind::Numbered, "Bourg-Nord", "0107"},
        {"Nord0107", NumberCut::NumberAndBlank, Kind::Numbered, "Nor", "0107"},
        {"Nord0107", NumberCut::NumberOnly, Kind::Numbered, "Nord", "0107"},
        {"12", NumberCut::NumberAndBlank, Kind::Numbered, "", "12"},
        {"0", NumberCut::NumberOnly, Kind::Numbered, "", "0"},
        {"Paris", NumberCut::NumberOnly, Kind::Unnumbered, "Paris", ""},
        {"Rue 12a", NumberCut::NumberOnly, Kind::Unnumbered, "Rue 12a", ""},
        {"Rue 12/", NumberCut::NumberOnly, Kind::Unnumbered, "Rue 12/", ""},
        {"Rue 12:", NumberCut::NumberOnly, Kind::Unnumbered, "Rue 12:", ""},
        {"   ", NumberCut::NumberAndBlank, Kind::None, "", ""},
    };
    for (const auto& c : cases) {
        const std::string record = testing::recordLine({.canton = c.field});
        const CantonSplit split = splitCanton(record, c.cut);
        EXPECT_EQ(split.kind, c.kind) << c.field;
        EXPECT_EQ(split.name, c.name) << c.field;
        EXPECT_EQ(split.number, c.number) << c.field;
    }
    EXPECT_EQ(splitCanton("short line", NumberCut::NumberOnly).kind, Kind::None);
}

TEST(DiplomaCatalogue, OnlyTheExactCodeHasAFullName) {
    for (const Diploma& diploma : kDiplomaCatalogue) {
        EXPECT_EQ(diplomaFullName(diploma.code), diploma.fullName);
        EXPECT_FALSE(diplomaFullName(std::string(diploma.code) + " "));
        EXPECT_FALSE(diplomaFullName(diploma.code.substr(1)));
    }
    EXPECT_FALSE(diplomaFullName("dfcf"));
    EXPECT_FALSE(diplomaFullName(kEveryDiploma));
}

} // namespace
} // namespace orvel
