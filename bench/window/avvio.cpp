// Start-up figures of the program as a user meets them, taken from outside by
// a small X client. Usage:
//   bench_avvio [--runs N] [--warmup N] <program> [args...]
// For each run it spawns the program and watches the X server:
//   mapped   - the MapNotify of the top-level window titled "... Belvane"
//              (event driven: the client wakes on the event, microseconds)
//   painted  - the first moment the centre of the client area differs from
//              what the screen showed there before the window (polled with a
//              1x1 GetImage every 0.5 ms; resolution 0.5 ms plus a round trip)
// and reads /proc/<pid>: VmRSS at 3.0 s, CPU (all threads) between 0.5 s and
// 2.5 s (always inside the 3-second title pause) and between 0.5 s and 3.0 s,
// from /proc/<pid>/stat (10 ms ticks: 0.4 % of a core over 2.5 s), with a
// per-thread breakdown from schedstat.
// The window is then closed with WM_DELETE_WINDOW, as a window manager would.
#include <xcb/xcb.h>

#include <dirent.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

extern char **environ;

namespace {

double Adesso()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) + t.tv_nsec / 1e9;
}

template <class T> using Risposta = std::unique_ptr<T, decltype(&std::free)>;
template <class T> Risposta<T> Prendi(T *p) { return Risposta<T>(p, &std::free); }

// CPU of a process from /proc/<pid>/stat: utime + stime in clock ticks,
// which include the threads that already exited (a live-thread sum would
// drop a loader thread's time the moment it ends).
double CpuSecondi(pid_t pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string riga;
    std::getline(stat, riga);
    // Fields after the command name, which may hold spaces, start at ')'.
    const auto chiusa = riga.rfind(')');
    if (chiusa == std::string::npos)
        return -1;
    std::istringstream campi(riga.substr(chiusa + 2));
    std::vector<std::string> f;
    for (std::string x; campi >> x;)
        f.push_back(x);
    // f[0] is field 3 (state): utime is field 14, stime field 15.
    if (f.size() <= 13)
        return -1;
    return (std::stod(f[11]) + std::stod(f[12])) / double(sysconf(_SC_CLK_TCK));
}

// Per-thread CPU in nanoseconds (schedstat), by thread id, with its name.
struct Filo {
    std::string nome;
    double primo = -1; // seconds at the first sample inside the window
    double ultimo = 0; // seconds at the last sample seen
    bool vivo = false;
};

void CampionaFili(pid_t pid, std::map<int, Filo> &fili, bool primo)
{
    for (auto &[tid, f] : fili)
        f.vivo = false;
    const std::string compiti = "/proc/" + std::to_string(pid) + "/task";
    if (DIR *d = opendir(compiti.c_str())) {
        while (const dirent *e = readdir(d)) {
            if (e->d_name[0] == '.')
                continue;
            const std::string base = compiti + "/" + e->d_name;
            std::ifstream s(base + "/schedstat");
            double ns = 0;
            if (!(s >> ns))
                continue;
            Filo &f = fili[std::atoi(e->d_name)];
            if (f.nome.empty())
                std::getline(std::ifstream(base + "/comm") >> std::ws, f.nome);
            if (primo || f.primo < 0)
                f.primo = primo ? ns / 1e9 : 0; // a thread born later started from nothing
            f.ultimo = ns / 1e9;
            f.vivo = true;
        }
        closedir(d);
    }
}

double VmRssMiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string riga; std::getline(status, riga);)
        if (riga.rfind("VmRSS:", 0) == 0)
            return std::stod(riga.substr(6)) / 1024.0; // kB
    return -1;
}

struct Esito {
    double mappata = -1; // seconds after spawn
    double dipinta = -1;
    double rss = -1;          // MiB at 3.0 s
    double cpuPausa = -1;     // % of one core, 0.5..2.5 s
    double cpuFinoA3 = -1;    // % of one core, 0.5..3.0 s
    std::map<int, Filo> fili; // per thread, 0.5..3.0 s
};

