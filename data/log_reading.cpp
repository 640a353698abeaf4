#include "data/log_reading.h"

#include "data/cp1252.h"

#include <algorithm>

namespace orvel {

void appendAsCp1252(std::string& out, std::string_view value) {
    if (isValidUtf8(value)) {
        out += utf8ToCp1252(value);
    } else {
        out.append(value);
    }
}

bool hasUpperName(std::string_view text, std::string_view upper) {
    return text.size() == upper.size() &&
           std::equal(text.begin(), text.end(), upper.begin(), [](char c, char u) {
               return (c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c) == u;
           });
}

std::string_view trimmedValue(std::string_view value) {
    constexpr std::string_view kBlanks = " \t\r\n";
    const std::size_t first = value.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return value.substr(first, value.find_last_not_of(kBlanks) - first + 1);
}

void LogReading::addReferences(std::string_view diploma, std::string_view referenceList) {
    diploma_.clear();
    appendAsCp1252(diploma_, trimmedValue(diploma));
    if (diploma_.empty()) {
        return;
    }
    std::size_t start = 0;
    while (start <= referenceList.size()) {
        const std::size_t comma = std::min(referenceList.find(',', start), referenceList.size());
        const std::string_view one = trimmedValue(referenceList.substr(start, comma - start));
        if (!one.empty()) {
            reference_.clear();
            appendAsCp1252(reference_, one);
            references_.add(diploma_, reference_);
        }
        start = comma + 1;
    }
}

WorkedLog LogReading::finish(const std::string& intro, bool namesContacts) {
    WorkedLog log;
    for (const Told& told : told_) {
        if (told.count > 1) {
            log.warnings.push_back(intro + told.first + ", et de même " +
                                   std::to_string(told.count - 1) + " autre(s) fois");
        } else if (told.count == 1) {
            log.warnings.push_back(intro + told.first);
        }
    }
    if (references_.size() == 0) {
        const std::string none = !namesContacts   ? "il ne contient aucune référence"
                                 : contacts_ == 0 ? "il ne contient aucun contact"
                                                  : "aucun de ses " + std::to_string(contacts_) +
                                                        " contact(s) ne nomme de référence "
                                                        "(champs SIG et SIG_INFO)";
        log.warnings.push_back(intro + none + " : aucune référence n'est comptée comme contactée");
    }
    log.references = std::move(references_);
    return log;
}

} // namespace orvel
