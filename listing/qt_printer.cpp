#include "listing/qt_printer.h"

#include "widgets/qt_text.h"
#include "widgets/window_style.h"

#include <QFontMetricsF>
#include <QPrinter>

namespace orvel {
namespace {

QString failureMessageFor(const QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        if (printer.outputFileName().isEmpty()) {
            return QStringLiteral(
                "Aucune imprimante n'est disponible : rien n'a été imprimé.\r\n"
                "Pour obtenir un fichier PDF, choisissez « Imprimer dans un fichier (PDF) » "
                "dans la fenêtre d'impression.");
        }
        return QStringLiteral("Impossible d'écrire le fichier PDF « %1 » : rien n'a été "
                              "imprimé.\r\nVérifiez le dossier choisi et vos droits d'écriture.")
            .arg(printer.outputFileName());
    }
    return QStringLiteral("L'imprimante « %1 » ne répond pas : rien n'a été imprimé.\r\n"
                          "Vérifiez qu'elle est installée, allumée et disponible.")
        .arg(printer.printerName());
}

// 6 mm on each side leaves 561 points of A4's 595 for the 552 points of 115 characters.
constexpr double kSideMarginMillimetres = 6;
constexpr double kTopMarginMillimetres = 10;

} // namespace

QtPrinter::QtPrinter(QPrinter& printer) : printer_(printer) {
    printer_.setPageMargins(QMarginsF(kSideMarginMillimetres, kTopMarginMillimetres,
                                      kSideMarginMillimetres, kTopMarginMillimetres),
                            QPageLayout::Millimeter);
    const QFont font;
    name_ = font.family().toStdString();
    points_ = font.pointSizeF();
}

QtPrinter::~QtPrinter() {
    if (painter_.isActive()) {
        painter_.end();
    }
}

std::string QtPrinter::fontName() const {
    return name_;
}

void QtPrinter::setFontName(const std::string& name) {
    name_ = name;
    fontChanged();
}

double QtPrinter::fontSize() const {
    return points_;
}

void QtPrinter::setFontSize(double points) {
    points_ = points;
    fontChanged();
}

void QtPrinter::setBold(bool on) {
    bold_ = on;
    fontChanged();
}

void QtPrinter::applyFont() {
    // The print font asks for its fixed-pitch stand-ins where Courier New is not installed.
    QFont font = name_ == kPrintFontName ? printFont(points_) : QFont(fromUtf8(name_));
    font.setPointSizeF(points_);
    font.setBold(bold_);
    painter_.setFont(font);
    const QFontMetricsF metrics(font, &printer_);
    ascent_ = metrics.ascent();
    height_ = metrics.height();
    lineSpacing_ = metrics.lineSpacing();
    metricsStale_ = false;
}

bool QtPrinter::begin() {
    if (painter_.isActive()) {
        return true;
    }
    if (!failure_.isEmpty()) {
        return false;
    }
    if (!painter_.begin(&printer_)) {
        fail(failureMessageFor(printer_));
        return false;
    }
    top_ = 0;
    metricsStale_ = true; // a new painter starts with its own font
    return true;
}

void QtPrinter::fail(const QString& reason) {
    if (failure_.isEmpty()) {
        failure_ = reason;
    }
}

void QtPrinter::printLine(std::string_view line) {
    if (!begin()) {
        return;
    }
    if (metricsStale_) {
        applyFont();
    }
    const double pageHeight = printer_.pageRect(QPrinter::DevicePixel).height();
    // A page holds at least one line, however large the font.
    if (top_ > 0 && top_ + height_ > pageHeight) {
        if (!printer_.newPage()) {
            fail(failureMessageFor(printer_));
            painter_.end();
            return;
        }
        top_ = 0;
    }
    painter_.drawText(QPointF(0, top_ + ascent_), fromCp1252(line));
    top_ += lineSpacing_;
}

void QtPrinter::endDocument() {
    if (!begin()) {
        return;
    }
    if (!painter_.end() || printer_.printerState() == QPrinter::Error) {
        fail(failureMessageFor(printer_));
    }
}

} // namespace orvel
