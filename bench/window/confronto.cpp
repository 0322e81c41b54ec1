// One program's figures as they are compared with other patience programs,
// taken from outside by a small X client on a screen without a window
// manager. Usage:
//   bench_confronto [--ctrl-w] [--solo-avvio] -- <program> [args...]
// It starts the program and prints one line of key=value pairs:
//   map_ms     start (fork) -> MapNotify of a top-level window at least 50x50
//              whose _NET_WM_PID is the child's
//   rss_kib    VmRSS 3 s after the start
//   idle_pct   CPU of all the program's threads (schedstat, nanoseconds) over
//              5 s once the window's pixels have settled after the deal; with
//              --ctrl-w the window is sent Ctrl+W (music off) first
//   resize_ms  the window moved to 0,0 and resized to 1200x750 with
//              XMoveResizeWindow, then its pixels read every 10 ms until the
//              last change seen within 2 s: one figure per repetition, comma
//              separated, the first a warm-up. Before each, the window goes
//              through two other sizes and settles, so no program finds
//              1200x750 among the pictures of its last two sizes.
//   floor_ms   for each resize, when the second reading of the pixels ended:
//              the first is served before the program has had the resize,
//              so no last change can be seen earlier than this.
// --solo-avvio stops after the map (a warm-up start).
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <dirent.h>
#include <signal.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr int kLarghezza = 1200; // the size every program is resized to
constexpr int kAltezza = 750;
constexpr double kPassoMs = 10;             // pixels read this often
constexpr double kRssMs = 3000;             // memory read this long after the start
constexpr double kDopoDistribuzione = 4500; // the deal is over by then in every program
constexpr double kQuieteMs = 500;           // pixels unchanged this long: settled
constexpr double kIdleMs = 5000;
constexpr int kRipetizioni = 4; // a warm-up and three

double AdessoMs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

void DormiMs(double ms)
{
    timespec t{static_cast<time_t>(ms / 1000),
               static_cast<long>((ms - double(static_cast<time_t>(ms / 1000)) * 1000) * 1e6)};
    while (nanosleep(&t, &t) && errno == EINTR) {
    }
}

int Ignora(Display *, XErrorEvent *) { return 0; }

long PidFinestra(Display *d, Window w)
{
    const Atom a = XInternAtom(d, "_NET_WM_PID", False);
    Atom tipo;
    int formato;
    unsigned long n, dopo;
    unsigned char *p = nullptr;
    long pid = -1;
    if (XGetWindowProperty(d, w, a, 0, 1, False, XA_CARDINAL, &tipo, &formato, &n, &dopo, &p) == Success && p && n == 1)
        pid = static_cast<long>(*reinterpret_cast<unsigned long *>(p));
    if (p)
        XFree(p);
    return pid;
}

// FNV-1a over the window's pixels; 0 when it cannot be read.
uint64_t Impronta(Display *d, Window w)
{
    XWindowAttributes at;
    if (!XGetWindowAttributes(d, w, &at) || at.map_state != IsViewable)
        return 0;
    XImage *im = XGetImage(d, w, 0, 0, at.width, at.height, AllPlanes, ZPixmap);
    if (!im)
        return 0;
    uint64_t h = 1469598103934665603ULL;
    const size_t lung = static_cast<size_t>(im->bytes_per_line) * im->height;
    for (size_t i = 0; i < lung; ++i) {
        h ^= static_cast<unsigned char>(im->data[i]);
        h *= 1099511628211ULL;
    }
    XDestroyImage(im);
    return h;
}

// Reads the pixels every 10 ms until `fine`; the time of the last change.
// `secondaLettura`, if given, gets the time the second reading ended: the
// first one is served before the program can have painted anything, so no
// program can show a last change earlier than that.
double UltimoCambio(Display *d, Window w, double fine, uint64_t &ultima, double *secondaLettura = nullptr)
{
    double t = AdessoMs();
    for (int letture = 1; AdessoMs() < fine; ++letture) {
        const uint64_t h = Impronta(d, w);
        const double letta = AdessoMs();
        if (h != ultima) {
            ultima = h;
            t = letta;
        }
        if (letture == 2 && secondaLettura)
            *secondaLettura = letta;
        DormiMs(kPassoMs);
    }
    return t;
}

// Reads the pixels until they have not changed for kQuieteMs (or `limite` passed).
void Assesta(Display *d, Window w, double limite, uint64_t &ultima)
{
    double cambio = AdessoMs();
    while (AdessoMs() < limite && AdessoMs() - cambio < kQuieteMs) {
        const uint64_t h = Impronta(d, w);
        if (h != ultima) {
            ultima = h;
            cambio = AdessoMs();
        }
        DormiMs(kPassoMs);
    }
}

long RssKib(pid_t pid)
{
    std::ifstream f("/proc/" + std::to_string(pid) + "/status");
    std::string riga;
    while (std::getline(f, riga))
        if (riga.rfind("VmRSS:", 0) == 0)
            return std::atol(riga.c_str() + 6);
    return -1;
}

// Time on the CPU of every live thread, nanoseconds, by thread id.
std::map<std::string, double> CpuNs(pid_t pid)
{
    const std::string base = "/proc/" + std::to_string(pid) + "/task";
    std::map<std::string, double> fili;
    if (DIR *dir = opendir(base.c_str())) {
        while (const dirent *e = readdir(dir)) {
            if (e->d_name[0] == '.')
                continue;
            std::ifstream s(base + "/" + e->d_name + "/schedstat");
            double ns = 0;
            if (s >> ns)
                fili[e->d_name] = ns;
        }
        closedir(dir);
    }
    return fili;
}

