// Clicks at a point of the screen and prints the milliseconds until a window with the given title
// is shown with text in its textbook viewer (dark pixels in the viewer's area on a light ground).
// Usage: click_to_text X Y TITLE
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

// The textbook viewer of every lesson window, in pixels of its client area.
constexpr int kViewerLeft = 8, kViewerTop = 8, kViewerWidth = 385, kViewerHeight = 345;

std::string titleOf(Display* display, Window window) {
    const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type;
    int format;
    unsigned long count, rest;
    unsigned char* data = nullptr;
    std::string title;
    if (XGetWindowProperty(display, window, netName, 0, 1024, False, utf8, &type, &format, &count,
                           &rest, &data) == Success &&
        data) {
        title.assign(reinterpret_cast<char*>(data), count);
        XFree(data);
    }
    return title;
}

// Whether the viewer shows text: some dark pixels among mostly light ones.
bool showsText(Display* display, Window window) {
    XImage* image = XGetImage(display, window, kViewerLeft, kViewerTop, kViewerWidth, kViewerHeight,
                              AllPlanes, ZPixmap);
    if (!image) return false;
    int dark = 0, light = 0;
    for (int y = 0; y < kViewerHeight; y += 2)
        for (int x = 0; x < kViewerWidth; ++x) {
            const unsigned long p = XGetPixel(image, x, y);
            const int grey =
                static_cast<int>(((p >> 16) & 0xff) + ((p >> 8) & 0xff) + (p & 0xff)) / 3;
            dark += grey < 80;
            light += grey > 220;
        }
    XDestroyImage(image);
    return dark > 10 && light > kViewerWidth * kViewerHeight / 4;
}

// Watches the mapping of every window there is: a screen shown again maps its old window.
void watchAll(Display* display, Window window, int depth) {
    Window root, parent, *children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, window, &root, &parent, &children, &count)) return;
    for (unsigned int i = 0; i < count; ++i) {
        XSelectInput(display, children[i], StructureNotifyMask);
        if (depth > 0) watchAll(display, children[i], depth - 1);
    }
    if (children) XFree(children);
}

int ignoreErrors(Display*, XErrorEvent*) {
    return 0;  // windows come and go while we look at them
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s X Y TITLE\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    XSetErrorHandler(ignoreErrors);
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    watchAll(display, root, 1);  // top-level windows and those inside the window manager's frames
    XTestFakeMotionEvent(display, -1, std::atoi(argv[1]), std::atoi(argv[2]), CurrentTime);
    XSync(display, False);

    const auto start = Clock::now();
    XTestFakeButtonEvent(display, 1, True, CurrentTime);
    XTestFakeButtonEvent(display, 1, False, CurrentTime);
    XFlush(display);

    Window found = 0;
    while (Clock::now() - start < std::chrono::seconds(10)) {
        while (!found && XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            // New top-level windows are watched for their own mapping.
            if (event.type == CreateNotify)
                XSelectInput(display, event.xcreatewindow.window, StructureNotifyMask);
            if (event.type == MapNotify && titleOf(display, event.xmap.window) == argv[3])
                found = event.xmap.window;
        }
        if (found && showsText(display, found)) {
            const auto elapsed = Clock::now() - start;
            std::printf("%.1f\n", std::chrono::duration<double, std::milli>(elapsed).count());
            XCloseDisplay(display);
            return 0;
        }
        if (!found) {
            XEvent event;
            XPeekEvent(display, &event);  // nothing to look at before the window comes
        } else {
            usleep(500);
        }
    }
    std::fprintf(stderr, "no window '%s' with text within 10 s\n", argv[3]);
    return 1;
}
