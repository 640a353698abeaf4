#include "bench/baselines.h"

#include "data/cp1252.h"
#include "data/reference_file.h"
#include "listing/listing.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <sys/mman.h>
#include <unistd.h>
#include <vector>

namespace orvel::bench {
namespace {

struct CaseInsensitiveLess {
    bool operator()(const std::string& a, const std::string& b) const {
        return std::lexicographical_compare(
            a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
                return cp1252ToUpper(static_cast<unsigned char>(x)) <
                       cp1252ToUpper(static_cast<unsigned char>(y));
            });
    }
};

} // namespace

std::size_t countLinesPlainly(const std::filesystem::path& file) {
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> in(std::fopen(file.c_str(), "rb"),
                                                             &std::fclose);
    if (!in) {
        throw std::runtime_error("cannot open " + file.string());
    }
    std::vector<char> block(1U << 20U);
    std::size_t lines = 0;
    std::size_t got = 0;
    while ((got = std::fread(block.data(), 1, block.size(), in.get())) > 0) {
        const char* position = block.data();
        const char* const end = position + got;
        while ((position = static_cast<const char*>(std::memchr(position, '\n', end - position))) !=
               nullptr) {
            ++lines;
            ++position;
        }
    }
    return lines;
}

void touchFreshMemory(std::size_t bytes) {
    void* const mapping =
        mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapping == MAP_FAILED) {
        throw std::runtime_error("cannot map fresh memory");
    }
    auto* const pages = static_cast<volatile char*>(mapping);
    const auto pageSize = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    for (std::size_t offset = 0; offset < bytes; offset += pageSize) {
        pages[offset] = 1;
    }
    munmap(mapping, bytes);
}

std::size_t naiveCommuneListing(const std::filesystem::path& file) {
    std::multiset<std::string, CaseInsensitiveLess> sorted;
    const auto failure = forEachLine(file, [&](std::string_view record) {
        sorted.insert(listingLine(ListingOrder::Commune, record));
    });
    if (failure) {
        throw std::runtime_error("cannot read " + file.string());
    }
    return sorted.size();
}

} // namespace orvel::bench
