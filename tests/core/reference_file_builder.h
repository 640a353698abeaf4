#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace orvel::testing {

// The fields of one record, as Windows-1252 bytes; placed at their columns by record().
struct RecordFields {
    std::string commune;
    std::string diploma;
    std::string reference;
    std::string activityType;
    std::string activityName;
    std::string observation;
    std::string postalCode;
    std::string canton;
};

// A complete 138-character record: every field padded with blanks to its width.
inline std::string record(const RecordFields& f) {
    std::string line(138, ' ');
    const auto put = [&line](std::size_t column, std::size_t width, const std::string& value) {
        line.replace(column - 1, value.size() < width ? value.size() : width, value, 0, width);
    };
    put(4, 28, f.commune);
    put(33, 5, f.diploma);
    put(39, 6, f.reference);
    put(46, 7, f.activityType);
    put(54, 28, f.activityName);
    put(83, 16, f.observation);
    put(100, 6, f.postalCode);
    put(107, 32, f.canton);
    return line;
}

// The header line, with the revision text at columns 7 to 30.
inline std::string headerLine(std::string_view revision) {
    std::string line = "      " + std::string(revision);
    line.resize(30, ' ');
    return line;
}

// A reference file in a fresh temporary directory, removed with the object.
class TemporaryReferenceFile {
public:
    TemporaryReferenceFile() {
        static int counter = 0;
        directory_ = std::filesystem::temp_directory_path() /
                     ("orvel-test-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
        std::filesystem::create_directories(directory_);
    }
    ~TemporaryReferenceFile() {
        std::error_code ignored;
        std::filesystem::remove_all(directory_, ignored);
    }
    TemporaryReferenceFile(const TemporaryReferenceFile&) = delete;
    TemporaryReferenceFile& operator=(const TemporaryReferenceFile&) = delete;

    [[nodiscard]] std::filesystem::path path() const { return directory_ / "Liste_References.prn"; }
    [[nodiscard]] const std::filesystem::path& directory() const { return directory_; }

    // Writes the bytes as they are.
    void writeBytes(std::string_view bytes) const {
        std::ofstream out(path(), std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }

    // Writes the lines, each ended by CR LF.
    void writeLines(const std::vector<std::string>& lines) const {
        std::string bytes;
        for (const std::string& line : lines) {
            bytes += line;
            bytes += "\r\n";
        }
        writeBytes(bytes);
    }

private:
    std::filesystem::path directory_;
};

} // namespace orvel::testing
