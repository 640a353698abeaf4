// Any file: the revision check never fails on a readable file, shows French UTF-8 text, keeps
// columns 7 to 30 of the first line, and gives the same answer when asked twice.

#include "data/reference_file.h"
#include "data/revision.h"
#include "tests/fuzz/fuzz_support.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using orvel::fuzz::require;
    const auto& file = orvel::fuzz::asReferenceFile({reinterpret_cast<const char*>(data), size});
    orvel::DatabaseRevision revision;
    const auto first = revision.check(file);
    require(first.ok() && first.value().starts_with("Base de donnée ") &&
                orvel::fuzz::isValidUtf8(first.value()),
            "a readable file gives a UTF-8 message naming the database");
    require(revision.revisionBase().size() <= 24, "the revision is columns 7 to 30 at most");

    // The check reads only the start of the file; the reader of whole lines must agree with it.
    orvel::LineReader reader(file);
    std::string_view firstLine; // stays empty when the file has no line
    reader.next(firstLine);
    require(orvel::revisionText(firstLine) == revision.revisionBase(),
            "the revision is the first line's");
    const auto second = revision.check(file);
    require(second.ok() && second.value() == first.value(), "a second check gives the same");
    return 0;
}
