#include "data/worked_log.h"

#include "data/cp1252.h"
#include "data/record.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace orvel {
namespace {

std::string upperCased(std::string_view text) {
    std::string upper;
    for (const char c : text) {
        upper += static_cast<char>(cp1252ToUpper(static_cast<unsigned char>(c)));
    }
    return upper;
}

std::string keyOf(std::string_view diploma, std::string_view reference) {
    return upperCased(trimBlanks(diploma)) + ' ' + upperCased(trimBlanks(reference));
}

// The reason the system gives, in French.
std::string failureOf(const std::filesystem::path& file, int error) {
    return "le journal « " + withReplacementCharacters(file.string()) +
           " » ne peut pas être lu : " + std::strerror(error);
}

bool readContents(const std::filesystem::path& file, std::string& bytes, std::string& failure) {
    errno = 0;
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> in(std::fopen(file.c_str(), "rb"),
                                                             &std::fclose);
    if (!in) {
        failure = failureOf(file, errno);
        return false;
    }
    char block[65536];
    std::size_t count = 0;
    while ((count = std::fread(block, 1, sizeof block, in.get())) > 0) {
        bytes.append(block, count);
    }
    if (std::ferror(in.get()) != 0) {
        failure = failureOf(file, errno != 0 ? errno : EIO);
        return false;
    }
    return true;
}

bool isAdif(const std::filesystem::path& file) {
    const std::string extension = upperCased(file.extension().string());
    return extension == ".ADI" || extension == ".ADIF";
}

// An ADIF field is written <NAME:LENGTH> or <NAME:LENGTH:TYPE> and followed by LENGTH bytes of
// data; <EOH> ends the header and <EOR> ends a contact.
template <class OnContact> void forEachAdifContact(std::string_view log, OnContact onContact) {
    std::string sig;
    std::string sigInfo;
    std::size_t at = 0;
    while ((at = log.find('<', at)) != std::string_view::npos) {
        const std::size_t close = log.find('>', at);
        if (close == std::string_view::npos) {
            return;
        }
        const std::string_view tag = log.substr(at + 1, close - at - 1);
        at = close + 1;
        const std::string name = upperCased(tag.substr(0, tag.find(':')));
        if (name == "EOR" || name == "EOH") {
            if (name == "EOR" && !sig.empty() && !sigInfo.empty()) {
                onContact(sig, sigInfo);
            }
            sig.clear();
            sigInfo.clear();
            continue;
        }
        std::size_t length = 0;
        for (std::size_t i = name.size() + 1; i < tag.size() && tag[i] >= '0' && tag[i] <= '9';
             ++i) {
            length = length * 10 + static_cast<std::size_t>(tag[i] - '0');
        }
        const std::string_view data = log.substr(at, std::min(length, log.size() - at));
        at += data.size();
        if (name == "SIG") {
            sig = data;
        } else if (name == "SIG_INFO") {
            sigInfo = data;
        }
    }
}

} // namespace

std::variant<WorkedLog, WorkedLogFailure> readWorkedLog(const std::filesystem::path& file) {
    std::string contents;
    std::string failure;
    if (!readContents(file, contents, failure)) {
        return WorkedLogFailure{failure};
    }
    // The list and the log are UTF-8 text, like the rest of the command line.
    const std::string bytes = utf8ToCp1252(contents);
    WorkedLog log;
    WorkedReferences& worked = log.references;
    if (isAdif(file)) {
        forEachAdifContact(bytes, [&worked](std::string_view diploma, std::string_view reference) {
            worked.add(diploma, reference);
        });
        return log;
    }
    std::size_t number = 0;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        end = end == std::string::npos ? bytes.size() : end;
        std::string line = bytes.substr(start, end - start);
        start = end + 1;
        ++number;
        for (char& c : line) {
            c = c == '\t' || c == '\r' ? ' ' : c;
        }
        const std::string_view words = trimBlanks(line);
        if (words.empty() || words.front() == '#') {
            continue;
        }
        const std::size_t blank = words.find(' ');
        const std::string_view reference =
            blank == std::string_view::npos ? std::string_view() : trimBlanks(words.substr(blank));
        if (reference.empty() || reference.find(' ') != std::string_view::npos) {
            return WorkedLogFailure{withReplacementCharacters(file.string()) + ", ligne " +
                                    std::to_string(number) + " : « " + cp1252ToUtf8(words) +
                                    " » n'est pas une référence (code du diplôme, blanc, numéro)"};
        }
        worked.add(words.substr(0, blank), reference);
    }
    return log;
}

void WorkedReferences::add(std::string_view diploma, std::string_view reference) {
    std::string key = keyOf(diploma, reference);
    if (known_.emplace(key, false).second) {
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

std::size_t WorkedReferences::size() const {
    return order_.size();
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

} // namespace orvel
