// Starts a program and prints the milliseconds from its start until its first top-level window
// is mapped on the X display, then ends it. Usage: time_to_window PROGRAM [ARGS...]
#include <X11/Xlib.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    Display* display = nullptr;
    for (int attempt = 0; attempt < 50 && !display;
         ++attempt) {  // the server may still be starting
        display = XOpenDisplay(nullptr);
        if (!display) usleep(40000);
    }
    if (!display) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    // Listen before the child exists, so no map can be missed.
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    int status = 0;
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && !event.xmap.override_redirect) break;
        if (waitpid(child, &status, WNOHANG) == child) {
            std::fprintf(stderr, "the program ended before it showed a window\n");
            return 1;
        }
    }
    const auto elapsed = std::chrono::steady_clock::now() - start;
    std::printf("%.1f\n", std::chrono::duration<double, std::milli>(elapsed).count());
    kill(child, SIGTERM);
    waitpid(child, &status, 0);
    XCloseDisplay(display);
    return 0;
}
