#include "widgets/qt_text.h"

#include "data/cp1252.h"

namespace orvel {

QString fromCp1252(std::string_view bytes) {
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes) {
        *out++ = QChar(static_cast<char16_t>(cp1252ToUnicode(static_cast<unsigned char>(byte))));
    }
    return text;
}

std::string toCp1252(const QString& text) {
    return utf8ToCp1252(text.toStdString());
}

std::optional<std::string> cp1252Text(const QString& text) {
    std::string bytes = toCp1252(text);
    if (fromCp1252(bytes) != text) {
        return std::nullopt;
    }
    return bytes;
}

} // namespace orvel
