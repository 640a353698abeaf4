#pragma once

#include <algorithm>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace orvel {

// Lines of text kept end to end in one block: a listing of 40,000 lines costs one allocation
// that grows, not 40,000 strings.
class LineList {
public:
    void append(std::string_view line) { append({line}); }

    // Appends one line made of the parts, end to end.
    void append(std::initializer_list<std::string_view> parts) {
        const std::size_t offset = bytes_.size();
        for (const std::string_view part : parts) {
            bytes_.append(part);
        }
        spans_.push_back(Span{offset, bytes_.size() - offset});
    }

    // Room for lines of that many bytes in all, up to one line per average record. Memory that
    // is reserved and never written costs nothing, and growing by copies would.
    void reserve(std::size_t bytes, std::size_t lines) {
        bytes_.reserve(bytes);
        spans_.reserve(lines);
    }

    [[nodiscard]] std::size_t size() const { return spans_.size(); }
    [[nodiscard]] bool empty() const { return spans_.empty(); }

    [[nodiscard]] std::string_view operator[](std::size_t index) const {
        const Span& span = spans_[index];
        return {bytes_.data() + span.offset, span.length};
    }

    // Puts the lines in the given order: line i becomes the former line order[i].
    void reorder(const std::vector<std::size_t>& order) {
        std::vector<Span> reordered(order.size());
        std::transform(order.begin(), order.end(), reordered.begin(),
                       [this](std::size_t index) { return spans_[index]; });
        spans_ = std::move(reordered);
    }

private:
    struct Span {
        std::size_t offset;
        std::size_t length;
    };
    std::string bytes_;
    std::vector<Span> spans_;
};

} // namespace orvel
