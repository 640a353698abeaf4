#include "data/worked_records.h"

#include "data/record.h"

#include <cstring>

namespace orvel {

bool WorkedRecords::keyOf(std::string_view record, Key& key) {
    constexpr std::size_t kStart = fields::kDiploma.column - 1;
    constexpr std::size_t kEnd = fields::kReference.column - 1 + fields::kReference.width;
    static_assert(kEnd - kStart == sizeof key.head + sizeof key.tail);
    if (record.size() < kEnd) {
        return false;
    }
    std::memcpy(&key.head, record.data() + kStart, sizeof key.head);
    std::memcpy(&key.tail, record.data() + kStart + sizeof key.head, sizeof key.tail);
    return true;
}

std::size_t WorkedRecords::KeyHash::operator()(const Key& key) const {
    // Multiplying by an odd constant spreads the bytes; the high half, folded in, reaches the
    // low bits that choose the bucket.
    const std::uint64_t mixed = (key.head ^ (std::uint64_t{key.tail} << 21U)) * 0x9E3779B97F4A7C15U;
    return static_cast<std::size_t>(mixed ^ (mixed >> 32U));
}

void WorkedRecords::learn(std::string_view record) {
    Key key{};
    if (keyOf(record, key)) {
        answers_.try_emplace(key, references_->contains(record));
    }
}

bool WorkedRecords::contains(std::string_view record) const {
    Key key{};
    if (keyOf(record, key)) {
        const auto found = answers_.find(key);
        if (found != answers_.end()) {
            return found->second;
        }
    }
    return references_->contains(record);
}

} // namespace orvel
