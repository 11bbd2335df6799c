// Times a program's start from the outside: starts PROGRAM, watches the X
// server for a top-level window titled TITLE and stops the clock at the first
// drawing into that window once it is mapped (an XDamage report), so the
// program needs no timing code of its own. Then it reads the process's peak
// resident memory, ends the process and prints one line:
//   <ms to mapped> <ms to first paint> <peak resident KiB>
// Usage: first_paint [--settle MS] TITLE PROGRAM [ARGS...]
// --settle waits that long after the first paint before reading the memory.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// The window's title: _NET_WM_NAME (UTF-8) where set, else WM_NAME.
std::string Title(Display* dpy, Window w) {
    static const Atom netName = XInternAtom(dpy, "_NET_WM_NAME", False);
    for (Atom property : {netName, static_cast<Atom>(XA_WM_NAME)}) {
        Atom type = None;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(dpy, w, property, 0, 256, False, AnyPropertyType, &type, &format, &count, &after,
                               &data) == Success &&
            data != nullptr) {
            std::string title(reinterpret_cast<char*>(data), count);
            XFree(data);
            if (format == 8 && !title.empty()) return title;
        }
    }
    return {};
}

// VmHWM of /proc/PID/status in KiB, or -1.
long PeakKib(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

void Stop(pid_t pid) {
    kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
}

// A window destroyed before we looked at it is no error worth stopping for.
int IgnoreErrors(Display*, XErrorEvent*) { return 0; }

} // namespace

int main(int argc, char** argv) {
    int arg = 1;
    int settleMs = 0;
    if (arg + 1 < argc && std::strcmp(argv[arg], "--settle") == 0) {
        settleMs = std::atoi(argv[arg + 1]);
        arg += 2;
    }
    if (argc - arg < 2) {
        std::fprintf(stderr, "usage: %s [--settle MS] TITLE PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    const std::string wanted = argv[arg];
    char** program = argv + arg + 1;

    Display* dpy = XOpenDisplay(nullptr);
    if (!dpy) {
        std::fprintf(stderr, "first_paint: cannot open the display\n");
        return 2;
    }
    int damageEvent = 0, damageError = 0;
    if (!XDamageQueryExtension(dpy, &damageEvent, &damageError)) {
        std::fprintf(stderr, "first_paint: the X server has no DAMAGE extension\n");
        return 2;
    }
    XSetErrorHandler(IgnoreErrors);
    const Window root = DefaultRootWindow(dpy);
    XSelectInput(dpy, root, SubstructureNotifyMask);
    XSync(dpy, False);

    const Clock::time_point start = Clock::now();
    pid_t pid = 0;
    if (posix_spawnp(&pid, program[0], nullptr, nullptr, program, environ) != 0) {
        std::fprintf(stderr, "first_paint: cannot start %s: %s\n", program[0], std::strerror(errno));
        return 2;
    }

    // Every new top-level window is watched for drawing from its creation,
    // before the program can draw into it.
    std::map<Window, Damage> damages;
    std::map<Window, bool> matched; // mapped windows, and whether the title fits
    double mappedMs = -1, paintedMs = -1;
    const Clock::time_point deadline = start + std::chrono::seconds(20);
    while (paintedMs < 0) {
        if (!XPending(dpy)) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
            int status = 0;
            if (left <= 0 || waitpid(pid, &status, WNOHANG) == pid) break;
            pollfd fd{ConnectionNumber(dpy), POLLIN, 0};
            poll(&fd, 1, static_cast<int>(std::min<long long>(left, 100)));
            continue;
        }
        XEvent event;
        XNextEvent(dpy, &event);
        const Clock::time_point now = Clock::now();
        if (event.type == CreateNotify && event.xcreatewindow.parent == root) {
            damages[event.xcreatewindow.window] =
                XDamageCreate(dpy, event.xcreatewindow.window, XDamageReportNonEmpty);
        } else if (event.type == MapNotify && event.xmap.event == root) {
            const bool fits = Title(dpy, event.xmap.window) == wanted;
            matched[event.xmap.window] = fits;
            if (fits && mappedMs < 0) mappedMs = Ms(start, now);
        } else if (event.type == UnmapNotify && event.xunmap.event == root) {
            matched.erase(event.xunmap.window);
        } else if (event.type == damageEvent + XDamageNotify) {
            const auto* notify = reinterpret_cast<XDamageNotifyEvent*>(&event);
            XDamageSubtract(dpy, notify->damage, None, None);
            const auto it = matched.find(notify->drawable);
            if (it != matched.end() && it->second) paintedMs = Ms(start, now);
        }
    }
    if (paintedMs < 0) {
        std::fprintf(stderr, "first_paint: no painted window titled \"%s\"\n", wanted.c_str());
        Stop(pid);
        return 1;
    }
    if (settleMs > 0) std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
    const long peak = PeakKib(pid);
    Stop(pid);
    std::printf("%.2f %.2f %ld\n", mappedMs, paintedMs, peak);
    return 0;
}
