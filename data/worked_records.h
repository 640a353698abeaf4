#pragma once

#include "data/worked_log.h"

#include <cstdint>
#include <string_view>
#include <unordered_map>

namespace orvel {

// Whether records are worked, as WorkedReferences::contains tells, but remembered for the records
// shown to learn(): a listing asks for tens of thousands of records at every click, and the
// answer for a record already seen then costs one lookup of its bytes, not the building of its
// reference's key.
class WorkedRecords {
public:
    // references must outlive this.
    explicit WorkedRecords(const WorkedReferences& references) : references_(&references) {}

    void learn(std::string_view record);
    [[nodiscard]] bool contains(std::string_view record) const;

private:
    // The record's columns 33 to 44, which hold the diploma code and the reference number: the
    // whole of what the answer depends on.
    struct Key {
        std::uint64_t head;
        std::uint32_t tail;
        bool operator==(const Key&) const = default;
    };
    struct KeyHash {
        std::size_t operator()(const Key& key) const;
    };
    // None for a record too short to hold the columns; it is asked about each time.
    static bool keyOf(std::string_view record, Key& key);

    const WorkedReferences* references_;
    std::unordered_map<Key, bool, KeyHash> answers_;
};

} // namespace orvel
