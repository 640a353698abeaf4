#pragma once

#include <filesystem>

namespace orvel::bench {

// The sample reference file next to the executables.
std::filesystem::path sampleFile();

// The command-line tool next to the benchmark.
std::filesystem::path queryTool();

// The reference files the benchmark writes from the sample, each named Liste_References.prn in a
// directory of its own so that the window can be given it too; each begins with the sample's
// header line.
struct BenchFiles {
    std::filesystem::path repeated;    // the sample's records ten times over
    std::filesystem::path distinct;    // ten times as many records, all different
    std::filesystem::path fewCommunes; // the sample's records spread over a few dozen communes
};

BenchFiles benchFilesIn(const std::filesystem::path& directory);
void writeBenchFiles(const std::filesystem::path& sample, const std::filesystem::path& directory);

// An ADIF log of that many contacts, about 250 bytes each as a logger writes them, that name the
// references of the sample's records in turn (SIG and SIG_INFO), one in every few records.
void writeBenchLog(const std::filesystem::path& sample, const std::filesystem::path& log,
                   int contacts);

} // namespace orvel::bench
