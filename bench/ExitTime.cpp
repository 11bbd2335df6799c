// Times a program's exit from the outside: asks the X window WINDOW to close
// as a window manager's close box does (WM_DELETE_WINDOW) and, given PID,
// waits for that process to end and prints the milliseconds from the request
// to the end. Without PID it only sends the request.
// Usage: exit_time WINDOW-ID [PID]
#include "CloseRequest.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <poll.h>
#include <sys/syscall.h>
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s WINDOW-ID [PID]\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "exit_time: cannot open the display\n");
        return 2;
    }
    // Watched before the request, so that an exit at once is not missed.
    int process = -1;
    if (argc == 3) {
        process = static_cast<int>(syscall(SYS_pidfd_open, std::atoi(argv[2]), 0));
        if (process < 0) {
            std::fprintf(stderr, "exit_time: no process %s\n", argv[2]);
            return 2;
        }
    }
    const Window window = static_cast<Window>(std::strtoul(argv[1], nullptr, 0));
    SendCloseRequest(display, window);
    XSync(display, False);
    const auto sent = std::chrono::steady_clock::now();
    XCloseDisplay(display);
    if (process < 0) return 0;

    pollfd ended{process, POLLIN, 0};
    if (poll(&ended, 1, 10000) != 1) {
        std::fprintf(stderr, "exit_time: the process did not end within 10 s\n");
        return 1;
    }
    const auto end = std::chrono::steady_clock::now();
    std::printf("%.2f\n", std::chrono::duration<double, std::milli>(end - sent).count());
    return 0;
}
