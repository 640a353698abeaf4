#include "listing/collation.h"

#include "data/letters.h"

#include <algorithm>
#include <array>
#include <cstdint>
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
    std::array<bool, 256> isLetter{};
    for (int b = 0; b < 256; ++b) {
        isLetter[b] = isAsciiLetter(b) || b == 0xFE || b == 0xDE; // þ sorts after z
    }
    for (const AccentedLetter& letter : kAccentedLetters) {
        isLetter[letter.byte] = true;
    }

    // Blanks and punctuation first, in byte order, then digits, then letters.
    std::uint8_t weight = 1;
    for (int b = 0; b < 256; ++b) {
        if (!isLetter[b] && !isDigit(b)) {
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
    t.primary[0xFE] = weight;
    t.primary[0xDE] = weight;
    for (const AccentedLetter& letter : kAccentedLetters) {
        t.primary[letter.byte] = letterWeight[letter.base - 'a'];
        t.expansion[letter.byte] = letter.expansion == 0 ? 0 : letterWeight[letter.expansion - 'a'];
        t.accent[letter.byte] = letter.accent;
    }
    return t;
}

constexpr Tables kTables = makeTables();

// Walks the weights of a line character by character, ligatures expanded into two letters
// (the accent mark goes with the first); weight 0 once the line has ended.
class Weights {
public:
    struct Weight {
        std::uint8_t primary;
        std::uint8_t accent;
    };

    explicit Weights(std::string_view text)
        : begin_(text.data()), next_(text.data()), end_(text.data() + text.size()) {}

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

    // How many bytes lie behind the weights given so far, or 0 when the last of them was the
    // first letter of a ligature, whose second letter is still to come.
    [[nodiscard]] std::size_t consumed() const {
        return pending_ != 0 ? 0 : static_cast<std::size_t>(next_ - begin_);
    }

private:
    const char* begin_;
    const char* next_;
    const char* end_;
    std::uint8_t pending_ = 0;
};

// Identical bytes weigh the same at both levels, so a common beginning is passed over as bytes.
std::size_t sameBeginning(std::string_view a, std::string_view b) {
    const std::size_t length = std::min(a.size(), b.size());
    const auto differ =
        std::mismatch(a.begin(), a.begin() + static_cast<std::ptrdiff_t>(length), b.begin());
    return static_cast<std::size_t>(differ.first - a.begin());
}

int comparePrimary(std::string_view a, std::string_view b) {
    const std::size_t same = sameBeginning(a, b);
    Weights left(a.substr(same));
    Weights right(b.substr(same));
    while (true) {
        const std::uint8_t l = left.next().primary;
        const std::uint8_t r = right.next().primary;
        if (l != r) {
            return l < r ? -1 : 1;
        }
        if (l == 0) {
            return 0;
        }
    }
}

// Only called on lines of equal first-level weights, so both walks end together.
int compareAccents(std::string_view a, std::string_view b) {
    const std::size_t same = sameBeginning(a, b);
    Weights left(a.substr(same));
    Weights right(b.substr(same));
    while (true) {
        const Weights::Weight l = left.next();
        const Weights::Weight r = right.next();
        if (l.accent != r.accent) {
            return l.accent < r.accent ? -1 : 1;
        }
        if (l.primary == 0) {
            return 0;
        }
    }
}

} // namespace

int collate(std::string_view a, std::string_view b) {
    const int primary = comparePrimary(a, b);
    return primary != 0 ? primary : compareAccents(a, b);
}

std::vector<std::size_t> sortOrder(const LineList& lines) {
    // The first 24 first-level weights of each line, packed into three integers, place most
    // lines by integer comparisons alone; lines that share them are compared from where the
    // packed weights end.
    struct Entry {
        std::uint64_t packed[3];
        std::size_t index;
        std::uint8_t resumeAt; // bytes behind the packed weights: at most one per weight
    };
    std::vector<Entry> entries(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        Weights weights(lines[i]);
        Entry& entry = entries[i];
        entry.index = i;
        for (std::uint64_t& word : entry.packed) {
            word = 0;
            for (int k = 0; k < 8; ++k) {
                word = (word << 8U) | weights.next().primary;
            }
        }
        entry.resumeAt = static_cast<std::uint8_t>(weights.consumed());
    }
    std::sort(entries.begin(), entries.end(), [&lines](const Entry& a, const Entry& b) {
        for (std::size_t w = 0; w < 3; ++w) {
            if (a.packed[w] != b.packed[w]) {
                return a.packed[w] < b.packed[w];
            }
        }
        const std::string_view left = lines[a.index];
        const std::string_view right = lines[b.index];
        // Identical lines are common (the same record listed again): file order, at once.
        if (left == right) {
            return a.index < b.index;
        }
        // A ligature cut in two by the packed weights leaves no place to resume at.
        const bool resumable = a.resumeAt != 0 && b.resumeAt != 0;
        int order = resumable ? comparePrimary(left.substr(a.resumeAt), right.substr(b.resumeAt))
                              : comparePrimary(left, right);
        if (order == 0) {
            order = compareAccents(left, right);
        }
        return order != 0 ? order < 0 : a.index < b.index;
    });
    std::vector<std::size_t> order(entries.size());
    std::transform(entries.begin(), entries.end(), order.begin(),
                   [](const Entry& entry) { return entry.index; });
    return order;
}

} // namespace orvel
