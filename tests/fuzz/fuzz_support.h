#pragma once

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <sys/mman.h>
#include <unistd.h>

namespace orvel::fuzz {

// A property every input must keep; breaking it is a finding, reported like a crash.
inline void require(bool holds, const char* property) {
    if (!holds) {
        std::fprintf(stderr, "Property broken: %s\n", property);
        std::abort();
    }
}

// The engine reads files, so each input becomes the content of one file of this process. The
// file lives in memory: writing it for every input must not wait for a disk.
class InputFile {
public:
    InputFile() : descriptor_(::memfd_create("Liste_References.prn", 0)) {
        require(descriptor_ != -1, "an in-memory file can be made");
        path_ = "/proc/self/fd/" + std::to_string(descriptor_);
    }
    ~InputFile() { ::close(descriptor_); }
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    const std::filesystem::path& write(std::string_view bytes) {
        require(::ftruncate(descriptor_, 0) == 0, "the input file can be emptied");
        require(::pwrite(descriptor_, bytes.data(), bytes.size(), 0) ==
                    static_cast<ssize_t>(bytes.size()),
                "the input file is written whole");
        return path_;
    }

private:
    int descriptor_;
    std::filesystem::path path_;
};

inline InputFile& inputFile() {
    static InputFile file;
    return file;
}

// Well-formed UTF-8: what every text shown to the user must be.
inline bool isValidUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80             ? 1
                                   : (lead & 0xE0) == 0xC0 ? 2
                                   : (lead & 0xF0) == 0xE0 ? 3
                                   : (lead & 0xF8) == 0xF0 ? 4
                                                           : 0;
        if (length == 0 || i + length > text.size()) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) {
                return false;
            }
        }
        i += length;
    }
    return true;
}

} // namespace orvel::fuzz
