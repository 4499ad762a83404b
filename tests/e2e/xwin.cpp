// Starts a program under the current X display, waits for its first top-level
// window to be mapped, and optionally closes it as a user would (the window
// manager's WM_DELETE_WINDOW message), then waits for the program to end.
//
//   xwin [--title T] [--timeout MS] [--close | --kill] [--hold MS] [--shot FILE] -- program args...
//
// --kill ends the program with SIGTERM once its window is seen (a window that
// is not the one a user would close, such as a greeting before the main one).
// Prints "window_ms=N title=T", then "exit=C maxrss_kb=K end_ms=E" when it waited
// for the end (E: from the close to the end).
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

long elapsedMs(Clock::time_point since)
{
    return long(std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - since).count());
}

std::string windowTitle(Display *dpy, Window w)
{
    Atom utf8 = XInternAtom(dpy, "UTF8_STRING", False);
    Atom netName = XInternAtom(dpy, "_NET_WM_NAME", False);
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char *data = nullptr;
    std::string title;
    if (XGetWindowProperty(dpy, w, netName, 0, 1024, False, utf8, &type, &format, &count, &after, &data) == Success &&
        data) {
        title.assign(reinterpret_cast<char *>(data), count);
        XFree(data);
        return title;
    }
    char *name = nullptr;
    if (XFetchName(dpy, w, &name) && name) {
        title = name;
        XFree(name);
    }
    return title;
}

long windowPid(Display *dpy, Window w)
{
    Atom pidAtom = XInternAtom(dpy, "_NET_WM_PID", False);
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char *data = nullptr;
    long pid = -1;
    if (XGetWindowProperty(dpy, w, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after, &data) ==
            Success &&
        data) {
        if (count == 1)
            pid = long(*reinterpret_cast<unsigned long *>(data));
        XFree(data);
    }
    return pid;
}

void sendDelete(Display *dpy, Window w)
{
    XEvent ev{};
    ev.xclient.type = ClientMessage;
    ev.xclient.window = w;
    ev.xclient.message_type = XInternAtom(dpy, "WM_PROTOCOLS", False);
    ev.xclient.format = 32;
    ev.xclient.data.l[0] = long(XInternAtom(dpy, "WM_DELETE_WINDOW", False));
    ev.xclient.data.l[1] = CurrentTime;
    XSendEvent(dpy, w, False, NoEventMask, &ev);
    XFlush(dpy);
}

} // namespace

int main(int argc, char **argv)
{
    std::string wanted, shot;
    long timeoutMs = 10000, holdMs = 0;
    bool close = false, killAfter = false;
    int i = 1;
    for (; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--title") && i + 1 < argc)
            wanted = argv[++i];
        else if (!std::strcmp(argv[i], "--timeout") && i + 1 < argc)
            timeoutMs = std::atol(argv[++i]);
        else if (!std::strcmp(argv[i], "--hold") && i + 1 < argc)
            holdMs = std::atol(argv[++i]);
        else if (!std::strcmp(argv[i], "--shot") && i + 1 < argc)
            shot = argv[++i];
        else if (!std::strcmp(argv[i], "--close"))
            close = true;
        else if (!std::strcmp(argv[i], "--kill"))
            killAfter = true;
        else if (!std::strcmp(argv[i], "--")) {
            ++i;
            break;
        } else {
            std::fprintf(stderr, "xwin: unknown argument %s\n", argv[i]);
            return 2;
        }
    }
    if (i >= argc) {
        std::fprintf(
            stderr,
            "usage: xwin [--title T] [--timeout MS] [--close | --kill] [--hold MS] [--shot FILE] -- program args...\n");
        return 2;
    }
    Display *dpy = XOpenDisplay(nullptr);
    if (!dpy) {
        std::fprintf(stderr, "xwin: cannot open the display\n");
        return 2;
    }
    const Window root = DefaultRootWindow(dpy);
    XSelectInput(dpy, root, SubstructureNotifyMask);
    XSync(dpy, False);

    const auto start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[i], argv + i);
        std::perror("xwin: exec");
        _exit(127);
    }

    Window found = 0;
    std::string title;
    const int fd = ConnectionNumber(dpy);
    while (!found && elapsedMs(start) < timeoutMs) {
        while (XPending(dpy)) {
            XEvent ev;
            XNextEvent(dpy, &ev);
            if (ev.type != MapNotify || ev.xmap.event != root)
                continue;
            const Window w = ev.xmap.window;
            if (windowPid(dpy, w) != long(child))
                continue;
            const std::string t = windowTitle(dpy, w);
            if (!wanted.empty() && t != wanted)
                continue;
            found = w;
            title = t;
            break;
        }
        if (found)
            break;
        int status;
        if (waitpid(child, &status, WNOHANG) == child) {
            std::fprintf(stderr, "xwin: the program ended before showing a window\n");
            return 3;
        }
        fd_set set;
        FD_ZERO(&set);
        FD_SET(fd, &set);
        timeval tv{0, 2000};
        select(fd + 1, &set, nullptr, nullptr, &tv);
    }
    if (!found) {
        std::fprintf(stderr, "xwin: no window within %ld ms\n", timeoutMs);
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        return 4;
    }
    std::printf("window_ms=%ld title=%s\n", elapsedMs(start), title.c_str());
    std::fflush(stdout);

    if (holdMs > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(holdMs));
    // A picture asked for and not taken fails the run: nothing was looked at.
    bool shotFailed = false;
    if (!shot.empty()) {
        const std::string cmd = "import -window root '" + shot + "'";
        shotFailed = std::system(cmd.c_str()) != 0;
        if (shotFailed)
            std::fprintf(stderr, "xwin: screenshot failed\n");
    }
    if (killAfter) {
        kill(child, SIGTERM);
        waitpid(child, nullptr, 0);
        return shotFailed ? 7 : 0;
    }
    if (!close)
        return shotFailed ? 7 : 0;

    sendDelete(dpy, found);
    int status = 0;
    rusage usage{};
    const auto closedAt = Clock::now();
    for (;;) {
        const pid_t done = wait4(child, &status, WNOHANG, &usage);
        if (done == child)
            break;
        if (elapsedMs(closedAt) > timeoutMs) {
            std::fprintf(stderr, "xwin: the program did not end after the close\n");
            kill(child, SIGKILL);
            waitpid(child, nullptr, 0);
            return 5;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    const int code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    std::printf("exit=%d maxrss_kb=%ld end_ms=%ld\n", code, usage.ru_maxrss, elapsedMs(closedAt));
    XCloseDisplay(dpy);
    return code != 0 ? 6 : shotFailed ? 7 : 0;
}
