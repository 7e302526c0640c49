#pragma once

#include <QIcon>
#include <QString>

#include <cstdint>

// What the program tells about itself: its title, its version as major, minor and revision
// numbers, and its icon.
struct ApplicationInfo {
    QString title;
    std::uint16_t major = 0;
    std::uint16_t minor = 0;
    std::uint16_t revision = 0;
    QIcon icon;
};
