#pragma once

#include <QString>
#include <string>

namespace orrowvale {

// The game keeps its text as UTF-8; Qt shows QString.
inline QString qs(const std::string& utf8) {
    return QString::fromStdString(utf8);
}
inline std::string utf8(const QString& text) {
    return text.toStdString();
}

}  // namespace orrowvale
