#pragma once

// Handmade reference files for the tests: records at their columns, the header line, and a
// temporary program directory to hold the file. Std only, so core and window tests share it.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace orvel::testing {

// The fields of one record, as the file writes them (Windows-1252). Every field starts as that
// of an ordinary record, so a test names only the fields it is about.
struct RecordFields {
    std::string commune = "BREST";
    std::string diploma = "DFCF";
    std::string reference = "29-001";
    std::string activityType = "Fort";
    std::string activityName = "Fort du Portzic";
    std::string observation = "01/05/2008";
    std::string postalCode = "29200";
    std::string canton = "Brest-Centre 2905";
};

// The 138-character record line: every field left-aligned from its first column, the columns
// between fields blank. A field longer than its columns runs over the next ones.
inline std::string recordLine(const RecordFields& fields) {
    std::string line(138, ' ');
    const std::pair<std::size_t, const std::string*> placed[] = {
        {4, &fields.commune},       {33, &fields.diploma},      {39, &fields.reference},
        {46, &fields.activityType}, {54, &fields.activityName}, {83, &fields.observation},
        {100, &fields.postalCode},  {107, &fields.canton}};
    for (const auto& [column, text] : placed) {
        line.replace(column - 1, text->size(), *text);
    }
    return line.substr(0, 138);
}

// The header line: six blanks, then the revision text from column 7.
inline std::string headerLine(std::string_view revision) {
    return std::string(6, ' ').append(revision);
}

// The whole content of a file.
inline std::string contentOf(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// A fresh program directory, removed with everything in it when the test ends.
class TemporaryProgramDirectory {
public:
    TemporaryProgramDirectory() {
        std::string pattern = (std::filesystem::temp_directory_path() / "orvel-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("cannot create a temporary directory from " + pattern);
        }
        directory_ = pattern;
    }
    ~TemporaryProgramDirectory() {
        std::error_code ignored;
        std::filesystem::remove_all(directory_, ignored);
    }
    TemporaryProgramDirectory(const TemporaryProgramDirectory&) = delete;
    TemporaryProgramDirectory& operator=(const TemporaryProgramDirectory&) = delete;

    [[nodiscard]] const std::filesystem::path& directory() const { return directory_; }
    [[nodiscard]] std::filesystem::path referenceFile() const {
        return directory_ / "Liste_References.prn";
    }

    // Writes the bytes as the reference file, replacing any earlier one; returns its path.
    std::filesystem::path writeBytes(std::string_view bytes) const {
        std::ofstream out(referenceFile(), std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out.flush()) {
            throw std::runtime_error("cannot write " + referenceFile().string());
        }
        return referenceFile();
    }

    // Writes the lines as the reference file, each ended by CR LF; returns its path.
    std::filesystem::path writeLines(const std::vector<std::string>& lines) const {
        std::string bytes;
        for (const std::string& line : lines) {
            bytes.append(line).append("\r\n");
        }
        return writeBytes(bytes);
    }

private:
    std::filesystem::path directory_;
};

} // namespace orvel::testing
