#!/usr/bin/python3
"""The release program as a screen reader and a keyboard user meet it, in a virtual X server with
the accessibility bus (at-spi2-core), read through AT-SPI as Orca reads it:

- files named on the command line after one of Qt's options (a relative name, and one whose name
  is not UTF-8) are handled as one drop: the X clipboard holds the last one's tag and the file
  label its full path;
- the tag box is named "Item on Clipboard:";
- a paste of files is a drop: Ctrl+V of a URL list in the tag box, its menu Paste of GNOME's
  copied-files list of a cut file (which stays where it is), and Shift+Insert on Quit each put
  the pasted file's tag on the X clipboard; a paste of text stays text in the tag box;
- in the About window the icon is named, the two links are links with an action that opens them
  (xdg-open and xdg-email replaced on PATH by fakes that record what they are asked to open), and
  Tab reaches the home page link after OK, the icon and System Info, where Enter opens it, and
  a link's SetFocus action gives it the focus.

It prints the accessible tree of both windows. Exit status 0 on success, 1 on a failure, 77 where
something it needs is missing.
Usage: accessibility_check.py PROGRAM
"""
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import time

NEEDED = {
    "xvfb-run": "xvfb",
    "dbus-run-session": "dbus",
    "xdotool": "xdotool",
    "xclip": "xclip",
    "/usr/libexec/at-spi-bus-launcher": "at-spi2-core",
}


def skip(why):
    print("SKIP: " + why)
    sys.exit(77)


def fail(why):
    print("FAIL: " + why)
    sys.exit(1)


if not os.environ.get("PICTAVO_INSIDE_SESSION"):
    for tool, package in NEEDED.items():
        if not shutil.which(tool):
            skip(f"{tool} is not installed (Debian package {package})")
    os.execvpe("xvfb-run", ["xvfb-run", "--auto-servernum", "--server-args=-screen 0 800x600x24",
                            "dbus-run-session", "--", sys.executable] + sys.argv,
               dict(os.environ, PICTAVO_INSIDE_SESSION="1"))

try:
    import pyatspi
except ImportError:
    skip("pyatspi is not installed (Debian package python3-pyatspi)")


