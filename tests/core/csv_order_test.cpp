// orvel-query --csv lists the records in the order of the listing, not of the file.

#include "tests/support/reference_file_builder.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// The first field of every line that orvel-query writes with these arguments.
std::vector<std::string> firstFields(const std::string& arguments) {
    std::vector<std::string> fields;
    FILE* out =
        ::popen((std::string(ORVEL_QUERY_PATH) + " " + arguments + " 2>/dev/null").c_str(), "r");
    char line[512];
    while (out != nullptr && std::fgets(line, sizeof line, out) != nullptr) {
        const std::string text = line;
        fields.push_back(text.substr(0, text.find_first_of(", ")));
    }
    if (out != nullptr) {
        ::pclose(out);
    }
    return fields;
}

TEST(CsvRows, FollowTheListingOrder) {
    orvel::testing::TemporaryProgramDirectory directory;
    const auto file = directory.writeLines(
        {orvel::testing::headerLine("R2026"), // the first line, which CSV leaves out
         orvel::testing::recordLine({.commune = "QUIMPER", .canton = "Quimper 2910"}),
         orvel::testing::recordLine({.commune = "MORLAIX", .canton = "Morlaix 2915"}),
         orvel::testing::recordLine({.commune = "BREST", .canton = "Brest 2901"})});
    const std::pair<std::string, std::vector<std::string>> orders[] = {
        {"commune", {"commune", "BREST", "MORLAIX", "QUIMPER"}}, // after the header row
        {"canton", {"commune", "BREST", "QUIMPER", "MORLAIX"}}};
    for (const auto& [order, expected] : orders) {
        EXPECT_EQ(firstFields("--csv --file " + file.string() + " list " + order + " DFCF 29"),
                  expected)
            << order;
    }
}

} // namespace