// CPU used between two readings; a thread that ended meanwhile is left out
// (a schedstat total would go backwards when one ends).
double CpuTra(const std::map<std::string, double> &prima, const std::map<std::string, double> &dopo)
{
    double somma = 0;
    for (const auto &[tid, ns] : dopo) {
        const auto it = prima.find(tid);
        somma += ns - (it == prima.end() ? 0 : it->second);
    }
    return somma;
}

void CtrlW(Display *d, Window w)
{
    XSetInputFocus(d, w, RevertToParent, CurrentTime);
    XKeyEvent k{};
    k.display = d;
    k.window = w;
    k.root = DefaultRootWindow(d);
    k.subwindow = None;
    k.time = CurrentTime;
    k.same_screen = True;
    k.state = ControlMask;
    k.keycode = XKeysymToKeycode(d, XK_w);
    k.type = KeyPress;
    XSendEvent(d, w, True, KeyPressMask, reinterpret_cast<XEvent *>(&k));
    k.type = KeyRelease;
    XSendEvent(d, w, True, KeyReleaseMask, reinterpret_cast<XEvent *>(&k));
    XSync(d, False);
}

} // namespace

int main(int argc, char **argv)
{
    bool ctrlW = false, soloAvvio = false;
    int i = 1;
    for (; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--ctrl-w"))
            ctrlW = true;
        else if (!std::strcmp(argv[i], "--solo-avvio"))
            soloAvvio = true;
        else if (!std::strcmp(argv[i], "--")) {
            ++i;
            break;
        } else
            break;
    }
    if (i >= argc) {
        std::fprintf(stderr, "usage: bench_confronto [--ctrl-w] [--solo-avvio] -- program [args...]\n");
        return 64;
    }

    Display *d = nullptr;
    for (int n = 0; n < 10 && !(d = XOpenDisplay(nullptr)); ++n)
        DormiMs(100);
    if (!d) {
        std::fprintf(stderr, "bench_confronto: cannot open the display\n");
        return 1;
    }
    XSetErrorHandler(Ignora);
    const Window radice = DefaultRootWindow(d);
    XSelectInput(d, radice, SubstructureNotifyMask); // before the fork: no race
    XSync(d, False);

    const double t0 = AdessoMs();
    const pid_t pid = fork();
    if (pid == 0) {
        close(ConnectionNumber(d));
        dup2(2, 1); // our stdout carries only the result line
        execvp(argv[i], argv + i);
        _exit(127);
    }

    Window w = 0;
    double tMap = -1;
    const int fd = ConnectionNumber(d);
    while (!w) {
        while (XPending(d)) {
            XEvent ev;
            XNextEvent(d, &ev);
            if (ev.type != MapNotify || ev.xmap.override_redirect)
                continue;
            XWindowAttributes at;
            if (!XGetWindowAttributes(d, ev.xmap.window, &at) || at.width < 50 || at.height < 50)
                continue;
            if (PidFinestra(d, ev.xmap.window) != pid)
                continue;
            w = ev.xmap.window;
            tMap = AdessoMs();
            break;
        }
        if (w)
            break;
        int st;
        if (waitpid(pid, &st, WNOHANG) == pid) {
            std::printf("error=child_exited status=%d\n", st);
            return 3;
        }
        if (AdessoMs() - t0 > 30000) {
            std::printf("error=timeout\n");
            kill(pid, SIGTERM);
            waitpid(pid, nullptr, 0);
            return 2;
        }
        fd_set fds;
        FD_ZERO(&fds);
        FD_SET(fd, &fds);
        timeval tv{0, 20000};
        select(fd + 1, &fds, nullptr, nullptr, &tv);
    }
    std::printf("map_ms=%.1f", tMap - t0);

    if (!soloAvvio) {
        uint64_t ultima = 0;
        UltimoCambio(d, w, t0 + kRssMs, ultima);
        std::printf(" rss_kib=%ld", RssKib(pid));
        UltimoCambio(d, w, t0 + kDopoDistribuzione, ultima);
        Assesta(d, w, AdessoMs() + 3000, ultima);
        if (ctrlW) {
            CtrlW(d, w);
            Assesta(d, w, AdessoMs() + 2000, ultima);
        }
        const auto c0 = CpuNs(pid);
        DormiMs(kIdleMs);
        const auto c1 = CpuNs(pid);
        std::printf(" idle_pct=%.3f", CpuTra(c0, c1) / (kIdleMs * 1e6) * 100);

        XWindowAttributes at;
        XGetWindowAttributes(d, w, &at);
        const int l0 = at.width, a0 = at.height;
        std::printf(" resize_ms=");
        std::string soglie;
        for (int r = 0; r < kRipetizioni; ++r) {
            // Two other sizes first, each settled.
            const int altre[2][2] = {{l0 + 40 * r, a0 + 25 * r}, {kLarghezza - 200 - 30 * r, kAltezza - 120 - 20 * r}};
            for (const auto &s : altre) {
                XMoveResizeWindow(d, w, 0, 0, s[0], s[1]);
                XSync(d, False);
                Assesta(d, w, AdessoMs() + 2000, ultima);
            }
            const double tr = AdessoMs();
            XMoveResizeWindow(d, w, 0, 0, kLarghezza, kAltezza);
            XSync(d, False);
            double seconda = tr;
            std::printf("%s%.1f", r ? "," : "", UltimoCambio(d, w, tr + 2000, ultima, &seconda) - tr);
            char soglia[32];
            std::snprintf(soglia, sizeof soglia, "%s%.1f", r ? "," : "", seconda - tr);
            soglie += soglia;
        }
        std::printf(" floor_ms=%s", soglie.c_str());
    }
    std::printf(" pid=%d\n", static_cast<int>(pid));
    std::fflush(stdout);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    XCloseDisplay(d);
    return 0;
}
