#include "ClipboardText.h"

#include "DisplayConnection.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QWindow>

#include <wayland-client-core.h>

#include <cstdlib>
#include <memory>
#include <utility>

ClipboardText::ClipboardText(QObject *parent)
    : QObject(parent)
{
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &ClipboardText::publishRefused);
}

bool ClipboardText::put(const QString &text)
{
    const bool taken = publish(text);
    refused_ = taken ? std::nullopt : std::optional(text);
    return taken;
}

void ClipboardText::forget()
{
    refused_.reset();
}

// Reading the text back proves nothing where the display server refuses the selection: Qt answers
// from its own copy. Mutter refuses a client without the keyboard focus only by cancelling its
// source, an event that arrives after setText has returned. So the server is asked.
bool ClipboardText::publish(const QString &text)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr)
        return false;
    if (wl_display *display = qtWaylandDisplay()) {
        // Qt offers every selection with its last input serial, and mutter ignores, without a word,
        // a selection whose serial is not newer than the one it holds: the old one goes first.
        clipboard->clear(QClipboard::Clipboard);
        clipboard->setText(text, QClipboard::Clipboard);
        // On Qt's default queue and from its thread, as Qt makes its own round trips: a refusal
        // that comes before the reply is handled, and Qt's ownership dropped, before this returns.
        return wl_display_roundtrip(display) >= 0 && clipboard->ownsClipboard();
    }
    clipboard->setText(text, QClipboard::Clipboard);
    if (xcb_connection_t *connection = qtXcbConnection())
        return ownsX11Clipboard(connection);
    // No display server to ask (the offscreen platform): the text read back is all there is.
    return clipboard->text(QClipboard::Clipboard) == text;
}

// Qt answers ownsClipboard() from its own bookkeeping, which lags behind the X server, and owns
// the selection through an internal window rather than a widget's: the owner that the server names
// must be one of this connection's resources.
bool ClipboardText::ownsX11Clipboard(xcb_connection_t *connection)
{
    if (clipboardAtom_ == XCB_ATOM_NONE)
        clipboardAtom_ = xcbAtom(connection, "CLIPBOARD");
    const std::unique_ptr<xcb_get_selection_owner_reply_t, decltype(&std::free)> owner(
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, clipboardAtom_), nullptr),
        &std::free);
    const xcb_setup_t *setup = xcb_get_setup(connection);
    return owner && owner->owner != XCB_WINDOW_NONE
        && (owner->owner & ~setup->resource_id_mask) == setup->resource_id_base;
}

// The compositor checks the client, not the window, so any of the program's windows will do, the
// error box that reported the refusal among them.
void ClipboardText::publishRefused(QWindow *activated)
{
    if (activated == nullptr || !refused_)
        return;
    publish(*std::exchange(refused_, std::nullopt));
}
