#include "data/worked_log.h"

#include "data/cp1252.h"
#include "data/log_reading.h"
#include "data/read_failure.h"
#include "data/record.h"
#include "data/reference_file.h"

#include <new>

namespace orvel {
namespace {

std::string keyOf(std::string_view diploma, std::string_view reference) {
    diploma = trimBlanks(diploma);
    reference = trimBlanks(reference);
    // Short enough for the string's own room: no allocation for a usual reference.
    std::string key;
    key.reserve(diploma.size() + 1 + reference.size());
    for (const char c : diploma) {
        key += static_cast<char>(cp1252ToUpper(static_cast<unsigned char>(c)));
    }
    key += ' ';
    for (const char c : reference) {
        key += static_cast<char>(cp1252ToUpper(static_cast<unsigned char>(c)));
    }
    return key;
}

// The log's bytes: where the system maps them, else read into copy, once.
std::string_view contentsOf(ReadOnlyFile& file, std::string& copy) {
    if (file.isMapped()) {
        std::vector<char> unused;
        return file.nextBlock(unused);
    }
    copy.resize(file.size());
    std::size_t filled = 0;
    while (filled < copy.size()) {
        const std::size_t got = file.read(copy.data() + filled, copy.size() - filled);
        if (got == 0) {
            break;
        }
        filled += got;
    }
    copy.resize(filled);
    return copy;
}

// Why the file could not be read: the system's reason, or what the reader found.
std::string reasonOf(const ReadOnlyFile& file, bool opened) {
    if (file.systemError() != 0) {
        return systemReason(file.systemError());
    }
    return opened ? "il a été raccourci pendant la lecture"
                  : "ce n'est pas un fichier ordinaire (tube, périphérique…)";
}

std::variant<WorkedLog, WorkedLogFailure> readFile(const std::filesystem::path& file,
                                                   const std::string& named) {
    // "-" is a file of that name here, not standard input.
    ReadOnlyFile in(file == kStandardInput ? std::filesystem::path(".") / file : file, true);
    if (in.failure()) {
        return WorkedLogFailure{named + " ne peut pas être lu : " + reasonOf(in, false)};
    }
    std::string copy;
    const std::string_view bytes = contentsOf(in, copy);
    // The content tells the format, whatever the file's name says.
    LogReading reading;
    std::optional<std::string> malformed;
    bool listsContacts = true;
    if (looksLikeAdx(bytes)) {
        readAdx(bytes, reading);
    } else if (looksLikeAdif(bytes)) {
        readAdif(bytes, reading);
    } else {
        listsContacts = false;
        malformed = readPlainList(bytes, reading);
    }
    // A mapped file cut short under the reader shows once its bytes have been read.
    if (in.isMapped()) {
        std::vector<char> unused;
        in.nextBlock(unused);
    }
    if (in.failure()) {
        return WorkedLogFailure{named + " ne peut pas être lu : " + reasonOf(in, true)};
    }
    if (malformed) {
        return WorkedLogFailure{named + ", " + *malformed};
    }
    return reading.finish(named + " : ", listsContacts);
}

} // namespace

void WorkedReferences::add(std::string_view diploma, std::string_view reference) {
    std::string key = keyOf(diploma, reference);
    if (known_.try_emplace(key, false).second) {
        order_.push_back(std::move(key));
    }
}

bool WorkedReferences::contains(std::string_view record) const {
    return known_.contains(keyOf(diplomaCode(record), fieldOf(record, fields::kReference)));
}

void WorkedReferences::noteKnown(std::string_view record) {
    const auto found = known_.find(keyOf(diplomaCode(record), fieldOf(record, fields::kReference)));
    if (found != known_.end()) {
        found->second = true;
    }
}

std::vector<std::string> WorkedReferences::unknown() const {
    std::vector<std::string> names;
    for (const std::string& key : order_) {
        if (!known_.at(key)) {
            names.push_back(cp1252ToUtf8(key));
        }
    }
    return names;
}

std::size_t WorkedReferences::size() const {
    return order_.size();
}

std::variant<WorkedLog, WorkedLogFailure> readWorkedLog(const std::filesystem::path& file) {
    const std::string named = "le journal « " + withReplacementCharacters(file.string()) + " »";
    try {
        return readFile(file, named);
    } catch (const std::bad_alloc&) {
        return WorkedLogFailure{named + " est trop grand pour la mémoire disponible"};
    }
}

} // namespace orvel
