#pragma once

#include <xcb/xcb.h>

#include <string_view>

struct wl_display;

// Qt's own connections to the display server, for what Qt has no call of its own for. Each is none
// on the other platforms.

// The offscreen platform offers Qt's X11 interface without a connection behind it: none there too.
xcb_connection_t *qtXcbConnection();
// XCB_ATOM_NONE when the server gives no answer.
xcb_atom_t xcbAtom(xcb_connection_t *connection, std::string_view name);

// Qt 6.4 offers it only through its private platform interface.
wl_display *qtWaylandDisplay();
