// The start-up benchmark's stopwatch (bench/startup), a native X client:
//   window-probe NAME PROGRAM [ARGS...]
// starts PROGRAM, waits for a viewable window whose name holds NAME, and prints the milliseconds
// from the start until it was mapped, and the processor time PROGRAM's threads had run by then
// (steadier than the first on a loaded machine). Then it asks that window to close, as a window
// manager's close button does, and waits for PROGRAM to end (killing it after 10 s). Exits 1 when
// no such window came within 30 s. It wakes on the X server's notice that a window below the root
// was mapped or renamed, so the time is that of the map itself, not of the next look (looking
// every 10 ms counted starts of about 80 ms in steps of 10); a look every 50 ms besides catches
// windows deeper in the tree. The looking costs the same whatever PROGRAM is.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

// A window found in one pass may be gone in the next call: such errors are expected.
int IgnoreError(Display*, XErrorEvent*) {
    return 0;
}

bool Named(Display* display, Window window, const char* name) {
    char* windowName = nullptr;
    if (XFetchName(display, window, &windowName) == 0 || windowName == nullptr) {
        return false;
    }
    const bool named = std::strstr(windowName, name) != nullptr;
    XFree(windowName);
    return named;
}

bool Viewable(Display* display, Window window) {
    XWindowAttributes attributes{};
    return XGetWindowAttributes(display, window, &attributes) != 0 &&
           attributes.map_state == IsViewable;
}

// The viewable window below `parent`, at any depth, whose name holds `name`; 0 if none.
Window FindViewable(Display* display, Window parent, const char* name) {
    Window root = 0;
    Window parentOfParent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display, parent, &root, &parentOfParent, &children, &count) == 0) {
        return 0;
    }
    Window found = 0;
    for (unsigned int i = 0; i < count && found == 0; ++i) {
        if (!Viewable(display, children[i])) {
            continue;
        }
        found = Named(display, children[i], name) ? children[i]
                                                  : FindViewable(display, children[i], name);
    }
    if (children != nullptr) {
        XFree(children);
    }
    return found;
}

// The milliseconds that the threads of the process have run, as the scheduler counts them.
double ProcessorMilliseconds(pid_t process) {
    double nanoseconds = 0;
    std::error_code error;
    const std::filesystem::path tasks = "/proc/" + std::to_string(process) + "/task";
    for (const auto& task : std::filesystem::directory_iterator(tasks, error)) {
        std::ifstream schedstat(task.path() / "schedstat");
        double runNanoseconds = 0;
        if (schedstat >> runNanoseconds) {
            nanoseconds += runNanoseconds;
        }
    }
    return nanoseconds / 1e6;
}

void AskToClose(Display* display, Window window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
}

// Whether the program ended within `limit`.
bool WaitForEnd(pid_t program, Clock::duration limit) {
    const auto deadline = Clock::now() + limit;
    while (Clock::now() < deadline) {
        if (waitpid(program, nullptr, WNOHANG) == program) {
            return true;
        }
        std::this_thread::sleep_for(10ms);
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: window-probe NAME PROGRAM [ARGS...]\n");
        return 2;
    }
    const char* name = argv[1];
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "window-probe: no X display\n");
        return 2;
    }
    XSetErrorHandler(IgnoreError);
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);

    const auto start = Clock::now();
    const pid_t program = fork();
    if (program == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    Window window = 0;
    auto found = start;
    while (window == 0 && Clock::now() - start < 30s) {
        if (waitpid(program, nullptr, WNOHANG) == program) {
            std::fprintf(stderr, "window-probe: %s ended without a window\n", argv[2]);
            return 1;
        }
        pollfd connection{ConnectionNumber(display), POLLIN, 0};
        const bool heard = XPending(display) > 0 || poll(&connection, 1, 50) > 0;
        found = Clock::now();
        if (!heard) {
            window = FindViewable(display, root, name);
        }
        while (window == 0 && XPending(display) > 0) {
            XEvent event{};
            XNextEvent(display, &event);
            if (event.type == CreateNotify) {  // to hear of its name being set after its map
                XSelectInput(display, event.xcreatewindow.window, PropertyChangeMask);
            } else if (event.type == MapNotify && Named(display, event.xmap.window, name)) {
                window = event.xmap.window;
            } else if (event.type == PropertyNotify && event.xproperty.atom == XA_WM_NAME &&
                       Viewable(display, event.xproperty.window) &&
                       Named(display, event.xproperty.window, name)) {
                window = event.xproperty.window;
            }
        }
    }
    if (window != 0) {
        std::printf("%.1f %.1f\n", std::chrono::duration<double, std::milli>(found - start).count(),
                    ProcessorMilliseconds(program));
        std::fflush(stdout);
        AskToClose(display, window);
    } else {
        std::fprintf(stderr, "window-probe: no window named \"%s\" in 30 s\n", name);
    }
    if (!WaitForEnd(program, 10s)) {
        kill(program, SIGKILL);
        waitpid(program, nullptr, 0);
    }
    XCloseDisplay(display);
    return window != 0 ? 0 : 1;
}
