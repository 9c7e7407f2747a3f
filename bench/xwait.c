/* SPDX-License-Identifier: GPL-3.0-or-later */
/* Starts a program and reports, in milliseconds after the start, when its first top-level
 * window with a matching title is mapped on the X server and when that window first shows
 * a frame of its own (some pixel of a block at its centre differs from the bare screen
 * underneath), then the program's resident memory a moment later. It polls the server
 * directly (no window manager runs under Xvfb, so top-level windows are children of the
 * root) every 200 microseconds.
 *
 * usage: xwait TITLE-SUBSTRING SETTLE-MS PROGRAM [ARGS...]
 * prints: <ms-to-mapped> <ms-to-first-frame> <rss-kB>; the program is terminated
 * afterwards. */
#define _GNU_SOURCE
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

enum { kBlock = 16 };

static double now_ms(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

static int title_matches(Display* d, Window w, const char* part) {
    char* name = NULL;
    int found = 0;
    XTextProperty text;
    if (XGetWMName(d, w, &text) && text.value) {
        found = strstr((const char*)text.value, part) != NULL;
        XFree(text.value);
    } else if (XFetchName(d, w, &name) && name) {
        found = strstr(name, part) != NULL;
        XFree(name);
    }
    return found;
}

/* The mapped top-level window whose title holds `part`, or 0. */
static Window shown_window(Display* d, const char* part) {
    Window root_return, parent, *children = NULL, shown = 0;
    unsigned count = 0;
    if (!XQueryTree(d, DefaultRootWindow(d), &root_return, &parent, &children, &count)) return 0;
    for (unsigned i = 0; i < count && !shown; ++i) {
        XWindowAttributes a;
        if (XGetWindowAttributes(d, children[i], &a) && a.map_state == IsViewable &&
            title_matches(d, children[i], part))
            shown = children[i];
    }
    if (children) XFree(children);
    return shown;
}

/* Whether some pixel of the block at the window's centre differs from `bare`. */
static int drawn(Display* d, Window w, unsigned long bare) {
    XWindowAttributes a;
    if (!XGetWindowAttributes(d, w, &a) || a.width < kBlock || a.height < kBlock) return 0;
    XImage* image = XGetImage(d, w, (a.width - kBlock) / 2, (a.height - kBlock) / 2, kBlock, kBlock,
                              AllPlanes, ZPixmap);
    if (!image) return 0;
    int differs = 0;
    for (int y = 0; y < kBlock && !differs; ++y)
        for (int x = 0; x < kBlock && !differs; ++x) differs = XGetPixel(image, x, y) != bare;
    XDestroyImage(image);
    return differs;
}

static long rss_kb(pid_t pid) {
    char path[64], line[256];
    long kb = -1;
    snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
    FILE* f = fopen(path, "r");
    if (!f) return -1;
    while (fgets(line, sizeof line, f))
        if (sscanf(line, "VmRSS: %ld", &kb) == 1) break;
    fclose(f);
    return kb;
}

int main(int argc, char** argv) {
    if (argc < 4) {
        fprintf(stderr, "usage: %s TITLE SETTLE-MS PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    Display* d = XOpenDisplay(NULL);
    if (!d) {
        fprintf(stderr, "no X display\n");
        return 2;
    }
    /* The screen is one flat colour where no window is: what a window shows before it draws. */
    XImage* corner = XGetImage(d, DefaultRootWindow(d), 0, 0, 1, 1, AllPlanes, ZPixmap);
    const unsigned long bare = corner ? XGetPixel(corner, 0, 0) : 0;
    if (corner) XDestroyImage(corner);

    const double start = now_ms();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[3], argv + 3);
        _exit(127);
    }
    double mapped_at = -1, drawn_at = -1;
    Window w = 0;
    while (now_ms() - start < 20000) {
        if (!w && (w = shown_window(d, argv[1]))) mapped_at = now_ms() - start;
        if (w && drawn(d, w, bare)) {
            drawn_at = now_ms() - start;
            break;
        }
        if (waitpid(pid, NULL, WNOHANG) == pid) break;
        usleep(200);
    }
    usleep((useconds_t)atoi(argv[2]) * 1000u);
    const long rss = rss_kb(pid);
    kill(pid, SIGTERM);
    waitpid(pid, NULL, 0);
    XCloseDisplay(d);
    if (drawn_at < 0) {
        fprintf(stderr, "no window titled *%s* appeared and drew\n", argv[1]);
        return 1;
    }
    printf("%.1f %.1f %ld\n", mapped_at, drawn_at, rss);
    return 0;
}