def eventually(what, probe, seconds=20):
    """probe's first true answer, polled; a failure naming what when it stays false."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        answer = probe()
        if answer:
            return answer
        time.sleep(0.2)
    fail(what)


def gif(path, width, height):
    with open(path, "wb") as file:
        file.write(b"GIF89a" + struct.pack("<HH", width, height) + b"\x00\x00\x00\x3b")


def tag(name, width, height):
    return f'<img src="{name}" width="{width}" height="{height}" border="0">'


def clipboard():
    result = subprocess.run(["xclip", "-selection", "clipboard", "-o"], capture_output=True, timeout=10)
    return result.stdout.decode("utf-8", "replace")


def offer(data, target):
    """Puts data on the X clipboard under one target; xclip serves it until another owner comes."""
    subprocess.run(["xclip", "-selection", "clipboard", "-t", target], input=data.encode(), check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=10)


def key(window, *keys):
    subprocess.run(["xdotool", "windowfocus", "--sync", window, "key", "--delay", "100", *keys], check=True,
                   timeout=20)


def describe(node, depth=0):
    """One line a node: role, name, actions and focus states, children indented."""
    line = f"{'  ' * depth}[{node.getRoleName()}] {node.name!r}"
    try:
        action = node.queryAction()
        if action.nActions:
            line += " actions=" + ",".join(action.getName(i) for i in range(action.nActions))
    except NotImplementedError:
        pass
    states = node.getState()
    line += "".join(f" {name}" for name, state in (("focusable", pyatspi.STATE_FOCUSABLE),
                                                   ("focused", pyatspi.STATE_FOCUSED)) if states.contains(state))
    print(line)
    for child in node:
        describe(child, depth + 1)


def find(root, role, name=None):
    return pyatspi.findDescendant(root, lambda node: node.getRole() == role and name in (None, node.name))


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


program = os.path.abspath(sys.argv[1])
work = tempfile.mkdtemp(prefix="pictavo-a11y-")
try:
    pictures = os.path.join(work, "pictures")
    fakes = os.path.join(work, "bin")
    opened = os.path.join(work, "opened")
    os.makedirs(pictures)
    os.makedirs(fakes)
    for tool in ("xdg-open", "xdg-email"):
        with open(os.path.join(fakes, tool), "w") as fake:
            fake.write(f'#!/bin/sh\necho "$*" >> "{opened}"\n')
        os.chmod(os.path.join(fakes, tool), 0o755)
    gif(os.path.join(pictures, "a.gif"), 120, 60)
    gif(os.path.join(pictures.encode(), b"caf\xe9.gif"), 1, 2)
    for name, width in (("pasted.gif", 30), ("cut.gif", 50), ("quit.gif", 90)):
        gif(os.path.join(pictures, name), width, 40)

    # The accessibility bus must be up before the program asks for it.
    desktop = pyatspi.Registry.getDesktop(0)
    environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
                       PATH=fakes + os.pathsep + os.environ["PATH"])
    # Qt's own options are not files.
    process = subprocess.Popen([program, "-style", "Fusion", "pictures/a.gif", b"pictures/caf\xe9.gif"], cwd=work,
                               env=environment)
    try:
        application = eventually("the program never appears on the accessibility bus",
                                 lambda: next((app for app in desktop if app and app.name == "Pictavo"), None))
        main = eventually("no frame titled Pictavo", lambda: find(application, pyatspi.ROLE_FRAME, "Pictavo"))

        # The second file's name is not UTF-8: its tag and label show the byte as a replacement.
        eventually("the command line's files gave no tag on the clipboard",
                   lambda: clipboard() == tag("caf\ufffd.gif", 1, 2))
        shown = f"File: {pictures}/caf\ufffd.gif"
        eventually(f"no label reads {shown!r}", lambda: find(main, pyatspi.ROLE_LABEL, shown))

        print("The main window:")
        describe(main)
        tag_box = find(main, pyatspi.ROLE_TEXT)
        if tag_box.name != "Item on Clipboard:":
            fail(f"the tag box is named {tag_box.name!r}")

        window = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Pictavo$"], capture_output=True,
                                text=True, check=True).stdout.split()[0]
        file_url = "file://" + pictures + "/"
        offer(file_url + "pasted.gif\n", "text/uri-list")
        key(window, "ctrl+v")
        eventually("Ctrl+V of a file gave no tag", lambda: clipboard() == tag("pasted.gif", 30, 40))

        # Without text on the clipboard the box's own menu would not even offer Paste.
        offer("cut\n" + file_url + "cut.gif", "x-special/gnome-copied-files")
        key(window, "Menu", "p")
        eventually("the tag box's menu Paste of a cut file gave no tag", lambda: clipboard() == tag("cut.gif", 50, 40))
        if not os.path.exists(os.path.join(pictures, "cut.gif")):
            fail("the cut file was moved or deleted")

        offer("plain words", "UTF8_STRING")
        key(window, "ctrl+a", "ctrl+v")
        eventually("a paste of text is not text in the tag box", lambda: text_of(tag_box) == "plain words")
        if clipboard() != "plain words":
            fail("a paste of text changed the clipboard")

        offer(file_url + "quit.gif\n", "text/uri-list")
        key(window, "Tab", "shift+Insert")
        eventually("Shift+Insert on Quit gave no tag", lambda: clipboard() == tag("quit.gif", 90, 40))

        find(main, pyatspi.ROLE_MENU_ITEM, "This Utility").queryAction().doAction(0)
        about = eventually("no About window", lambda: find(application, pyatspi.ROLE_DIALOG, "About Pictavo"))
        print("The About window:")
        describe(about)
        icon = find(about, pyatspi.ROLE_IMAGE)
        if icon.name != "Pictavo icon" or not icon.getState().contains(pyatspi.STATE_FOCUSABLE):
            fail(f"the icon, a tab stop, is named {icon.name!r}")
        expected = []
        for name, target in (("pictavo.example", "http://pictavo.example"),
                             ("mail@pictavo.example", "mailto:mail@pictavo.example")):
            link = find(about, pyatspi.ROLE_LINK, name)
            if link is None:
                fail(f"no link named {name!r}")
            action = link.queryAction()
            if action.getName(0) != "Press":
                fail(f"the link {name!r} offers {action.getName(0)!r} first")
            action.doAction(0)
            expected.append(target)
            eventually(f"the link's action did not open {target}",
                       lambda: os.path.exists(opened) and open(opened).read().split() == expected)

        dialog = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^About Pictavo$"],
                                capture_output=True, text=True, check=True).stdout.split()[0]
        key(dialog, "Tab", "Tab", "Tab")
        home = find(about, pyatspi.ROLE_LINK, "pictavo.example")
        eventually("Tab did not reach the home page link after OK, the icon and System Info",
                   lambda: home.getState().contains(pyatspi.STATE_FOCUSED))
        key(dialog, "Return")
        expected.append("http://pictavo.example")
        eventually("Enter on the link did not open it", lambda: open(opened).read().split() == expected)
        if not find(application, pyatspi.ROLE_DIALOG, "About Pictavo"):
            fail("Enter on the link closed the About window")
        mail = find(about, pyatspi.ROLE_LINK, "mail@pictavo.example")
        mail.queryAction().doAction(1)
        eventually("the link's SetFocus action did not focus it", lambda: mail.getState().contains(pyatspi.STATE_FOCUSED))
    finally:
        process.terminate()
        process.wait(timeout=20)
finally:
    shutil.rmtree(work)
print("PASS: command-line files and pasted files became tags, the tag box and the icon are named, "
      "and the links are links that open from their action and from the keyboard")
