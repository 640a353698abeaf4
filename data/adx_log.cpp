// ADX logs: the XML form of ADIF. Each <RECORD> element is a contact, and its fields are child
// elements named like ADIF's, holding UTF-8 text with XML's entities.

#include "data/cp1252.h"
#include "data/log_reading.h"

#include <array>
#include <cstdint>

namespace orvel {
namespace {

constexpr std::size_t kNone = std::string_view::npos;

// Where the element's start tag <NAME ...> begins at or after from, and where it ends (past its
// '>'); kNone when there is none. selfClosed: written <NAME/>, with no text.
struct StartTag {
    std::size_t begin = kNone;
    std::size_t end = kNone;
    bool selfClosed = false;
};

StartTag findStartTag(std::string_view xml, std::string_view name, std::size_t from) {
    for (std::size_t at = xml.find('<', from); at != kNone; at = xml.find('<', at + 1)) {
        const std::size_t after = at + 1 + name.size();
        if (after >= xml.size() || !hasUpperName(xml.substr(at + 1, name.size()), name)) {
            continue;
        }
        const char next = xml[after];
        if (next != '>' && next != '/' && next != ' ' && next != '\t' && next != '\r' &&
            next != '\n') {
            continue;
        }
        const std::size_t close = xml.find('>', after);
        if (close == kNone) {
            return {};
        }
        return {at, close + 1, xml[close - 1] == '/'};
    }
    return {};
}

// The character an entity names: &amp; &lt; &gt; &quot; &apos;, &#NNN; or &#xHHH;.
char32_t entityCharacter(std::string_view entity) {
    constexpr std::array<std::pair<std::string_view, char32_t>, 5> kNamed = {
        {{"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}}};
    for (const auto& [name, character] : kNamed) {
        if (entity == name) {
            return character;
        }
    }
    const bool hex = entity.starts_with("#x") || entity.starts_with("#X");
    if (!entity.starts_with('#') || entity.size() < (hex ? 3U : 2U)) {
        return 0xFFFD;
    }
    std::uint32_t code = 0;
    for (const char c : entity.substr(hex ? 2 : 1)) {
        const int digit = c >= '0' && c <= '9'          ? c - '0'
                          : hex && c >= 'a' && c <= 'f' ? c - 'a' + 10
                          : hex && c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                        : -1;
        if (digit < 0 || code > 0x10FFFF) {
            return 0xFFFD;
        }
        code = code * (hex ? 16U : 10U) + static_cast<std::uint32_t>(digit);
    }
    return code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF) ? 0xFFFD : code;
}

// The text of the element's first child of that name, its entities replaced.
std::string childText(std::string_view record, std::string_view name) {
    const StartTag tag = findStartTag(record, name, 0);
    if (tag.begin == kNone || tag.selfClosed) {
        return {};
    }
    const std::string_view raw = record.substr(tag.end, record.find('<', tag.end) - tag.end);
    std::string text;
    std::size_t at = 0;
    for (std::size_t amp = raw.find('&'); amp != kNone; amp = raw.find('&', at)) {
        const std::size_t semicolon = raw.find(';', amp);
        if (semicolon == kNone) {
            break;
        }
        text.append(raw.substr(at, amp - at));
        appendUtf8(text, entityCharacter(raw.substr(amp + 1, semicolon - amp - 1)));
        at = semicolon + 1;
    }
    text.append(raw.substr(at));
    return text;
}

} // namespace

bool looksLikeAdx(std::string_view log) {
    std::size_t at = log.starts_with("\xEF\xBB\xBF") ? 3 : 0;
    at = log.find_first_not_of(" \t\r\n", at);
    return at != kNone &&
           (hasUpperName(log.substr(at, 5), "<?XML") || hasUpperName(log.substr(at, 4), "<ADX"));
}

void readAdx(std::string_view log, LogReading& reading) {
    std::size_t at = 0;
    while (true) {
        const StartTag record = findStartTag(log, "RECORD", at);
        if (record.begin == kNone) {
            return;
        }
        reading.countContact();
        if (record.selfClosed) {
            at = record.end;
            continue;
        }
        std::size_t end = findStartTag(log, "/RECORD", record.end).begin;
        end = end == kNone ? log.size() : end;
        const std::string_view fields = log.substr(record.end, end - record.end);
        const std::string sig = childText(fields, "SIG");
        const std::string sigInfo = childText(fields, "SIG_INFO");
        reading.addReferences(trimmedValue(sig).empty() ? childText(fields, "SIG_INTL") : sig,
                              trimmedValue(sigInfo).empty() ? childText(fields, "SIG_INFO_INTL")
                                                            : sigInfo);
        at = end;
    }
}

} // namespace orvel
