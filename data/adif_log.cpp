// ADIF logs (.adi): a free header ended by <EOH>, then contacts, each a run of fields written
// <NAME:LENGTH> or <NAME:LENGTH:TYPE> followed by their data, ended by <EOR>. The standard counts
// the length in characters; most loggers write UTF-8 and count bytes. Both are taken: the length
// is tried as characters, then as bytes, and fits when the data it spans is followed by the next
// tag (blanks between allowed) or by the end of the log.

#include "data/cp1252.h"
#include "data/log_reading.h"

#include <cstdint>
#include <optional>

namespace orvel {
namespace {

constexpr std::size_t kNone = std::string_view::npos;

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

struct Tag {
    std::string_view name;
    std::string_view length; // its digits; empty for <EOH> and <EOR>
    std::size_t end = 0;     // just past its '>'
};

// The tag that starts at log[at], a '<', if it is one: <NAME>, <NAME:LENGTH>, <NAME:LENGTH:TYPE>.
std::optional<Tag> tagAt(std::string_view log, std::size_t at) {
    std::size_t i = at + 1;
    while (i < log.size() && log[i] != ':' && log[i] != '>' && log[i] != '<' && !isBlank(log[i])) {
        ++i;
    }
    if (i == at + 1 || i == log.size()) {
        return std::nullopt;
    }
    Tag tag{log.substr(at + 1, i - at - 1), {}, 0};
    if (log[i] == ':') {
        const std::size_t digits = ++i;
        while (i < log.size() && isDigit(log[i])) {
            ++i;
        }
        tag.length = log.substr(digits, i - digits);
        if (tag.length.empty()) {
            return std::nullopt;
        }
        if (i < log.size() && log[i] == ':') {
            for (++i; i < log.size() && log[i] != '>' && log[i] != '<' && !isBlank(log[i]);) {
                ++i;
            }
        }
    }
    if (i == log.size() || log[i] != '>') {
        return std::nullopt;
    }
    tag.end = i + 1;
    return tag;
}

// The length's value, or nothing when it does not fit in 64 bits.
std::optional<std::uint64_t> lengthOf(std::string_view digits) {
    std::uint64_t value = 0;
    for (const char digit : digits) {
        const auto add = static_cast<std::uint64_t>(digit - '0');
        if (value > (UINT64_MAX - add) / 10) {
            return std::nullopt;
        }
        value = value * 10 + add;
    }
    return value;
}

// Where data of length characters from start ends; kNone past the end of the log. A byte that
// is not UTF-8 counts as one character, as in a Latin-1 log.
std::size_t endInCharacters(std::string_view log, std::size_t start, std::uint64_t length) {
    std::size_t at = start;
    for (std::uint64_t n = 0; n < length; ++n) {
        if (at >= log.size()) {
            return kNone;
        }
        const std::size_t width =
            static_cast<unsigned char>(log[at]) < 0x80 ? 1 : decodeUtf8(log.substr(at, 4)).length;
        at += width == 0 ? 1 : width;
    }
    return at;
}

// Whether data that ends there is followed by the next tag or by the end of the log.
bool endsField(std::string_view log, std::size_t end) {
    if (end == kNone) {
        return false;
    }
    while (end < log.size() && isBlank(log[end])) {
        ++end;
    }
    return end == log.size() || log[end] == '<';
}

std::size_t skipBomAndBlanks(std::string_view log) {
    std::size_t at = log.starts_with("\xEF\xBB\xBF") ? 3 : 0;
    while (at < log.size() && isBlank(log[at])) {
        ++at;
    }
    return at;
}

// The fields of one contact that name its reference.
struct Contact {
    std::string_view sig, sigInfo, sigIntl, sigInfoIntl;
    bool cut = false; // a field ran past the end of the log
    bool any = false; // a field was read

    void keep(std::string_view name, std::string_view data) {
        any = true;
        if (hasUpperName(name, "SIG")) {
            sig = trimmedValue(data);
        } else if (hasUpperName(name, "SIG_INFO")) {
            sigInfo = trimmedValue(data);
        } else if (hasUpperName(name, "SIG_INTL")) {
            sigIntl = trimmedValue(data);
        } else if (hasUpperName(name, "SIG_INFO_INTL")) {
            sigInfoIntl = trimmedValue(data);
        }
    }

    // The international fields count where the plain ones are missing.
    void finish(LogReading& reading) const {
        reading.countContact();
        if (!cut) {
            reading.addReferences(sig.empty() ? sigIntl : sig,
                                  sigInfo.empty() ? sigInfoIntl : sigInfo);
        }
    }
};

} // namespace

bool looksLikeAdif(std::string_view log) {
    const std::size_t start = skipBomAndBlanks(log);
    if (start < log.size() && log[start] == '<') {
        const std::optional<Tag> first = tagAt(log, start);
        if (first && !first->length.empty()) {
            return true;
        }
    }
    for (std::size_t at = log.find('<'); at != kNone; at = log.find('<', at + 1)) {
        if (hasUpperName(log.substr(at + 1, 4), "EOH>")) {
            return true;
        }
    }
    return false;
}

void readAdif(std::string_view log, LogReading& reading) {
    // A log that does not start with a tag starts with its header.
    const std::size_t start = skipBomAndBlanks(log);
    bool header = start == log.size() || log[start] != '<';
    Contact contact;
    const auto where = [&header, &reading] {
        return header ? std::string("de l'en-tête")
                      : "du contact n° " + std::to_string(reading.contacts() + 1);
    };
    const auto field = [&where](const Tag& tag) {
        return "le champ " + withReplacementCharacters(tag.name) + ' ' + where();
    };
    std::size_t at = 0;
    while ((at = log.find('<', at)) != kNone) {
        const std::optional<Tag> tag = tagAt(log, at);
        if (!tag) {
            ++at;
            continue;
        }
        at = tag->end;
        if (tag->length.empty()) {
            if (hasUpperName(tag->name, "EOH")) {
                header = false;
                contact = {};
            } else if (hasUpperName(tag->name, "EOR") && !header) {
                contact.finish(reading);
                contact = {};
            }
            continue;
        }
        const std::optional<std::uint64_t> length = lengthOf(tag->length);
        if (!length) {
            reading.report(LogReading::Problem::LengthTooLarge, [&] {
                return field(*tag) + " est ignoré : sa longueur, " + std::string(tag->length) +
                       ", est trop grande";
            });
            continue;
        }
        // Data longer than the rest of the log is cut short, whatever its length counts.
        if (*length > log.size() - at) {
            contact.cut = true;
            reading.report(LogReading::Problem::DataCutShort, [&] {
                return field(*tag) + " est plus court que sa longueur, " +
                       std::string(tag->length) + " : le journal s'arrête avant, ce contact " +
                       "n'est pas compté";
            });
            continue;
        }
        const std::size_t byCharacters = endInCharacters(log, at, *length);
        const std::size_t byBytes = at + *length;
        const std::size_t end = endsField(log, byCharacters) ? byCharacters
                                : endsField(log, byBytes)    ? byBytes
                                                             : kNone;
        // A field that fits neither way is passed over; what follows its tag is read again.
        if (end == kNone) {
            reading.report(LogReading::Problem::FieldSkipped, [&] {
                return field(*tag) + " est ignoré : sa longueur, " + std::string(tag->length) +
                       ", ne correspond pas à ses données";
            });
            continue;
        }
        if (!header) {
            contact.keep(tag->name, log.substr(at, end - at));
        }
        at = end;
    }
    // The last contact may lack its <EOR>.
    if (!header && contact.any) {
        contact.finish(reading);
    }
}

} // namespace orvel
