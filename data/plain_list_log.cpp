// A plain list of worked references: "DFCF 29-001" a line, the diploma code, blanks, the number.
// Blank lines and lines starting with '#' are passed over. CR LF, LF and a lone CR end a line.

#include "data/cp1252.h"
#include "data/log_reading.h"

namespace orvel {
namespace {

// Long enough to recognise the line, short enough for one line of message.
constexpr std::size_t kMostShown = 60;

// The line as a message shows it: UTF-8 whatever the list's bytes, control characters (a NUL
// would end the message wherever text is handed over as a C string) as U+FFFD, cut if long.
std::string shownLine(std::string_view line) {
    std::string bytes;
    appendAsCp1252(bytes, line);
    std::string shown;
    for (const char c : std::string_view(bytes).substr(0, kMostShown)) {
        if (c == '\t') {
            shown += ' ';
        } else if (static_cast<unsigned char>(c) < 0x20) {
            appendUtf8(shown, 0xFFFD);
        } else {
            shown += cp1252ToUtf8(std::string_view(&c, 1));
        }
    }
    return bytes.size() > kMostShown ? shown + "…" : shown;
}

} // namespace

std::optional<std::string> readPlainList(std::string_view list, LogReading& reading) {
    constexpr std::string_view kBlanks = " \t";
    if (list.starts_with("\xEF\xBB\xBF")) {
        list.remove_prefix(3);
    }
    std::size_t number = 0;
    std::size_t start = 0;
    while (start < list.size()) {
        const std::size_t end = std::min(list.find_first_of("\r\n", start), list.size());
        const std::string_view line = list.substr(start, end - start);
        start = end + (list.substr(end, 2) == "\r\n" ? 2 : 1);
        ++number;
        const std::size_t first = line.find_first_not_of(kBlanks);
        if (first == std::string_view::npos || line[first] == '#') {
            continue;
        }
        const std::string_view words =
            line.substr(first, line.find_last_not_of(kBlanks) + 1 - first);
        const std::size_t blank = words.find_first_of(kBlanks);
        const std::size_t reference =
            blank == std::string_view::npos ? blank : words.find_first_not_of(kBlanks, blank);
        if (reference == std::string_view::npos ||
            words.find_first_of(kBlanks, reference) != std::string_view::npos) {
            return "ligne " + std::to_string(number) + " : « " + shownLine(words) +
                   " » n'est pas une référence (code du diplôme, blanc, numéro)";
        }
        reading.addReferences(words.substr(0, blank), words.substr(reference));
    }
    return std::nullopt;
}

} // namespace orvel
