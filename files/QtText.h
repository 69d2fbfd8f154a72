#pragma once

#include <QString>
#include <string>

namespace tesmarik {

// The program keeps its text in UTF-8 std::string; Qt wants QString.
inline QString Q(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

}  // namespace tesmarik
