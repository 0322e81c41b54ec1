// Figures of the card drawing, per card and for the deck: how many areas
// each card's recording holds and whether it is complete, how long the
// recording takes, and what the forty cost at the sizes a window shows
// them, played from the recordings and stroke by stroke. Prints; asserts
// nothing. Runs offscreen:
//   QT_QPA_PLATFORM=offscreen bench_carte [runs]
#include "disegno_carte.h"
#include "registrazione.h"
#include "scena.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using Orologio = std::chrono::steady_clock;

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

    std::printf("card  areas  complete  record ms\n");
    int areeTotali = 0;
    double registrazioneTotale = 0;
    for (int code = 1; code <= kCarte; ++code) {
        Registrazione r;
        const double ms =
            Mediana(volte, [&] { r = Registra([code](QPainter &p) { Scena(p, SemeDi(code), Rango(code)); }, 8); });
        areeTotali += int(r.campiture.size());
        registrazioneTotale += ms;
        std::printf("%4d  %5zu  %8s  %9.2f\n", code, r.campiture.size(), r.completa ? "yes" : "NO", ms);
    }
    std::printf("all   %5d            %9.2f\n\n", areeTotali, registrazioneTotale);

    std::printf("the forty, one by one (median of %d)   from recordings   stroke by stroke\n", volte);
    for (const QSize dimensione : {QSize(92, 148), QSize(138, 220), QSize(180, 288)}) {
        QImage img(dimensione, QImage::Format_ARGB32_Premultiplied);
        const QRectF dove(QPointF(0, 0), dimensione);
        const auto tutte = [&](auto disegna) {
            return Mediana(volte, [&] {
                for (int code = 1; code <= kCarte; ++code) {
                    QPainter p(&img);
                    disegna(p, dove, code);
                }
            });
        };
        std::printf("  %3dx%-3d %38.2f %18.2f\n", dimensione.width(), dimensione.height(), tutte(DisegnaCarta),
                    tutte(DisegnaCartaPennellata));
    }
    return 0;
}
