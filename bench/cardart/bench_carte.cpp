// Figures of the card drawing, per card and for the deck: how many areas
// and points each card's recording holds (and keeps once graded) and
// whether it is complete, how long the recording takes, and what the forty cost at the sizes a window shows
// them: filled from the recordings (directly, and through QPainter) and
// stroke by stroke, and on two threads as the cache fills them. Prints; asserts
// nothing. Runs offscreen:
//   QT_QPA_PLATFORM=offscreen bench_carte [runs]
#include "disegno_carte.h"
#include "registrazione.h"
#include "scena.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

namespace {

using Orologio = std::chrono::steady_clock;
constexpr int kFili = 2; // the cache's workers

double Ms(Orologio::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

template <typename F> double Mediana(int volte, F f)
{
    std::vector<double> tempi;
    for (int i = 0; i < volte; ++i) {
        const auto t0 = Orologio::now();
        f();
        tempi.push_back(Ms(Orologio::now() - t0));
    }
    std::sort(tempi.begin(), tempi.end());
    return tempi[tempi.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int volte = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    using namespace belvane;
    using namespace belvane::cardart;

    std::printf("card  areas  complete  record ms  points  graded\n");
    int areeTotali = 0;
    std::size_t puntiTotali = 0, graduatiTotali = 0;
    double registrazioneTotale = 0;
    for (int code = 1; code <= kCarte; ++code) {
        Registrazione r;
        const double ms = Mediana(volte, [&] {
            r = Registra([code](QPainter &p) { Scena(p, SemeDi(code), Rango(code)); }, kScalaRegistrata);
        });
        Registrazione graduata = r;
        Gradua(graduata, kScalaRegistrata);
        areeTotali += int(r.campiture.size());
        puntiTotali += r.punti.size() / 2;
        graduatiTotali += graduata.punti.size() / 2;
        registrazioneTotale += ms;
        std::printf("%4d  %5zu  %8s  %9.2f  %6zu  %6zu\n", code, r.campiture.size(), r.completa ? "yes" : "NO", ms,
                    r.punti.size() / 2, graduata.punti.size() / 2);
    }
    std::printf("all   %5d            %9.2f  %6zu  %6zu\n\n", areeTotali, registrazioneTotale, puntiTotali,
                graduatiTotali);

    // The recordings as the program has them, each played three ways: filled
    // straight into the picture (what the cache does), filled through
    // QPainter, and the scene stroke by stroke.
    std::vector<Registrazione> registrazioni = RegistraDalVivo();
    std::printf("the forty, one by one, ms (median of %d)   filled   QPainter fills   stroke by stroke   "
                "filled on %d threads\n",
                volte, kFili);
    for (const QSize dimensione : {QSize(92, 148), QSize(138, 220), QSize(180, 288)}) {
        const QRectF dove(QPointF(0, 0), dimensione);
        const QTransform suCarta = QTransform::fromScale(dove.width() / kLarghezzaCarta, dove.height() / kAltezzaCarta);
        const auto tutte = [&](auto disegna) {
            QImage img(dimensione, QImage::Format_ARGB32_Premultiplied);
            return Mediana(volte, [&] {
                for (int code = 1; code <= kCarte; ++code) {
                    img.fill(Qt::white);
                    disegna(img, code);
                }
            });
        };
        const double riempite =
            tutte([&](QImage &img, int code) { Riproduci(img, suCarta, img.rect(), registrazioni[size_t(code - 1)]); });
        const double qt = tutte([&](QImage &img, int code) {
            QPainter p(&img);
            p.setRenderHint(QPainter::Antialiasing);
            p.setTransform(suCarta);
            Riproduci(p, registrazioni[size_t(code - 1)]);
        });
        const double pennellate = tutte([&](QImage &img, int code) {
            QPainter p(&img);
            DisegnaCartaPennellata(p, dove, code);
        });
        // As the cache's workers share them: each takes the next card.
        const double inParallelo = Mediana(volte, [&] {
            std::atomic<int> prossima{0};
            std::vector<std::jthread> fili;
            for (int f = 0; f < kFili; ++f)
                fili.emplace_back([&] {
                    QImage img(dimensione, QImage::Format_ARGB32_Premultiplied);
                    for (int i = prossima++; i < kCarte; i = prossima++) {
                        img.fill(Qt::white);
                        Riproduci(img, suCarta, img.rect(), registrazioni[size_t(i)]);
                    }
                });
        });
        std::printf("  %3dx%-3d %37.2f %16.2f %18.2f %22.2f\n", dimensione.width(), dimensione.height(), riempite, qt,
                    pennellate, inParallelo);
    }
    return 0;
}
