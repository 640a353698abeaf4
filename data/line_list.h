#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <new>
#include <string_view>
#include <sys/mman.h>
#include <vector>

namespace orvel {

// Lines of text kept end to end in blocks of two mebibytes: a listing of 40,000 lines costs a few
// allocations, not 40,000 strings, and no block ever moves or grows by copying. Each block is
// aligned on its size and offered to the system as one huge page, so that filling it costs one
// page fault instead of 512; the allocator keeps blocks that size for the next listing.
class LineList {
public:
    LineList() = default;
    LineList(LineList&&) noexcept = default;
    LineList& operator=(LineList&&) noexcept = default;
    // The lines point into the blocks: a copy would point into another list's blocks.
    LineList(const LineList&) = delete;
    LineList& operator=(const LineList&) = delete;
    ~LineList() = default;

    void append(std::string_view line) { append({line}); }

    // Appends one line made of the parts, end to end.
    void append(std::initializer_list<std::string_view> parts) {
        std::size_t length = 0;
        for (const std::string_view part : parts) {
            length += part.size();
        }
        char* const start = room(length);
        char* next = start;
        for (const std::string_view part : parts) {
            if (!part.empty()) {
                std::memcpy(next, part.data(), part.size());
                next += part.size();
            }
        }
        spans_.emplace_back(start, length);
    }

    [[nodiscard]] std::size_t size() const { return spans_.size(); }
    [[nodiscard]] bool empty() const { return spans_.empty(); }
    [[nodiscard]] std::string_view operator[](std::size_t index) const { return spans_[index]; }

    // Brings a line into the cache ahead of its use.
    void prefetch(std::size_t index) const {
        constexpr std::size_t kCacheLine = 64;
        const std::string_view line = spans_[index];
        for (std::size_t offset = 0; offset < line.size(); offset += kCacheLine) {
            __builtin_prefetch(line.data() + offset);
        }
    }

    // Brings a line some places after this one into the cache ahead of its use. The lines of a
    // sorted listing lie in file order, so reading them in list order jumps across the blocks,
    // and writing a listing out would otherwise wait on memory for nearly every line.
    void prefetchAfter(std::size_t index) const {
        constexpr std::size_t kAhead = 16;
        if (index + kAhead < spans_.size()) {
            prefetch(index + kAhead);
        }
    }

    // Puts the lines in the given order: line i becomes the former line order[i].
    void reorder(const std::vector<std::size_t>& order) {
        std::vector<std::string_view> reordered(order.size());
        std::transform(order.begin(), order.end(), reordered.begin(),
                       [this](std::size_t index) { return spans_[index]; });
        spans_ = std::move(reordered);
    }

private:
    static constexpr std::size_t kBlockSize = std::size_t{2} << 20U;
    struct Free {
        void operator()(char* block) const { std::free(block); }
    };

    char* room(std::size_t length) {
        if (blocks_.empty() || blockSize_ - blockUsed_ < length) {
            blockSize_ = std::max(kBlockSize, length);
            // A multiple of the alignment, as aligned_alloc requires.
            blockSize_ = (blockSize_ + kBlockSize - 1) / kBlockSize * kBlockSize;
            // Left uninitialised: only the bytes written are ever read.
            char* const block = static_cast<char*>(std::aligned_alloc(kBlockSize, blockSize_));
            if (block == nullptr) {
                throw std::bad_alloc();
            }
            // Only a hint: where huge pages are off, the block is made of small ones.
            madvise(block, blockSize_, MADV_HUGEPAGE);
            blocks_.emplace_back(block);
            blockUsed_ = 0;
        }
        char* const start = blocks_.back().get() + blockUsed_;
        blockUsed_ += length;
        return start;
    }

    std::vector<std::unique_ptr<char, Free>> blocks_;
    std::size_t blockSize_ = 0;
    std::size_t blockUsed_ = 0;
    std::vector<std::string_view> spans_;
};

} // namespace orvel
