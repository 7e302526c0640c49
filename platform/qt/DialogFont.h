#pragma once

#include <QFont>

// The windows' typeface: Liberation Sans, with Arial's metrics, stands in for the classic dialog
// face the layouts were measured against (Arial is its fallback where it is installed). Sizes
// are given in points at 96 dpi but set in device-independent pixels (8.25 pt is 11 px), so the
// text scales exactly with the fixed control geometry whatever dpi the desktop reports.
QFont dialogFont(qreal points = 8.25, bool bold = false, bool underline = false);
