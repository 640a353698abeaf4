#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace orvel {

// One radio diploma: the code written in columns 33 to 37 of its records, and its full name.
struct Diploma {
    std::string_view code;
    std::string_view fullName; // UTF-8
};

// The eleven diplomas, in the order of the diploma combo box.
extern const std::array<Diploma, 11> kDiplomaCatalogue;

// The diploma text that selects every diploma; it has no full name.
inline constexpr std::string_view kEveryDiploma = "****";
// The department text that selects every department.
inline constexpr std::string_view kEveryDepartment = "00";

// The full name of a code, compared exactly (case and accents count); none for other texts.
std::optional<std::string_view> diplomaFullName(std::string_view code);

} // namespace orvel
