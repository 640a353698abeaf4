// The program only reads the reference file: no operation changes its bytes or its time, leaves
// another file beside it, or keeps it open once it has returned.

#include "data/revision.h"
#include "listing/listing.h"
#include "reference_file_builder.h"
#include "search/search_engine.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace orvel {
namespace {

using testing::headerLine;
using testing::recordLine;
using testing::TemporaryProgramDirectory;

struct FileState {
    std::string bytes;
    std::filesystem::file_time_type modified;
    std::filesystem::perms permissions;
    std::set<std::filesystem::path> directoryEntries;

    bool operator==(const FileState&) const = default;
};

FileState stateOf(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    FileState state{std::string(std::istreambuf_iterator<char>(in), {}),
                    std::filesystem::last_write_time(file),
                    std::filesystem::status(file).permissions(),
                    {}};
    for (const auto& entry : std::filesystem::directory_iterator(file.parent_path())) {
        state.directoryEntries.insert(entry.path());
    }
    return state;
}

std::size_t openDescriptorCount() {
    const auto entries = std::filesystem::directory_iterator("/proc/self/fd");
    return static_cast<std::size_t>(std::distance(begin(entries), end(entries)));
}

struct Operation {
    std::string name;
    std::function<bool(const std::filesystem::path&)> run; // true when it produced its result
};

std::vector<Operation> everyOperation() {
    std::vector<Operation> operations;
    for (const auto& [name, order] : {std::pair{"commune", ListingOrder::Commune},
                                      std::pair{"reference", ListingOrder::Reference},
                                      std::pair{"canton", ListingOrder::Canton},
                                      std::pair{"postal code", ListingOrder::PostalCode}}) {
        operations.push_back({std::string("listing by ") + name, [order](const auto& file) {
                                  return buildListing(order, file, "DFCF", "00").ok();
                              }});
    }
    operations.push_back({"search", [](const auto& file) {
                              return Cherche_Ref(SearchCriterion::Canton, "BREST", file).ok();
                          }});
    operations.push_back({"revision check", [](const auto& file) {
                              DatabaseRevision revision;
                              return revision.check(file).ok();
                          }});
    return operations;
}

TEST(ReadOnly, NoOperationChangesTheFileOrKeepsItOpen) {
    TemporaryProgramDirectory directory;
    const auto file = directory.writeLines(
        {headerLine("R\xE9vision 2026-12"), recordLine({}),
         recordLine({.commune = "MORLAIX", .postalCode = "29600"}), std::string("short")});
    // Written a while ago, so that a rewrite within the same clock tick would still show.
    std::filesystem::last_write_time(file, std::filesystem::last_write_time(file) -
                                               std::chrono::hours(24));
    std::filesystem::permissions(file, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::group_read |
                                           std::filesystem::perms::others_read);

    const FileState before = stateOf(file);
    const std::size_t descriptorsBefore = openDescriptorCount();
    for (const Operation& operation : everyOperation()) {
        SCOPED_TRACE(operation.name);
        EXPECT_TRUE(operation.run(file));
        EXPECT_TRUE(stateOf(file) == before);
        EXPECT_EQ(openDescriptorCount(), descriptorsBefore);
    }
}

} // namespace
} // namespace orvel
