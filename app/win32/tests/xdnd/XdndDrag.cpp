// Drags files onto an X window over the XDND protocol, as a file manager does, without a mouse:
//     xdnd_drag WINDOW X Y FILE...
//     xdnd_drag WINDOW X Y --text TEXT
// enters WINDOW, hovers at (X, Y) in its coordinates, drops, and offers the files as a
// text/uri-list in the order given, or only the text as text/plain. Exit status 0 once the target
// says it has finished with the drop, 1 when it refuses the drag or stays silent for 10 seconds.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <poll.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace {

Display *display;
Window source;
const char *offeredType = "text/uri-list";

Atom atom(const char *name)
{
    return XInternAtom(display, name, False);
}

// A file URI: every byte of the absolute path but the unreserved ones and "/" percent-encoded.
std::string fileUri(const char *path)
{
    std::string uri = "file://";
    for (const unsigned char c : std::filesystem::absolute(path).string()) {
        if (std::isalnum(c) || std::string_view("/-._~").find(static_cast<char>(c)) != std::string_view::npos)
            uri += static_cast<char>(c);
        else
            uri += "%" + std::string(1, "0123456789ABCDEF"[c >> 4]) + "0123456789ABCDEF"[c & 15];
    }
    return uri;
}

void send(Window target, const char *type, long l1, long l2, long l3 = 0, long l4 = 0)
{
    XEvent event{};
    event.xclient = {ClientMessage, 0, True, display, target, atom(type), 32, {}};
    event.xclient.data.l[0] = static_cast<long>(source);
    event.xclient.data.l[1] = l1;
    event.xclient.data.l[2] = l2;
    event.xclient.data.l[3] = l3;
    event.xclient.data.l[4] = l4;
    XSendEvent(display, target, False, NoEventMask, &event);
    XFlush(display);
}

// Serves the target's requests for the file list until a message of the given type arrives.
bool awaitMessage(const char *type, const std::string &offered, std::function<bool(const XClientMessageEvent &)> ok)
{
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    while (XPending(display) > 0 || poll(&connection, 1, 10000) > 0) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == SelectionRequest) {
            const XSelectionRequestEvent &request = event.xselectionrequest;
            XEvent reply{};
            reply.xselection = {SelectionNotify, 0, True, display, request.requestor, request.selection,
                                request.target, None, request.time};
            if (request.target == atom(offeredType)) {
                XChangeProperty(display, request.requestor, request.property, request.target, 8, PropModeReplace,
                                reinterpret_cast<const unsigned char *>(offered.data()), static_cast<int>(offered.size()));
                reply.xselection.property = request.property;
            }
            XSendEvent(display, request.requestor, False, NoEventMask, &reply);
            XFlush(display);
        } else if (event.type == ClientMessage && event.xclient.message_type == atom(type)) {
            return ok(event.xclient);
        }
    }
    std::fprintf(stderr, "xdnd_drag: no %s from the target\n", type);
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    display = XOpenDisplay(nullptr);
    if (display == nullptr || argc < 5)
        return 2;
    const Window target = std::strtoul(argv[1], nullptr, 0);
    std::string offered;
    for (int i = 4; i < argc; ++i)
        offered += fileUri(argv[i]) + "\r\n";
    if (argc == 6 && std::string_view(argv[4]) == "--text") {
        offeredType = "text/plain";
        offered = argv[5];
    }

    source = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
    XSetSelectionOwner(display, atom("XdndSelection"), source, CurrentTime);
    int rootX = 0;
    int rootY = 0;
    Window child = None;
    XTranslateCoordinates(display, target, DefaultRootWindow(display), std::atoi(argv[2]), std::atoi(argv[3]),
                          &rootX, &rootY, &child);

    // Version 4 of the protocol, which every target since 2002 speaks; one type, so no type list.
    send(target, "XdndEnter", 4L << 24, static_cast<long>(atom(offeredType)));
    send(target, "XdndPosition", 0, (static_cast<long>(rootX) << 16) | rootY, CurrentTime,
         static_cast<long>(atom("XdndActionCopy")));
    if (!awaitMessage("XdndStatus", offered, [](const XClientMessageEvent &status) { return (status.data.l[1] & 1) != 0; })) {
        send(target, "XdndLeave", 0, 0);
        return 1;
    }
    send(target, "XdndDrop", 0, CurrentTime);
    return awaitMessage("XdndFinished", offered, [](const XClientMessageEvent &) { return true; }) ? 0 : 1;
}
