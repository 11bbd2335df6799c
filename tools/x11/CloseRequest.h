// Asks an X window to close as a window manager's close box does: sends it
// WM_DELETE_WINDOW. Used by the test and benchmark drivers that run the
// program on a bare X server, where nothing else closes a window politely.
#pragma once

#include <X11/Xlib.h>

inline void SendCloseRequest(Display* display, Window window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
}
