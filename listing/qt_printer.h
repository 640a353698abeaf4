#pragma once

#include "listing/page_printer.h"

#include <QFont>
#include <QPainter>
#include <QString>

class QPrinter;

namespace orvel {

// The printer over a QPrinter: lines are drawn one under the other in the current font, and a
// line that no longer fits the page starts a new one. The painter begins with the first line,
// after the print dialog has chosen the destination. The page margins start narrow enough for
// 115 characters of 8 points on A4 or Letter; the dialog can change them.
class QtPrinter : public Printer {
public:
    explicit QtPrinter(QPrinter& printer);
    ~QtPrinter() override;
    QtPrinter(const QtPrinter&) = delete;
    QtPrinter& operator=(const QtPrinter&) = delete;

    [[nodiscard]] std::string fontName() const override;
    void setFontName(const std::string& name) override;
    [[nodiscard]] double fontSize() const override;
    void setFontSize(double points) override;
    void setBold(bool on) override;

    void printLine(std::string_view line) override;
    void endDocument() override;

    // Why the document could not be printed, in French; empty when it was.
    [[nodiscard]] const QString& failure() const { return failure_; }

private:
    void fontChanged() { metricsStale_ = true; }
    void applyFont();
    bool begin();
    void fail(const QString& reason);

    QPrinter& printer_;
    QPainter painter_;
    std::string name_;
    double points_;
    bool bold_ = false;
    bool metricsStale_ = true;
    double ascent_ = 0;
    double height_ = 0;
    double lineSpacing_ = 0;
    double top_ = 0; // of the next line, in device pixels from the top of the page's text area
    QString failure_;
};

} // namespace orvel
