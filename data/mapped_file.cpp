#include "data/mapped_file.h"

#include <array>
#include <atomic>
#include <csignal>
#include <cstdint>
#include <mutex>
#include <sys/mman.h>
#include <unistd.h>

namespace orvel {
namespace {

// The mappings being read. A bus error is raised in the thread that reads, so that a handler
// finds the mapping at fault here without taking any lock.
struct Watch {
    std::atomic<std::uintptr_t> begin;
    std::atomic<std::size_t> length;
    std::atomic<bool> cut;
};
constexpr std::size_t kWatches = 8;
// The begin of a watch taken but not yet filled in.
constexpr std::uintptr_t kTaken = 1;
std::array<Watch, kWatches> watches;

struct sigaction previousAction {};
std::uintptr_t pageSize = 0;

// When the address lies in a watched mapping, its file was cut short: from the address's page
// on, the mapping becomes zeros, and the reading goes on, to be reported as failed once it ends.
bool zeroCutPages(char* faulting) {
    const auto address = reinterpret_cast<std::uintptr_t>(faulting);
    for (Watch& watch : watches) {
        const std::uintptr_t begin = watch.begin.load();
        const std::size_t length = watch.length.load();
        if (begin <= kTaken || address - begin >= length) {
            continue;
        }
        char* const page = faulting - (address & (pageSize - 1));
        const bool zeroed = mmap(page, begin + length - (address & ~(pageSize - 1)), PROT_READ,
                                 MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED, -1, 0) != MAP_FAILED;
        watch.cut.store(zeroed);
        return zeroed;
    }
    return false;
}

// A bus error that is not ours goes to the previous handling, put back: it meets the same error
// again when the faulting access is retried, or the signal again when it was sent.
void onBusError(int signal, siginfo_t* info, void* /*context*/) {
    const bool raisedByAccess = info->si_code > 0;
    if (raisedByAccess && zeroCutPages(static_cast<char*>(info->si_addr))) {
        return;
    }
    sigaction(signal, &previousAction, nullptr);
    if (!raisedByAccess) {
        raise(signal);
    }
}

void handleBusErrors() {
    static std::once_flag installed;
    std::call_once(installed, [] {
        struct sigaction action {};
        action.sa_sigaction = onBusError;
        action.sa_flags = SA_SIGINFO;
        sigemptyset(&action.sa_mask);
        pageSize = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
        sigaction(SIGBUS, &action, &previousAction);
    });
}

// A free watch, taken; -1 when every one is in use.
int takeWatch(const void* begin, std::size_t length) {
    for (Watch& watch : watches) {
        std::uintptr_t free = 0;
        if (watch.begin.compare_exchange_strong(free, kTaken)) {
            watch.cut.store(false);
            watch.length.store(length);
            watch.begin.store(reinterpret_cast<std::uintptr_t>(begin));
            return static_cast<int>(&watch - watches.data());
        }
    }
    return -1;
}

} // namespace

MappedFile::MappedFile(int descriptor, std::size_t size) {
    handleBusErrors();
    // Not populated at once: the system maps the pages sixteen at a time as they are first read,
    // which costs less than walking every page ahead.
    void* const mapped = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, descriptor, 0);
    if (mapped == MAP_FAILED) {
        return;
    }
    guard_ = takeWatch(mapped, size);
    if (guard_ == -1) {
        munmap(mapped, size);
        return;
    }
    bytes_ = std::string_view(static_cast<const char*>(mapped), size);
}

MappedFile::~MappedFile() {
    if (guard_ == -1) {
        return;
    }
    watches[static_cast<std::size_t>(guard_)].begin.store(0);
    munmap(const_cast<char*>(bytes_.data()), bytes_.size());
}

bool MappedFile::wasCut() const {
    return guard_ != -1 && watches[static_cast<std::size_t>(guard_)].cut.load();
}

} // namespace orvel
