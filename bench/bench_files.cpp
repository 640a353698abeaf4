#include "bench/bench_files.h"

#include "data/program_directory.h"
#include "data/reference_file.h"

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace orvel::bench {

constexpr int kCopies = 10;

std::filesystem::path sampleFile() {
    return programDirectory() / kReferenceFileName;
}

std::filesystem::path queryTool() {
    return programDirectory() / "orvel-query";
}

TenfoldFile::TenfoldFile(const std::filesystem::path& sample) {
    std::ifstream in(sample, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::size_t headerEnd = bytes.find('\n');
    if (!in.is_open() || headerEnd == std::string::npos) {
        throw std::runtime_error("cannot read " + sample.string());
    }
    directory_ =
        std::filesystem::temp_directory_path() / ("orvel-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(directory_);
    path_ = directory_ / kReferenceFileName;
    std::ofstream out(path_, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(headerEnd + 1));
    const std::string_view records = std::string_view(bytes).substr(headerEnd + 1);
    for (int copy = 0; copy < kCopies; ++copy) {
        out.write(records.data(), static_cast<std::streamsize>(records.size()));
    }
    if (!out.flush()) {
        throw std::runtime_error("cannot write " + path_.string());
    }
}

TenfoldFile::~TenfoldFile() {
    std::error_code ignored;
    std::filesystem::remove_all(directory_, ignored);
}

} // namespace orvel::bench
