#include "TaskBarHint.h"

#include "DisplayConnection.h"

#include <QWidget>

#include <array>

void leaveOutOfTaskBar(QWidget &window)
{
    xcb_connection_t *connection = qtXcbConnection();
    if (connection == nullptr)
        return;
    const std::array states{xcbAtom(connection, "_NET_WM_STATE_SKIP_TASKBAR"),
                            xcbAtom(connection, "_NET_WM_STATE_SKIP_PAGER")};
    // On a window not mapped yet the property is written directly; Qt merges its own states into
    // it when it maps the window.
    xcb_change_property(connection, XCB_PROP_MODE_APPEND, static_cast<xcb_window_t>(window.winId()),
                        xcbAtom(connection, "_NET_WM_STATE"), XCB_ATOM_ATOM, 32, states.size(), states.data());
    xcb_flush(connection);
}