class Osservatore {
public:
    Osservatore()
    {
        conn_ = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(conn_)) {
            std::fprintf(stderr, "bench_avvio: no X display (run under xvfb-run)\n");
            std::exit(2);
        }
        schermo_ = xcb_setup_roots_iterator(xcb_get_setup(conn_)).data;
        const uint32_t maschera = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(conn_, schermo_->root, XCB_CW_EVENT_MASK, &maschera);
        wmProtocols_ = Atomo("WM_PROTOCOLS");
        wmDelete_ = Atomo("WM_DELETE_WINDOW");
        xcb_flush(conn_);
    }
    ~Osservatore() { xcb_disconnect(conn_); }
    Osservatore(const Osservatore &) = delete;
    Osservatore &operator=(const Osservatore &) = delete;

    Esito Misura(std::vector<char *> argv)
    {
        Esito esito;
        // What the screen's centre shows before the window: the window is
        // centred there, so its first paint changes this pixel.
        const int cx = schermo_->width_in_pixels / 2, cy = schermo_->height_in_pixels / 2;
        const auto prima = Pixel(schermo_->root, cx, cy);

        pid_t pid = 0;
        argv.push_back(nullptr);
        const double t0 = Adesso();
        if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
            std::perror("posix_spawn");
            std::exit(2);
        }

        xcb_window_t finestra = XCB_NONE;
        std::optional<double> cpu05, cpu25, cpu30;
        double prossimoCampione = 0.5;
        pollfd pfd{xcb_get_file_descriptor(conn_), POLLIN, 0};
        while (!cpu30) {
            const double t = Adesso() - t0;
            if (!cpu05 && t >= 0.5) {
                cpu05 = CpuSecondi(pid);
                CampionaFili(pid, esito.fili, true);
                prossimoCampione = 0.6;
            } else if (cpu05 && t >= prossimoCampione) {
                CampionaFili(pid, esito.fili, false);
                prossimoCampione += 0.1;
            }
            if (!cpu25 && t >= 2.5)
                cpu25 = CpuSecondi(pid);
            if (t >= 3.0) {
                cpu30 = CpuSecondi(pid);
                esito.rss = VmRssMiB(pid);
                CampionaFili(pid, esito.fili, false);
                break;
            }
            while (xcb_generic_event_t *ev = xcb_poll_for_event(conn_)) {
                const Risposta<xcb_generic_event_t> e = Prendi(ev);
                if ((e->response_type & 0x7f) != XCB_MAP_NOTIFY || finestra != XCB_NONE)
                    continue;
                const auto *m = reinterpret_cast<xcb_map_notify_event_t *>(e.get());
                if (Titolo(m->window).find("Belvane") != std::string::npos) {
                    esito.mappata = Adesso() - t0;
                    finestra = m->window;
                }
            }
            if (finestra != XCB_NONE && esito.dipinta < 0) {
                // The window's centre, in screen coordinates (no window manager).
                const auto g = Prendi(xcb_get_geometry_reply(conn_, xcb_get_geometry(conn_, finestra), nullptr));
                if (g) {
                    const auto px = Pixel(schermo_->root, g->x + g->width / 2, g->y + g->height / 2);
                    const auto ref = g->x + g->width / 2 == cx && g->y + g->height / 2 == cy
                        ? prima
                        : Pixel(schermo_->root, cx, cy); // moved: fall back
                    if (px && ref && *px != *ref)
                        esito.dipinta = Adesso() - t0;
                }
            }
            const int attesa = (finestra != XCB_NONE && esito.dipinta < 0) ? 0 : 2;
            if (attesa == 0)
                usleep(500);
            else
                poll(&pfd, 1, attesa);
            if (xcb_connection_has_error(conn_)) {
                std::fprintf(stderr, "bench_avvio: X connection lost\n");
                std::exit(2);
            }
        }
        if (*cpu05 >= 0 && *cpu25 >= 0 && *cpu30 >= 0) {
            esito.cpuPausa = 100 * (*cpu25 - *cpu05) / 2.0;
            esito.cpuFinoA3 = 100 * (*cpu30 - *cpu05) / 2.5;
        }
        Chiudi(pid, finestra);
        return esito;
    }

