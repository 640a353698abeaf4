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
    for (const char* order : {"commune", "canton"}) {
        const std::string words = std::string(" list ") + order + " DFCF 29";
        std::vector<std::string> csv = firstFields("--csv --file " + file.string() + words);
        ASSERT_FALSE(csv.empty());
        csv.erase(csv.begin()); // the header row
        const std::vector<std::string> expected =
            std::string(order) == "commune"
                ? std::vector<std::string>{"BREST", "MORLAIX", "QUIMPER"}
                : std::vector<std::string>{"BREST", "QUIMPER", "MORLAIX"};
        EXPECT_EQ(csv, expected) << order;
    }
}

} // namespace
