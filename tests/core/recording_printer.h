#pragma once

#include "listing/page_printer.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orvel::testing {

// A printer that keeps its font state and writes down every call in order, so that a test can
// check both what was printed and when each step happened.
class RecordingPrinter : public Printer {
public:
    RecordingPrinter(std::string name, double size, bool bold)
        : name_(std::move(name)), size_(size), bold_(bold) {}

    [[nodiscard]] std::string fontName() const override { return name_; }
    void setFontName(const std::string& name) override {
        name_ = name;
        calls.push_back("name " + name);
    }
    [[nodiscard]] double fontSize() const override { return size_; }
    void setFontSize(double points) override {
        size_ = points;
        calls.push_back("size " + std::to_string(points));
    }
    void setBold(bool on) override {
        bold_ = on;
        calls.push_back(on ? "bold on" : "bold off");
    }
    void printLine(std::string_view line) override {
        lines.emplace_back(line);
        calls.emplace_back("line");
    }
    void endDocument() override { calls.emplace_back("end"); }

    [[nodiscard]] bool bold() const { return bold_; }

    std::vector<std::string> lines;
    std::vector<std::string> calls;

private:
    std::string name_;
    double size_;
    bool bold_;
};

} // namespace orvel::testing
