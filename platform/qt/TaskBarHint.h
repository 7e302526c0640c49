#pragma once

class QWidget;

// Asks the window manager to leave a top-level window out of the task bar and the pager, while it
// stays a normal window that any other can cover: the _NET_WM_STATE hints on X11. Where the
// platform has no such hint (Wayland, offscreen) the window keeps its task-bar entry. Call before
// the window is first shown.
void leaveOutOfTaskBar(QWidget &window);
