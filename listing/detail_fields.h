#pragma once

#include <string_view>

namespace orvel {

// The nine fields of a reference, cut out of a line of the commune listing at the columns of its
// layout and trimmed; views into the line, Windows-1252. A short line gives empty or partial
// fields.
struct DetailFields {
    std::string_view commune;      // columns 1-28
    std::string_view postalCode;   // 30-35
    std::string_view diploma;      // 37-41
    std::string_view reference;    // 43-48
    std::string_view activityType; // 50-56
    std::string_view activityName; // 58-85
    std::string_view cantonName;   // 92-118
    std::string_view cantonNumber; // 87-90
    std::string_view observation;  // 120-136
};

DetailFields cutCommuneLine(std::string_view line);

} // namespace orvel
