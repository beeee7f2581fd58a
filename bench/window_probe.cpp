// The start-up benchmark's stopwatch (bench/startup), a native X client:
//   window-probe NAME PROGRAM [ARGS...]
// starts PROGRAM, looks every 10 ms for a viewable window whose name holds NAME, and prints
// the milliseconds from the start until it was found, and the processor time PROGRAM's threads
// had run by then (steadier than the first on a loaded machine). Then it asks that window to close,
// as a window manager's close button does, and waits for PROGRAM to end (killing it after 10 s).
// Exits 1 when no such window came within 30 s. The looking costs the same whatever PROGRAM is.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
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
        XWindowAttributes attributes{};
        if (XGetWindowAttributes(display, children[i], &attributes) == 0 ||
            attributes.map_state != IsViewable) {
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

    const auto start = Clock::now();
    const pid_t program = fork();
    if (program == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    Window window = 0;
    while ((window = FindViewable(display, root, name)) == 0 && Clock::now() - start < 30s) {
        if (waitpid(program, nullptr, WNOHANG) == program) {
            std::fprintf(stderr, "window-probe: %s ended without a window\n", argv[2]);
            return 1;
        }
        std::this_thread::sleep_for(10ms);
    }
    const auto found = Clock::now();
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
