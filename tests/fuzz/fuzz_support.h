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

// The engine reads files, so each input becomes the content of the one reference file of this
// process. The file lives in memory: writing it for every input must not wait for a disk.
inline const std::filesystem::path& asReferenceFile(std::string_view bytes) {
    static const int descriptor = ::memfd_create("Liste_References.prn", 0);
    static const std::filesystem::path path = "/proc/self/fd/" + std::to_string(descriptor);
    require(descriptor != -1 && ::ftruncate(descriptor, 0) == 0 &&
                ::pwrite(descriptor, bytes.data(), bytes.size(), 0) ==
                    static_cast<ssize_t>(bytes.size()),
            "the input is written whole as the reference file");
    return path;
}

} // namespace orvel::fuzz
