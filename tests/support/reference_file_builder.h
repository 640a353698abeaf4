#pragma once

// Handmade reference files for the tests: records at their columns, the header line, and a
// temporary program directory to hold the file. Std only, so core and window tests share it.

#include <cstdlib>
#include <filesystem>
#include <fstream>
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

// The 138-character record line: every field left-aligned in its columns, the columns between
// fields blank. A field longer than its columns runs over the next ones, as a damaged file would.
inline std::string recordLine(const RecordFields& fields) {
    std::string line;
    const auto put = [&line](std::size_t column, std::string_view text) {
        if (line.size() < column - 1) {
            line.resize(column - 1, ' ');
        }
        line.replace(column - 1, text.size(), text);
    };
    put(4, fields.commune);
    put(33, fields.diploma);
    put(39, fields.reference);
    put(46, fields.activityType);
    put(54, fields.activityName);
    put(83, fields.observation);
    put(100, fields.postalCode);
    put(107, fields.canton);
    line.resize(138, ' ');
    return line;
}

// The header line: six blanks, then the revision text from column 7. The line ends with the
// text, so a test fills columns 7 to 30 only by passing 24 characters.
inline std::string headerLine(std::string_view revision) {
    return std::string(6, ' ').append(revision);
}

// Lines joined with the terminator after each one.
template <class Lines> std::string joinLines(const Lines& lines, std::string_view terminator) {
    std::string bytes;
    for (const auto& line : lines) {
        bytes.append(line);
        bytes.append(terminator);
    }
    return bytes;
}

// A fresh program directory under the system's temporary directory, where the reference file is
// written; removed with everything in it when the test ends, so that hostile files never outlive
// the test that made them.
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
        // A test may have taken the rights away to make the file unreadable.
        std::error_code ignored;
        std::filesystem::permissions(directory_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(directory_, ignored);
    }
    TemporaryProgramDirectory(const TemporaryProgramDirectory&) = delete;
    TemporaryProgramDirectory& operator=(const TemporaryProgramDirectory&) = delete;

    [[nodiscard]] const std::filesystem::path& directory() const { return directory_; }

    // The reference file's place in this directory, written or not.
    [[nodiscard]] std::filesystem::path referenceFile() const {
        return directory_ / "Liste_References.prn";
    }

    // Writes the bytes as the reference file, replacing any earlier one; returns its path.
    std::filesystem::path writeBytes(std::string_view bytes) const {
        const std::filesystem::path file = referenceFile();
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            throw std::runtime_error("cannot write " + file.string());
        }
        return file;
    }

    // Writes the lines as the reference file, each ended by CR LF; returns its path.
    std::filesystem::path writeLines(const std::vector<std::string>& lines) const {
        return writeBytes(joinLines(lines, "\r\n"));
    }

private:
    std::filesystem::path directory_;
};

} // namespace orvel::testing
