#include "tools/csv_rows.h"

#include "data/cp1252.h"
#include "data/record.h"

#include <initializer_list>

namespace orvel {
namespace {

std::string quoted(std::string_view value) {
    if (value.find_first_of(",\"\r\n") == std::string_view::npos) {
        return std::string(value);
    }
    std::string out = "\"";
    for (const char c : value) {
        if (c == '"') {
            out += '"';
        }
        out += c;
    }
    return out + '"';
}

// Values in Windows-1252, written as one UTF-8 row.
std::string row(std::initializer_list<std::string_view> values) {
    std::string out;
    bool first = true;
    for (const std::string_view value : values) {
        if (!first) {
            out += ',';
        }
        first = false;
        out += quoted(cp1252ToUtf8(trimBlanks(value)));
    }
    return out + "\r\n";
}

// The columns of a search result line: the record's columns 4 to 82, then 100 to 138.
constexpr Field kResultCommune{1, 28};
constexpr Field kResultDiploma{30, 5};
constexpr Field kResultReference{36, 6};
constexpr Field kResultActivityType{43, 7};
constexpr Field kResultActivityName{51, 28};
constexpr Field kResultPostalCode{80, 6};
constexpr Field kResultCanton{87, 32};

} // namespace

std::string recordCsvHeader() {
    return "commune,diplome,reference,type,activite,observation,code_postal,canton,"
           "numero_canton\r\n";
}

std::string recordCsvRow(std::string_view record) {
    const CantonSplit canton = splitCanton(record, NumberCut::NumberOnly);
    return row({fieldOf(record, fields::kCommune), fieldOf(record, fields::kDiploma),
                fieldOf(record, fields::kReference), fieldOf(record, fields::kActivityType),
                fieldOf(record, fields::kActivityName), fieldOf(record, fields::kObservation),
                fieldOf(record, fields::kPostalCode), canton.name, canton.number});
}

std::string resultCsvHeader() {
    return "commune,diplome,reference,type,activite,code_postal,canton\r\n";
}

std::string resultCsvRow(std::string_view resultLine) {
    return row({fieldOf(resultLine, kResultCommune), fieldOf(resultLine, kResultDiploma),
                fieldOf(resultLine, kResultReference), fieldOf(resultLine, kResultActivityType),
                fieldOf(resultLine, kResultActivityName), fieldOf(resultLine, kResultPostalCode),
                fieldOf(resultLine, kResultCanton)});
}

} // namespace orvel
