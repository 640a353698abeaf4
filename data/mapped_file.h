#pragma once

#include <cstddef>
#include <string_view>

namespace orvel {

// A regular file's bytes mapped into memory and read where the system keeps them, instead of
// being copied out block by block. Should the file be cut short while it is mapped, its pages
// past the cut read as zeros instead of ending the program with a bus error, and wasCut() tells.
class MappedFile {
public:
    // Maps the first size bytes of the open file; bytes() stays empty when they cannot be.
    MappedFile(int descriptor, std::size_t size);
    ~MappedFile();
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    [[nodiscard]] std::string_view bytes() const { return bytes_; }

    // Whether some of the bytes were gone, the file cut short, when they were read.
    [[nodiscard]] bool wasCut() const;

private:
    std::string_view bytes_;
    int guard_ = -1; // the watch kept over the bytes, when mapped
};

} // namespace orvel
