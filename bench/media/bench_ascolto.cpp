// What a player hears: the tunes rendered through the sound layer offline,
// exactly as the program mixes them, and the rustle as it is loaded. Usage:
//   belvane_bench_ascolto [--lead 0,1,...] [folder]
// The folder holds Music/10carte.mid, Music/bump.mid and carta.wav (by default
// the committed sounds). The lead channels (default 0,1,2,3, as the tunes lay
// out their parts) are compared with all the others, the accompaniment.
// With BELVANE_BENCH_FINESTRE set, each 2-s window's loudness is listed too.
//
// Loudness follows the K-weighted, gated measure of ITU-R BS.1770 (400 ms
// blocks every 100 ms, absolute gate -70 LUFS, relative gate -10 LU).
// Sections run from one marker of the tune to the next; a tune without
// markers is cut into 8-bar windows. The dynamics are the spread of the
// loudness of 2-s windows; mono safety is the left/right correlation of
// 16-s windows.
#include "lettore_wav.h"
#include "suoni.h"

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <numbers>
#include <set>
#include <sstream>
#include <string>
#include <vector>

using namespace belvane::media;

namespace {

using Byte = std::vector<uint8_t>;
constexpr double kCoda = 1.5;          // seconds rendered after the end, for the peak of the dying notes
constexpr int kBattutePerFinestra = 8; // window of a tune without markers

// ---- The MIDI file: markers, tempo, channels; parts silenced in place ----

struct Brano {
    uint16_t tpq = 480;
    std::vector<std::pair<uint32_t, uint32_t>> tempi; // tick, microseconds per quarter
    std::vector<std::pair<uint32_t, std::string>> marcatori;
    uint32_t battuta = 0;            // ticks per bar, from the first time signature after any upbeat
    std::set<int> canali;            // channels with notes
    std::map<int, std::string> nomi; // a channel's part: the name of the track its notes are on
};

uint32_t Vlq(const Byte &b, std::size_t &at)
{
    uint32_t v = 0;
    while (at < b.size()) {
        const uint8_t c = b[at++];
        v = (v << 7) | (c & 0x7F);
        if (!(c & 0x80))
            break;
    }
    return v;
}

uint32_t Grande(const Byte &b, std::size_t at, int n)
{
    uint32_t v = 0;
    for (int i = 0; i < n; ++i)
        v = (v << 8) | b[at + i];
    return v;
}

// Walks every track; unless `tenuti` is empty, the note-ons of any other
// channel get velocity 0 (a note-off), so the file keeps its length.
Brano Esamina(Byte &smf, const std::set<int> &tenuti)
{
    Brano brano;
    brano.tpq = static_cast<uint16_t>(Grande(smf, 12, 2));
    std::size_t at = 14;
    while (at + 8 <= smf.size()) {
        const std::size_t fine = at + 8 + Grande(smf, at + 4, 4);
        const bool traccia = std::equal(smf.begin() + at, smf.begin() + at + 4, "MTrk");
        at += 8;
        uint32_t tick = 0;
        uint8_t corrente = 0;
        std::string nomeTraccia;
        while (traccia && at < fine) {
            tick += Vlq(smf, at);
            uint8_t stato = smf[at];
            if (stato == 0xFF) {
                const uint8_t tipo = smf[at + 1];
                at += 2;
                const uint32_t lunghezza = Vlq(smf, at);
                if (tipo == 0x51)
                    brano.tempi.emplace_back(tick, Grande(smf, at, 3));
                else if (tipo == 0x06)
                    brano.marcatori.emplace_back(tick, std::string(smf.begin() + at, smf.begin() + at + lunghezza));
                else if (tipo == 0x03)
                    nomeTraccia.assign(smf.begin() + at, smf.begin() + at + lunghezza);
                // A signature changing after the first bar makes that bar an upbeat.
                else if (tipo == 0x58 && (brano.battuta == 0 || tick == brano.battuta))
                    brano.battuta = brano.tpq * 4 * smf[at] >> smf[at + 1];
                at += lunghezza;
                continue;
            }
            if (stato == 0xF0 || stato == 0xF7) {
                ++at;
                at += Vlq(smf, at);
                continue;
            }
            if (stato & 0x80)
                corrente = stato, ++at;
            else
                stato = corrente;
            const int tipo = stato & 0xF0;
            const int canale = stato & 0x0F;
            if (tipo == 0x90 && smf[at + 1] > 0) {
                brano.canali.insert(canale);
                brano.nomi.emplace(canale, nomeTraccia);
                if (!tenuti.empty() && !tenuti.count(canale))
                    smf[at + 1] = 0;
            }
            at += tipo == 0xC0 || tipo == 0xD0 ? 1 : 2;
        }
        at = fine;
    }
    std::sort(brano.tempi.begin(), brano.tempi.end());
    std::sort(brano.marcatori.begin(), brano.marcatori.end());
    return brano;
}

double Secondi(const Brano &b, uint32_t tick)
{
    double secondi = 0;
    uint32_t da = 0, tempo = 500000;
    for (const auto &[t, us] : b.tempi) {
        if (t >= tick)
            break;
        secondi += double(t - da) * tempo / b.tpq / 1e6;
        da = t, tempo = us;
    }
    return secondi + double(tick - da) * tempo / b.tpq / 1e6;
}

// ---- Rendering through the sound layer ----

struct Resa {
    std::vector<float> stereo;
    int64_t frameBrano = 0; // the tune's own length; the rest is its tail
};

Resa Rendi(const Byte &smf)
{
    const auto cartella = std::filesystem::temp_directory_path() / ("belvane-ascolto-" + std::to_string(getpid()));
    std::filesystem::create_directories(cartella / "Music");
    std::ofstream(cartella / "Music/10carte.mid", std::ios::binary)
        .write(reinterpret_cast<const char *>(smf.data()), static_cast<std::streamsize>(smf.size()));
    Resa resa;
    {
        Suoni suoni(
            cartella.string(), [] { return false; }, ModoUscita::FuoriLinea);
        suoni.WaitForSoundFont(std::chrono::seconds(10));
        suoni.OpenSoundDevices();
        resa.frameBrano = int64_t{suoni.MMC1().Length()} * kFrequenza / 1000;
        suoni.StartMusic();
        resa.stereo.resize(static_cast<std::size_t>(2 * (resa.frameBrano + int64_t(kCoda * kFrequenza))));
        suoni.Render(resa.stereo.data(), static_cast<int>(resa.stereo.size() / 2));
    }
    std::filesystem::remove_all(cartella);
    return resa;
}

// ---- Measures ----

class Biquad {
public:
    Biquad(double b0, double b1, double b2, double a1, double a2) : b0_(b0), b1_(b1), b2_(b2), a1_(a1), a2_(a2) {}
    double operator()(double x)
    {
        const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
        x2_ = x1_, x1_ = x, y2_ = y1_, y1_ = y;
        return y;
    }

private:
    double b0_, b1_, b2_, a1_, a2_, x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// The two K-weighting stages of BS.1770 for 44.1 kHz, from their analog prototypes.
std::vector<double> Pesato(const std::vector<float> &stereo, int canale, std::size_t frame)
{
    const double fs = kFrequenza;
    double k = std::tan(std::numbers::pi * 1681.974450955533 / fs);
    const double q1 = 0.7071752369554193, vh = std::pow(10.0, 3.99984385397 / 20),
                 vb = std::pow(vh, 0.4996667741545416);
    double a0 = 1 + k / q1 + k * k;
    Biquad mensola((vh + vb * k / q1 + k * k) / a0, 2 * (k * k - vh) / a0, (vh - vb * k / q1 + k * k) / a0,
                   2 * (k * k - 1) / a0, (1 - k / q1 + k * k) / a0);
    k = std::tan(std::numbers::pi * 38.13547087613982 / fs);
    const double q2 = 0.5003270373253953;
    a0 = 1 + k / q2 + k * k;
    Biquad passaAlto(1, -2, 1, 2 * (k * k - 1) / a0, (1 - k / q2 + k * k) / a0);
    std::vector<double> y(frame);
    for (std::size_t i = 0; i < frame; ++i)
        y[i] = passaAlto(mensola(stereo[2 * i + canale]));
    return y;
}

constexpr double kNulla = -200; // the loudness of silence

double Lufs(double energia) { return energia > 0 ? -0.691 + 10 * std::log10(energia) : kNulla; }

// Integrated loudness of frames [da, a); ungated when shorter than one block.
double Sonorita(const std::vector<double> &l, const std::vector<double> &r, std::size_t da, std::size_t a)
{
    const std::size_t blocco = kFrequenza * 4 / 10, passo = kFrequenza / 10;
    std::vector<double> z;
    for (std::size_t s = da; s + blocco <= a; s += passo) {
        double e = 0;
        for (std::size_t i = s; i < s + blocco; ++i)
            e += l[i] * l[i] + r[i] * r[i];
        z.push_back(e / blocco);
    }
    if (z.empty()) {
        double e = 0;
        for (std::size_t i = da; i < a; ++i)
            e += l[i] * l[i] + r[i] * r[i];
        return a > da ? Lufs(e / double(a - da)) : kNulla;
    }
    const auto media = [&](double soglia) {
        double somma = 0;
        int n = 0;
        for (double e : z)
            if (Lufs(e) > soglia)
                somma += e, ++n;
        return n ? somma / n : 0.0;
    };
    const double relativa = Lufs(media(-70)) - 10;
    return Lufs(media(std::max(-70.0, relativa)));
}

double Energia(const std::vector<double> &l, const std::vector<double> &r)
{
    double e = 0;
    for (std::size_t i = 0; i < l.size(); ++i)
        e += l[i] * l[i] + r[i] * r[i];
    return e;
}

double Db(double v) { return v > 0 ? 20 * std::log10(v) : kNulla; }

double Picco(const std::vector<float> &v, std::size_t da, std::size_t a)
{
    double p = 0;
    for (std::size_t i = da; i < a && i < v.size(); ++i)
        p = std::max(p, double(std::fabs(v[i])));
    return p;
}

double Rms(const std::vector<float> &v)
{
    double e = 0;
    for (float x : v)
        e += double(x) * x;
    return v.empty() ? 0 : std::sqrt(e / double(v.size()));
}

struct Misura {
    double integrata;
    double picco;
    double rms;
};

Misura Misurata(const Resa &r, const std::vector<double> &l, const std::vector<double> &d)
{
    std::vector<float> corpo(r.stereo.begin(), r.stereo.begin() + 2 * r.frameBrano);
    return {Sonorita(l, d, 0, l.size()), Db(Picco(r.stereo, 0, r.stereo.size())), Db(Rms(corpo))};
}

// Loudness of each `durata`-second window, ungated, one after another.
std::vector<double> Finestre(const std::vector<double> &l, const std::vector<double> &r, double durata)
{
    const auto passo = static_cast<std::size_t>(durata * kFrequenza);
    std::vector<double> v;
    for (std::size_t s = 0; s + passo <= l.size(); s += passo) {
        double e = 0;
        for (std::size_t i = s; i < s + passo; ++i)
            e += l[i] * l[i] + r[i] * r[i];
        v.push_back(Lufs(e / double(passo)));
    }
    return v;
}

double Percentile(std::vector<double> v, double quota)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? kNulla : v[std::min(v.size() - 1, static_cast<std::size_t>(quota * double(v.size())))];
}

// Pearson correlation of left and right over frames [da, a) of the raw mix,
// the figure a mono listener cares about.
double Correlazione(const std::vector<float> &stereo, std::size_t da, std::size_t a)
{
    double sl = 0, sr = 0, sll = 0, srr = 0, slr = 0;
    for (std::size_t i = da; i < a; ++i) {
        const double x = stereo[2 * i], y = stereo[2 * i + 1];
        sl += x, sr += y, sll += x * x, srr += y * y, slr += x * y;
    }
    const double n = double(a - da);
    const double cov = slr - sl * sr / n, vl = sll - sl * sl / n, vr = srr - sr * sr / n;
    return vl > 0 && vr > 0 ? cov / std::sqrt(vl * vr) : 1.0;
}

struct Pesati {
    std::vector<double> l, r;
};

Pesati PesatiDi(const Byte &smf, const std::set<int> &tenuti)
{
    Byte copia = smf;
    Esamina(copia, tenuti);
    const Resa resa = Rendi(copia);
    const auto k = static_cast<std::size_t>(resa.frameBrano);
    return {Pesato(resa.stereo, 0, k), Pesato(resa.stereo, 1, k)};
}

Misura Brano1(const std::string &nome, const std::string &file, const std::set<int> &guida)
{
    std::ifstream in(file, std::ios::binary);
    const Byte smf{std::istreambuf_iterator<char>(in), {}};
    Byte copia = smf;
    const Brano brano = Esamina(copia, {});
    const Resa tutto = Rendi(smf);
    const auto n = static_cast<std::size_t>(tutto.frameBrano);
    const auto l = Pesato(tutto.stereo, 0, n), d = Pesato(tutto.stereo, 1, n);
    const Misura m = Misurata(tutto, l, d);
    const double fine = double(n) / kFrequenza;
    std::printf("\n%s (%s)\n  length %.1f s, integrated %.1f LUFS, peak %.1f dBFS, RMS %.1f dBFS\n", nome.c_str(),
                file.c_str(), fine, m.integrata, m.picco, m.rms);

    const std::vector<double> due = Finestre(l, d, 2.0);
    const double p10 = Percentile(due, 0.1), p90 = Percentile(due, 0.9);
    std::printf("  2-s windows: 10th percentile %.1f, 90th %.1f LUFS: spread %.1f dB\n", p10, p90, p90 - p10);
    // Each window on its own, to see which passages set the spread.
    if (std::getenv("BELVANE_BENCH_FINESTRE")) {
        for (std::size_t i = 0; i < due.size(); ++i)
            std::printf("    window %3zu from %5.1f s: %.1f LUFS\n", i + 1, 2.0 * double(i), due[i]);
    }
    const std::size_t sedici = 16 * kFrequenza, passoCorr = 4 * kFrequenza;
    double peggiore = 1;
    std::size_t dove = 0;
    for (std::size_t s = 0; s < n; s += passoCorr) {
        const std::size_t da = s + sedici <= n ? s : (n > sedici ? n - sedici : 0);
        const double c = Correlazione(tutto.stereo, da, std::min(n, da + sedici));
        if (c < peggiore)
            peggiore = c, dove = da;
        if (s + sedici >= n)
            break;
    }
    std::printf("  left/right correlation, 16-s windows every 4 s: lowest %.2f (from %.0f s)\n", peggiore,
                double(dove) / kFrequenza);
    // The loudest 400-ms block of the tune and its ringing tail.
    const auto lc = Pesato(tutto.stereo, 0, tutto.stereo.size() / 2),
               dc = Pesato(tutto.stereo, 1, tutto.stereo.size() / 2);
    double forte = kNulla, quando = 0;
    for (std::size_t s = 0; s + kFrequenza * 4 / 10 <= lc.size(); s += kFrequenza / 10) {
        const double v = Sonorita(lc, dc, s, s + kFrequenza * 4 / 10);
        if (v > forte)
            forte = v, quando = double(s) / kFrequenza;
    }
    std::printf("  loudest 400 ms: %.1f LUFS from %.1f s\n", forte, quando);

    std::vector<std::pair<double, std::string>> sezioni;
    for (const auto &[tick, testo] : brano.marcatori)
        sezioni.emplace_back(Secondi(brano, tick), testo);
    if (sezioni.empty() && brano.battuta > 0)
        for (uint32_t t = 0; Secondi(brano, t) < fine; t += kBattutePerFinestra * brano.battuta)
            sezioni.emplace_back(Secondi(brano, t), "bars " + std::to_string(t / brano.battuta + 1) + "-");

    // The leads and the accompaniment, each rendered alone and measured over
    // the same sections; a section without a lead shows none.
    std::set<int> accompagnamento, soloGuida;
    for (int canale : brano.canali)
        (guida.count(canale) ? soloGuida : accompagnamento).insert(canale);
    const bool confronto = !soloGuida.empty() && !accompagnamento.empty();
    const Pesati g = confronto ? PesatiDi(smf, soloGuida) : Pesati{};
    const Pesati a = confronto ? PesatiDi(smf, accompagnamento) : Pesati{};
    std::printf("  %-22s %6s %6s %7s %6s %8s %6s %6s\n", "section", "from s", "to s", "LUFS", "vs all", "lead",
                "accomp", "lead-acc");
    for (std::size_t i = 0; i < sezioni.size(); ++i) {
        const double da = sezioni[i].first;
        const double al = i + 1 < sezioni.size() ? sezioni[i + 1].first : fine;
        const std::size_t x = std::size_t(da * kFrequenza), y = std::min(n, std::size_t(al * kFrequenza));
        const double s = Sonorita(l, d, x, y);
        std::printf("  %-22s %6.1f %6.1f %7.1f %+6.1f", sezioni[i].second.c_str(), da, al, s, s - m.integrata);
        if (confronto) {
            const double sg = Sonorita(g.l, g.r, x, std::min(y, g.l.size()));
            const double sa = Sonorita(a.l, a.r, x, std::min(y, a.l.size()));
            if (sg > -70)
                std::printf(" %8.1f %6.1f %+6.1f", sg, sa, sg - sa);
            else
                std::printf(" %8s %6.1f", "-", sa);
        }
        std::printf("\n");
    }
    const std::size_t apertura = std::min(n, std::size_t(3 * kFrequenza));
    std::printf("  first 3 s: %.1f LUFS (%+.1f)\n", Sonorita(l, d, 0, apertura),
                Sonorita(l, d, 0, apertura) - m.integrata);

    // A part's loudness is gated over where it plays; its share is its
    // K-weighted energy over the whole tune against the mix's.
    std::printf("  %-22s %10s %9s %8s\n", "part alone", "LUFS", "vs whole", "share");
    const double energiaMix = Energia(l, d);
    double quota = 0;
    int piuForte = -1;
    for (int canale : brano.canali) {
        const Pesati p = PesatiDi(smf, {canale});
        const double lufs = Sonorita(p.l, p.r, 0, p.l.size()), energia = Energia(p.l, p.r);
        std::printf("  %2d %-19s %10.1f %+9.1f %7.0f%%\n", canale, brano.nomi.at(canale).c_str(), lufs,
                    lufs - m.integrata, 100 * energia / energiaMix);
        if (energia / energiaMix > quota)
            quota = energia / energiaMix, piuForte = canale;
    }
    std::printf("  loudest part: channel %d (%s), %.0f%% of the mix\n", piuForte, brano.nomi.at(piuForte).c_str(),
                100 * quota);
    if (confronto) {
        const double sg = Sonorita(g.l, g.r, 0, g.l.size()), sa = Sonorita(a.l, a.r, 0, a.l.size());
        std::printf("  lead channels %.1f LUFS, accompaniment %.1f LUFS: lead %+.1f dB over it\n", sg, sa, sg - sa);
    }
    return m;
}

// A plain DFT: the rustle is a few thousand samples.
double Baricentro(const std::vector<float> &mono)
{
    const std::size_t n = mono.size();
    std::vector<double> c(n), s(n);
    for (std::size_t i = 0; i < n; ++i)
        c[i] = std::cos(2 * std::numbers::pi * double(i) / double(n)),
        s[i] = std::sin(2 * std::numbers::pi * double(i) / double(n));
    double pesata = 0, totale = 0;
    for (std::size_t k = 1; k < n / 2; ++k) {
        double re = 0, im = 0;
        for (std::size_t i = 0, j = 0; i < n; ++i, j = (j + k) % n)
            re += mono[i] * c[j], im -= mono[i] * s[j];
        const double p = re * re + im * im;
        pesata += p * double(k) * kFrequenza / double(n);
        totale += p;
    }
    return totale > 0 ? pesata / totale : 0;
}

void Fruscio(const std::string &file, double rmsBrano)
{
    const std::vector<float> stereo = CaricaWav(file);
    if (stereo.empty()) {
        std::printf("\nrustle: %s cannot be read\n", file.c_str());
        return;
    }
    // The file as it is, then the two ends of the player's variations.
    const std::pair<double, double> varianti[] = {
        {1.0, 0.0}, {1 + kVariazioneAltezza, kVariazioneLivelloDb}, {1 - kVariazioneAltezza, kVariazioneLivelloDb}};
    std::printf("\nrustle (%s)\n", file.c_str());
    for (const auto &[altezza, livello] : varianti) {
        const std::vector<float> variata = Variazione(stereo, altezza, livello);
        std::vector<float> mono;
        for (std::size_t i = 0; i < variata.size(); i += 2)
            mono.push_back(variata[i]);
        const double picco = Picco(mono, 0, mono.size());
        const double inizio = Picco(mono, 0, kFrequenza * 2 / 1000);
        std::printf("  pitch x%.2f, %+.0f dB: length %.3f s, peak %.1f dBFS, RMS %.1f dBFS (%+.1f dB against the game "
                    "tune), spectral centroid %.0f Hz, first 2 ms peak at %.2f of the peak\n",
                    altezza, livello, double(mono.size()) / kFrequenza, Db(picco), Db(Rms(mono)),
                    Db(Rms(mono)) - rmsBrano, Baricentro(mono), inizio / picco);
    }
}

} // namespace

int main(int argc, char **argv)
{
    SilenziaFluidSynth();
    std::set<int> guida = {0, 1, 2, 3};
    std::string cartella = BELVANE_SUONI_SORGENTE;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--lead" && i + 1 < argc) {
            guida.clear();
            std::stringstream lista(argv[++i]);
            for (std::string c; std::getline(lista, c, ',');)
                guida.insert(std::stoi(c));
        } else {
            cartella = a;
        }
    }
    const Misura gioco = Brano1("game tune", cartella + "/Music/10carte.mid", guida);
    const Misura finale = Brano1("winning tune", cartella + "/Music/bump.mid", guida);
    std::printf("\nwinning tune %+.1f LU against the game tune\n", finale.integrata - gioco.integrata);
    Fruscio(cartella + "/carta.wav", gioco.rms);
    return 0;
}
