#include "bench/bench_files.h"

#include "data/program_directory.h"
#include "data/record.h"
#include "data/reference_file.h"

#include <fstream>
#include <iterator>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace orvel::bench {
namespace {

constexpr int kCopies = 10;
constexpr std::size_t kFewCommunes = 36;

struct SampleLines {
    std::string header; // with its line break
    std::vector<std::string> records;
};

SampleLines readSample(const std::filesystem::path& sample) {
    std::ifstream in(sample, std::ios::binary);
    SampleLines lines;
    if (!std::getline(in, lines.header)) {
        throw std::runtime_error("cannot read " + sample.string());
    }
    lines.header += '\n';
    std::string record;
    while (std::getline(in, record)) {
        lines.records.push_back(record + '\n');
    }
    return lines;
}

void writeFile(const std::filesystem::path& path, const SampleLines& lines) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    out << lines.header;
    for (const std::string& record : lines.records) {
        out << record;
    }
    if (!out.flush()) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

// Another record of the same shape: its letters and digits turned that many places further in
// the alphabet, except the diploma code, which must stay one of the catalogue's.
std::string shifted(std::string record, int places) {
    const std::size_t diplomaStart = fields::kDiploma.column - 1;
    for (std::size_t i = 0; i < record.size(); ++i) {
        if (i >= diplomaStart && i < diplomaStart + fields::kDiploma.width) {
            continue;
        }
        char& c = record[i];
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>('a' + (c - 'a' + places) % 26);
        } else if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>('A' + (c - 'A' + places) % 26);
        } else if (c >= '0' && c <= '9') {
            c = static_cast<char>('0' + (c - '0' + places) % 10);
        }
    }
    return record;
}

} // namespace

std::filesystem::path sampleFile() {
    return programDirectory() / kReferenceFileName;
}

std::filesystem::path queryTool() {
    return programDirectory() / "orvel-query";
}

BenchFiles benchFilesIn(const std::filesystem::path& directory) {
    return BenchFiles{directory / "rep10" / kReferenceFileName,
                      directory / "distinct10" / kReferenceFileName,
                      directory / "few_communes" / kReferenceFileName};
}

void writeBenchFiles(const std::filesystem::path& sample, const std::filesystem::path& directory) {
    const SampleLines lines = readSample(sample);
    const BenchFiles files = benchFilesIn(directory);

    SampleLines repeated{lines.header, {}};
    SampleLines distinct{lines.header, {}};
    for (int copy = 0; copy < kCopies; ++copy) {
        for (const std::string& record : lines.records) {
            repeated.records.push_back(record);
            distinct.records.push_back(shifted(record, copy));
        }
    }
    writeFile(files.repeated, repeated);
    writeFile(files.distinct, distinct);

    // The first communes of the file, given in turn to every record.
    const std::size_t start = fields::kCommune.column - 1;
    const std::size_t width = fields::kCommune.width;
    std::vector<std::string> communes;
    std::set<std::string> seen;
    for (const std::string& record : lines.records) {
        if (record.size() > start + width && seen.insert(record.substr(start, width)).second) {
            communes.push_back(record.substr(start, width));
            if (communes.size() == kFewCommunes) {
                break;
            }
        }
    }
    SampleLines few = lines;
    for (std::size_t i = 0; i < few.records.size(); ++i) {
        if (few.records[i].size() > start + width) {
            few.records[i].replace(start, width, communes[i % communes.size()]);
        }
    }
    writeFile(files.fewCommunes, few);
}

void writeBenchLog(const std::filesystem::path& sample, const std::filesystem::path& log,
                   int contacts) {
    const SampleLines lines = readSample(sample);
    std::ofstream out(log, std::ios::binary);
    const auto field = [&out](std::string_view name, std::string_view value) {
        out << '<' << name << ':' << value.size() << '>' << value << ' ';
    };
    out << "Journal de trafic du banc d'essai\n<ADIF_VER:5>3.1.4 <PROGRAMID:5>banc <EOH>\n";
    // Every seventh record, round the file: the log names a good part of the references.
    constexpr std::size_t kStep = 7;
    std::size_t record = 0;
    int contact = 0;
    while (contact < contacts) {
        record = (record + kStep) % lines.records.size();
        std::string_view line = lines.records[record];
        line = line.substr(0, line.find_first_of("\r\n"));
        // The sample's records cut short name no reference.
        if (trimBlanks(fieldOf(line, fields::kReference)).size() != fields::kReference.width) {
            continue;
        }
        // Calls, dates and times that change from one contact to the next.
        const char digit = static_cast<char>('0' + contact % 10);
        const char month = static_cast<char>('1' + contact % 9);
        field("CALL", std::string{'F', digit, 'A', 'B', 'C'});
        field("QSO_DATE", std::string{'2', '0', '2', '6', '0', month, '1', '5'});
        field("TIME_ON", std::string{'1', '2', '3', '4', digit, '0'});
        field("BAND", "40m");
        field("FREQ", std::string{'7', '.', '0', month, digit});
        field("MODE", contact % 2 == 0 ? "SSB" : "CW");
        field("RST_SENT", "59");
        field("RST_RCVD", "57");
        field("NAME", "Jean-Pierre");
        field("GRIDSQUARE", "JN18du");
        field("SIG", trimBlanks(fieldOf(line, fields::kDiploma)));
        field("SIG_INFO", trimBlanks(fieldOf(line, fields::kReference)));
        field("COMMENT", "activation depuis le site, bon signal, merci pour le contact");
        out << "<EOR>\n";
        ++contact;
    }
    if (!out.flush()) {
        throw std::runtime_error("cannot write " + log.string());
    }
}

} // namespace orvel::bench
