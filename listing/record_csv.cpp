#include "listing/record_csv.h"

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

} // namespace orvel