private:
    xcb_atom_t Atomo(const char *nome)
    {
        const auto r =
            Prendi(xcb_intern_atom_reply(conn_, xcb_intern_atom(conn_, 0, uint16_t(std::strlen(nome)), nome), nullptr));
        return r ? r->atom : XCB_NONE;
    }

    std::string Titolo(xcb_window_t w)
    {
        const auto r = Prendi(xcb_get_property_reply(
            conn_, xcb_get_property(conn_, 0, w, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 256), nullptr));
        if (!r)
            return {};
        return std::string(static_cast<const char *>(xcb_get_property_value(r.get())),
                           size_t(xcb_get_property_value_length(r.get())));
    }

    std::optional<uint32_t> Pixel(xcb_drawable_t d, int x, int y)
    {
        xcb_generic_error_t *errore = nullptr;
        const auto r = Prendi(xcb_get_image_reply(
            conn_, xcb_get_image(conn_, XCB_IMAGE_FORMAT_Z_PIXMAP, d, int16_t(x), int16_t(y), 1, 1, ~0u), &errore));
        std::free(errore);
        if (!r || xcb_get_image_data_length(r.get()) < 4)
            return std::nullopt;
        uint32_t v = 0;
        std::memcpy(&v, xcb_get_image_data(r.get()), 4);
        return v & 0xffffff;
    }

    // Asks the window to close as a window manager would, then reaps the
    // process; one that does not quit within 3 s is killed.
    void Chiudi(pid_t pid, xcb_window_t finestra)
    {
        if (finestra != XCB_NONE) {
            xcb_client_message_event_t msg{};
            msg.response_type = XCB_CLIENT_MESSAGE;
            msg.format = 32;
            msg.window = finestra;
            msg.type = wmProtocols_;
            msg.data.data32[0] = wmDelete_;
            msg.data.data32[1] = XCB_CURRENT_TIME;
            xcb_send_event(conn_, 0, finestra, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char *>(&msg));
            xcb_flush(conn_);
        }
        const double fine = Adesso() + 3;
        int stato = 0;
        while (waitpid(pid, &stato, WNOHANG) == 0) {
            if (Adesso() > fine) {
                std::fprintf(stderr, "bench_avvio: program did not quit on WM_DELETE_WINDOW; killed\n");
                kill(pid, SIGKILL);
                waitpid(pid, &stato, 0);
                break;
            }
            usleep(5000);
            while (xcb_generic_event_t *ev = xcb_poll_for_event(conn_))
                std::free(ev);
        }
    }

    xcb_connection_t *conn_ = nullptr;
    xcb_screen_t *schermo_ = nullptr;
    xcb_atom_t wmProtocols_ = XCB_NONE;
    xcb_atom_t wmDelete_ = XCB_NONE;
};

struct Riassunto {
    double mediana, minimo, massimo;
};

Riassunto Riassumi(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return {v[v.size() / 2], v.front(), v.back()};
}

} // namespace

int main(int argc, char **argv)
{
    int corse = 5, riscaldamento = 1;
    std::vector<char *> comando;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (comando.empty() && a == "--runs" && i + 1 < argc)
            corse = std::max(1, std::atoi(argv[++i]));
        else if (comando.empty() && a == "--warmup" && i + 1 < argc)
            riscaldamento = std::max(0, std::atoi(argv[++i]));
        else
            comando.push_back(argv[i]);
    }
    if (comando.empty()) {
        std::fprintf(stderr, "usage: bench_avvio [--runs N] [--warmup N] <program> [args...]\n");
        return 2;
    }
    Osservatore osservatore;
    for (int i = 0; i < riscaldamento; ++i)
        osservatore.Misura(comando);

    std::vector<double> mappata, dipinta, rss, cpu, cpu3;
    Esito ultimo;
    std::printf("run  mapped ms  painted ms  VmRSS MiB  CPU%% 0.5-2.5s  CPU%% 0.5-3.0s\n");
    for (int i = 0; i < corse; ++i) {
        ultimo = osservatore.Misura(comando);
        const Esito &e = ultimo;
        std::printf("%3d  %9.1f  %10.1f  %9.1f  %13.2f  %13.2f\n", i + 1, e.mappata * 1e3, e.dipinta * 1e3, e.rss,
                    e.cpuPausa, e.cpuFinoA3);
        mappata.push_back(e.mappata * 1e3);
        dipinta.push_back(e.dipinta * 1e3);
        rss.push_back(e.rss);
        cpu.push_back(e.cpuPausa);
        cpu3.push_back(e.cpuFinoA3);
    }
    std::printf("threads of the last run, CPU 0.5-3.0 s (%% of one core; sampled every 0.1 s):\n");
    for (const auto &[tid, f] : ultimo.fili)
        std::printf("  %-16s %6.2f%s\n", f.nome.c_str(), 100 * (f.ultimo - f.primo) / 2.5, f.vivo ? "" : "  (exited)");

    const auto riga = [](const char *nome, const std::vector<double> &v, const char *obiettivo, double soglia) {
        const Riassunto r = Riassumi(v);
        std::printf("%-34s %9.2f %9.2f %9.2f   %-8s %s\n", nome, r.mediana, r.minimo, r.massimo, obiettivo,
                    r.mediana <= soglia ? "met" : "MISSED");
    };
    std::printf("\n%-34s %9s %9s %9s   %-8s\n", "figure", "median", "min", "max", "target");
    riga("start -> window mapped (ms)", mappata, "<= 75", 75);
    riga("start -> first paint (ms)", dipinta, "<= 75", 75);
    riga("VmRSS at 3 s (MiB)", rss, "<= 55", 55);
    riga("CPU in pause 0.5-2.5 s (% core)", cpu, "<= 3", 3);
    riga("CPU 0.5-3.0 s (% core)", cpu3, "<= 3", 3);
    return 0;
}
