// Asks an X window to close, as a window manager's close box does: sends it
// WM_DELETE_WINDOW. The smoke test runs under a bare X server with no window
// manager, where nothing else can close a window politely.
#include "CloseRequest.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s WINDOW-ID\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "wm_close: cannot open display\n");
        return 1;
    }
    const Window window = static_cast<Window>(std::strtoul(argv[1], nullptr, 0));
    SendCloseRequest(display, window);
    XFlush(display);
    XCloseDisplay(display);
    return 0;
}
