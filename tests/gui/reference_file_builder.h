#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <string>
#include <vector>

namespace orvel::testing {

// One reference of a handmade reference file; texts in Windows-1252.
struct Record {
    std::string commune;
    std::string diploma;
    std::string reference;
    std::string activityType;
    std::string activityName;
    std::string observation;
    std::string postalCode;
    std::string canton;
};

// The text padded with blanks to the width (never cut: the tests use fitting texts).
inline std::string pad(const std::string& text, std::size_t width) {
    return text + std::string(width > text.size() ? width - text.size() : 0, ' ');
}

// The 138-character record line, each field at its columns of the file layout.
inline std::string recordLine(const Record& record) {
    std::string line(138, ' ');
    const auto put = [&line](std::size_t column, std::size_t width, const std::string& text) {
        line.replace(column - 1, width, pad(text, width));
    };
    put(4, 28, record.commune);
    put(33, 5, record.diploma);
    put(39, 6, record.reference);
    put(46, 7, record.activityType);
    put(54, 28, record.activityName);
    put(83, 16, record.observation);
    put(100, 6, record.postalCode);
    put(107, 32, record.canton);
    return line;
}

// Writes the header line and the records, each line ending with CR LF.
inline bool writeReferenceFile(const QString& path, const std::string& header,
                               const std::vector<Record>& records) {
    QByteArray bytes = QByteArray::fromStdString(header) + "\r\n";
    for (const Record& record : records) {
        bytes += QByteArray::fromStdString(recordLine(record)) + "\r\n";
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace orvel::testing
