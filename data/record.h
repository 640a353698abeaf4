#pragma once

#include <cstddef>
#include <string_view>

namespace orvel {

// A fixed-width field of a reference record: 1-based first column and width.
struct Field {
    std::size_t column;
    std::size_t width;
    constexpr bool operator==(const Field&) const = default;
};

namespace fields {
inline constexpr Field kCommune{4, 28};
inline constexpr Field kDiploma{33, 5};
inline constexpr Field kReference{39, 6};
inline constexpr Field kActivityType{46, 7};
inline constexpr Field kActivityName{54, 28};
inline constexpr Field kObservation{83, 16};
inline constexpr Field kPostalCode{100, 6};
inline constexpr Field kCanton{107, 32};
inline constexpr Field kDepartment{100, 2};
} // namespace fields

// The characters of a line from the field's first column, for at most its width: empty where
// the line ends before the field, the part that exists where it ends inside it.
inline std::string_view fieldOf(std::string_view line, Field field) {
    const std::size_t start = field.column - 1;
    return start >= line.size() ? std::string_view() : line.substr(start, field.width);
}

// Blanks removed at both ends, and nowhere else.
inline std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return text;
}

// Columns 33 to 37, trimmed.
inline std::string_view diplomaCode(std::string_view line) {
    return trimBlanks(fieldOf(line, fields::kDiploma));
}

// Columns 100 and 101, untrimmed.
inline std::string_view department(std::string_view line) {
    return fieldOf(line, fields::kDepartment);
}

// The canton field split into its name and its 4-character number.
struct CantonSplit {
    enum class Kind {
        None,      // empty field: no canton at all
        Numbered,  // the field ends in a digit: name and number
        Unnumbered // a name without a trailing number
    };
    Kind kind = Kind::None;
    std::string_view name;
    std::string_view number; // four characters when Numbered, empty otherwise
};

// How many characters the split drops from the end of a numbered field to get the name: the
// commune listing drops the number and the blank before it (5), the others only the number (4).
// Both give the same name on a field written as name, blank, number.
enum class NumberCut : std::size_t { NumberAndBlank = 5, NumberOnly = 4 };

CantonSplit splitCanton(std::string_view line, NumberCut cut);

} // namespace orvel
