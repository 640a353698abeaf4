#include "listing/collation.h"

#include "data/letters.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <tuple>
#include <vector>

namespace orvel {
namespace {

// Per byte: its first-level weight, the weight of the second letter of a ligature (0 when
// none), and its accent. Weight 0 marks the end of a line, so every character weighs at least 1.
struct Tables {
    std::array<std::uint8_t, 256> primary{};
    std::array<std::uint8_t, 256> expansion{};
    std::array<std::uint8_t, 256> accent{};
};

constexpr bool isAsciiLetter(int b) {
    return (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z');
}
constexpr bool isDigit(int b) {
    return b >= '0' && b <= '9';
}

constexpr Tables makeTables() {
    Tables t{};
    // Blanks and punctuation first, in byte order, then digits, then letters. The letters outside
    // ASCII take a punctuation weight here and their letter's weight below.
    std::uint8_t weight = 1;
    for (int b = 0; b < 256; ++b) {
        if (!isAsciiLetter(b) && !isDigit(b)) {
            t.primary[b] = weight++;
        }
    }
    t.primary[0xA0] = t.primary[' ']; // no-break space
    t.primary[0xAD] = t.primary['-']; // soft hyphen
    for (int b = '0'; b <= '9'; ++b) {
        t.primary[b] = weight++;
    }
    std::array<std::uint8_t, 26> letterWeight{};
    for (int l = 0; l < 26; ++l) {
        letterWeight[l] = weight++;
        t.primary['a' + l] = letterWeight[l];
        t.primary['A' + l] = letterWeight[l];
    }
    t.primary[0xFE] = weight; // þ sorts after z
    t.primary[0xDE] = weight;
    for (const AccentedLetter& letter : kAccentedLetters) {
        t.primary[letter.byte] = letterWeight[letter.base - 'a'];
        t.expansion[letter.byte] = letter.expansion == 0 ? 0 : letterWeight[letter.expansion - 'a'];
        t.accent[letter.byte] = letter.accent;
    }
    return t;
}

constexpr Tables kTables = makeTables();
static_assert(kTables.primary[0xFE] > kTables.primary['z'], "every weight fits in a byte");

// Walks the weights of a line character by character, ligatures expanded into two letters
// (the accent mark goes with the first); weight 0 once the line has ended.
class Weights {
public:
    struct Weight {
        std::uint8_t primary;
        std::uint8_t accent;
    };

    explicit Weights(std::string_view text) : next_(text.data()), end_(text.data() + text.size()) {}

    Weight next() {
        if (pending_ != 0) {
            const Weight weight{pending_, kPlain};
            pending_ = 0;
            return weight;
        }
        if (next_ == end_) {
            return Weight{0, kPlain};
        }
        const auto byte = static_cast<unsigned char>(*next_++);
        pending_ = kTables.expansion[byte];
        return Weight{kTables.primary[byte], kTables.accent[byte]};
    }

private:
    const char* next_;
    const char* end_;
    std::uint8_t pending_ = 0;
};

// Identical bytes weigh the same at both levels, so a common beginning is passed over as bytes,
// eight at a time.
std::size_t sameBeginning(std::string_view a, std::string_view b) {
    const std::size_t length = std::min(a.size(), b.size());
    std::size_t same = 0;
    while (length - same >= sizeof(std::uint64_t)) {
        std::uint64_t left = 0;
        std::uint64_t right = 0;
        std::memcpy(&left, a.data() + same, sizeof left);
        std::memcpy(&right, b.data() + same, sizeof right);
        if (left != right) {
            // The first differing byte in memory order.
            const std::uint64_t differ = left ^ right;
            const int bits = std::endian::native == std::endian::little ? std::countr_zero(differ)
                                                                        : std::countl_zero(differ);
            return same + static_cast<std::size_t>(bits) / 8;
        }
        same += sizeof(std::uint64_t);
    }
    while (same < length && a[same] == b[same]) {
        ++same;
    }
    return same;
}

int comparePrimary(std::string_view a, std::string_view b) {
    Weights left(a);
    Weights right(b);
    while (true) {
        const std::uint8_t l = left.next().primary;
        const std::uint8_t r = right.next().primary;
        if (l != r) {
            return l - r;
        }
        if (l == 0) {
            return 0;
        }
    }
}

// Only called on lines of equal first-level weights, so both walks end together.
int compareAccents(std::string_view a, std::string_view b) {
    Weights left(a);
    Weights right(b);
    while (true) {
        const Weights::Weight l = left.next();
        const Weights::Weight r = right.next();
        if (l.accent != r.accent) {
            return l.accent - r.accent;
        }
        if (l.primary == 0) {
            return 0;
        }
    }
}

} // namespace

int collate(std::string_view a, std::string_view b) {
    const std::size_t same = sameBeginning(a, b);
    if (same == a.size() && same == b.size()) {
        return 0;
    }
    a.remove_prefix(same);
    b.remove_prefix(same);
    const int primary = comparePrimary(a, b);
    return primary != 0 ? primary : compareAccents(a, b);
}

namespace {

// The first-level weights of the beginning of each line, packed into integers with the first
// weight highest, place most lines by integer comparisons alone. They cover the sort field and
// the fields after it, which in the canton order begins with 32 characters shared by every
// record of a canton.
constexpr std::size_t kWords = 6;
constexpr std::size_t kPacked = kWords * sizeof(std::uint64_t);
using PackedWeights = std::array<std::uint64_t, kWords>;

// Packs the weights given by weightAt(0) to weightAt(kPacked - 1), eight to a word.
template <class WeightAt> void pack(PackedWeights& packed, WeightAt&& weightAt) {
    for (std::size_t w = 0; w < kWords; ++w) {
        std::uint64_t word = 0;
        for (std::size_t k = 0; k < sizeof word; ++k) {
            word = (word << 8U) | weightAt(w * sizeof word + k);
        }
        packed[w] = word;
    }
}

} // namespace

std::vector<std::size_t> sortOrder(const LineList& lines) {
    struct Entry {
        PackedWeights packed;
        std::size_t index;
    };
    std::vector<Entry> entries(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        Entry& entry = entries[i];
        entry.index = i;
        // Most lines are longer than the packed weights and hold no ligature there: their
        // weights are packed straight from their bytes.
        std::uint8_t expands = 0;
        if (line.size() >= kPacked) {
            pack(entry.packed, [&line, &expands](std::size_t at) {
                const auto byte = static_cast<unsigned char>(line[at]);
                expands |= kTables.expansion[byte];
                return kTables.primary[byte];
            });
            if (expands == 0) {
                continue;
            }
        }
        std::array<std::uint8_t, kPacked + 1> weights{};
        std::size_t count = 0;
        for (std::size_t b = 0; b < line.size() && count < kPacked; ++b) {
            const auto byte = static_cast<unsigned char>(line[b]);
            weights[count++] = kTables.primary[byte];
            weights[count] = kTables.expansion[byte]; // overwritten next when 0
            count += weights[count] != 0 ? 1 : 0;
        }
        pack(entry.packed, [&weights](std::size_t at) { return weights[at]; });
    }
    // First by the packed weights alone, without reading a line: lines that share them stay in
    // file order. Then each run of shared weights by the whole lines, keeping that order for
    // equal lines; a line repeated many times costs one comparison per repetition.
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return std::tie(a.packed, a.index) < std::tie(b.packed, b.index);
    });
    const auto runEndFrom = [&entries](auto run) {
        return run == entries.end()
                   ? run
                   : std::find_if(run + 1, entries.end(), [&run](const Entry& entry) {
                         return entry.packed != run->packed;
                     });
    };
    const auto byLines = [&lines](const Entry& a, const Entry& b) {
        return collate(lines[a.index], lines[b.index]) < 0;
    };
    auto run = entries.begin();
    auto runEnd = runEndFrom(run);
    while (run != entries.end()) {
        // The lines of a run lie far apart: those of the next run are fetched while this one is
        // checked.
        const auto nextEnd = runEndFrom(runEnd);
        if (nextEnd - runEnd > 1) {
            for (auto entry = runEnd; entry != nextEnd; ++entry) {
                lines.prefetch(entry->index);
            }
        }
        // Copies of one line make a run already in order: checking costs one comparison per
        // copy, sorting several.
        if (!std::is_sorted(run, runEnd, byLines)) {
            std::stable_sort(run, runEnd, byLines);
        }
        run = runEnd;
        runEnd = nextEnd;
    }
    std::vector<std::size_t> order(entries.size());
    std::transform(entries.begin(), entries.end(), order.begin(),
                   [](const Entry& entry) { return entry.index; });
    return order;
}

} // namespace orvel
