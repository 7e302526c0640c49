#include "DisplayConnection.h"

#include <QGuiApplication>
#include <qpa/qplatformnativeinterface.h>

#include <cstdlib>
#include <memory>

xcb_connection_t *qtXcbConnection()
{
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 != nullptr ? x11->connection() : nullptr;
}

xcb_atom_t xcbAtom(xcb_connection_t *connection, std::string_view name)
{
    const auto cookie = xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.data());
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

wl_display *qtWaylandDisplay()
{
    QPlatformNativeInterface *native = QGuiApplication::platformNativeInterface();
    return native != nullptr ? static_cast<wl_display *>(native->nativeResourceForIntegration("wl_display")) : nullptr;
}
