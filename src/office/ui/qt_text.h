#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace bunrako {

// The core keeps its texts as UTF-8 std::string; Qt as QString. These two
// are the only crossing points.
inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string toStdString(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

}  // namespace bunrako
