#pragma once

#include <filesystem>

namespace orvel::bench {

// The sample reference file next to the executables.
std::filesystem::path sampleFile();

// The command-line tool next to the benchmark.
std::filesystem::path queryTool();

// A reference file ten times the sample: its header line, then its records ten times over, in a
// temporary directory removed with the object.
class TenfoldFile {
public:
    explicit TenfoldFile(const std::filesystem::path& sample);
    ~TenfoldFile();
    TenfoldFile(const TenfoldFile&) = delete;
    TenfoldFile& operator=(const TenfoldFile&) = delete;

    [[nodiscard]] const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path directory_;
    std::filesystem::path path_;
};

} // namespace orvel::bench
