#pragma once

#include <QObject>
#include <QString>

#include <cstdint>
#include <optional>

class QWindow;
struct xcb_connection_t;

// The clipboard as the main window publishes its tags to it, as plain text only.
//
// A compositor may give the clipboard only to the client that has the keyboard focus (GNOME's
// does), and a drop leaves the focus with the drag source: a text it refused is put on the
// clipboard once more at the next activation of any of the program's windows, unless a later
// text or forget() replaces it first.
class ClipboardText : public QObject {
    Q_OBJECT

public:
    explicit ClipboardText(QObject *parent = nullptr);

    // Replaces the clipboard's content with the text; false when there is no clipboard or the
    // display server did not take it.
    bool put(const QString &text);
    // Gives up a refused text: the window that would show it is gone.
    void forget();

private:
    bool publish(const QString &text);
    bool ownsX11Clipboard(xcb_connection_t *connection);
    void publishRefused(QWindow *activated);

    std::optional<QString> refused_;
    std::uint32_t clipboardAtom_ = 0;
};
