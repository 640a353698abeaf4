// Any file: the revision check never fails on a readable file, shows French UTF-8 text, keeps at
// most 24 characters of the header, and gives the same answer when asked twice.

#include "data/revision.h"
#include "tests/fuzz/fuzz_support.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using orvel::fuzz::require;
    const std::filesystem::path& file =
        orvel::fuzz::inputFile().write(std::string_view(reinterpret_cast<const char*>(data), size));

    orvel::DatabaseRevision revision;
    const auto first = revision.check(file);
    require(first.ok(), "a readable file gives a revision message");
    require(first.value().starts_with("Base de donnée "), "the message names the database");
    require(orvel::fuzz::isValidUtf8(first.value()), "the message is UTF-8");
    require(revision.revisionBase().size() <= 24, "the revision is columns 7 to 30 at most");

    const auto second = revision.check(file);
    require(second.ok() && second.value() == first.value(), "a second check gives the same");
    return 0;
}
