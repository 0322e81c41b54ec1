// Writes the title picture: 532 x 362 baseline JPEG. The name is set in a
// Palatino-like italic from Debian's fonts-urw-base35 (DejaVu Serif if that
// is missing); the portrait is engraved from a lit height field of a head
// and shoulders: lines that follow the form and widen with the shade.
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr int kLarghezza = 532;
constexpr int kAltezza = 362;

// ---- The portrait: a lit height field of head and shoulders, engraved ----
//
// Local coordinates: pixels from the centre of the medallion, x to the
// right, y down, z towards the viewer.

struct Vettore {
    double x, y, z;
};

Vettore Normalizza(Vettore v)
{
    const double n = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    return {v.x / n, v.y / n, v.z / n};
}

const Vettore kLuce = Normalizza({-0.62, -0.42, 0.66}); // from the upper left

double Gauss(double dx, double dy, double sx, double sy)
{
    return std::exp(-(dx * dx) / (2 * sx * sx) - (dy * dy) / (2 * sy * sy));
}

// Height of an ellipsoid's front half, or -1 outside it.
double Ellissoide(double x, double y, double cx, double cy, double a, double b, double c)
{
    const double q = 1 - (x - cx) * (x - cx) / (a * a) - (y - cy) * (y - cy) / (b * b);
    return q > 0 ? c * std::sqrt(q) : -1;
}

enum class Zona { Fondo, Pelle, Capelli, Baffi, Giacca, Panciotto, Camicia, Cravatta };

struct Campione {
    double h; // height
    Zona zona;
};

constexpr double kTestaY = -28, kTestaA = 26, kTestaB = 34;
constexpr double kOcchiY = kTestaY - 2;

// A smooth step from 0 (at a) to 1 (at b).
double Passaggio(double a, double b, double t)
{
    const double u = std::clamp((t - a) / (b - a), 0.0, 1.0);
    return u * u * (3 - 2 * u);
}

Campione Rilievo(double x, double y)
{
    Campione r{-1, Zona::Fondo};
    const auto prendi = [&](double h, Zona z) {
        if (h > r.h) {
            r.h = h;
            r.zona = z;
        }
    };
    const double ax = std::abs(x);
    // Shoulders and coat, with raised lapels.
    double busto = Ellissoide(x, y, 0, 86, 80, 78, 34);
    if (busto > 0) {
        const double orlo = 8 + (y - 14) * 0.32; // the edge of the lapels
        busto += 3 * Passaggio(orlo - 3, orlo + 6, ax) * Passaggio(14, 22, y) * (1 - Passaggio(28, 34, ax - orlo));
        prendi(busto, Zona::Giacca);
        // Waistcoat, shirt front and cravat between the lapels.
        if (ax < orlo && y > 14) {
            const bool cravatta = y < 32 && ax < 8 - std::abs(y - 24) * 0.45;
            const bool panciotto = !cravatta && y > 34 && ax > 2.5 + (y - 34) * 0.05;
            r.zona = cravatta ? Zona::Cravatta : panciotto ? Zona::Panciotto : Zona::Camicia;
            r.h += cravatta ? 3 : 1;
        }
    }
    // Neck, and the white collar standing round it.
    if (y > -4 && y < 22 && ax < 14) {
        const double collo = 24 * std::sqrt(1 - (x / 14) * (x / 14));
        const bool colletto = y > 7 - 0.02 * x * x;
        prendi(collo + (colletto ? 2 : 0), colletto ? Zona::Camicia : Zona::Pelle);
    }
    // Ears, then the head with its features carved and raised.
    for (int lato : {-1, 1}) {
        const double orecchio = Ellissoide(x, y, lato * 24.5, kTestaY + 2, 4.2, 8, 14);
        if (orecchio > 0)
            prendi(orecchio, Zona::Pelle);
    }
    double testa = Ellissoide(x, y, 0, kTestaY, kTestaA, kTestaB, 28);
    if (testa > 0) {
        const double occhi = kOcchiY;
        testa -= 4.0 * Gauss(ax - 9.5, y - occhi, 4.5, 3.0);       // eye sockets
        testa += 1.2 * Gauss(ax - 9.5, y - occhi, 2.6, 1.5);       // the eyeballs
        testa += 2.4 * Gauss(ax - 9.5, y - (occhi - 6), 5.5, 1.6); // brows
        testa += 2.6 * Gauss(ax - 13, y - (occhi + 9), 4.5, 4);    // cheekbones
        const double naso = Passaggio(occhi - 3, occhi + 4, y) * (1 - Passaggio(occhi + 16, occhi + 19, y));
        testa += naso * (4 + 5 * Passaggio(occhi - 3, occhi + 16, y)) * Gauss(x + 1, 0, 2.8, 1);
        testa += 2.5 * Gauss(x + 1, y - (occhi + 16), 4.2, 2.2); // tip and wings of the nose
        testa -= 1.4 * Gauss(x, y - (occhi + 24), 6, 0.8);       // the line of the mouth
        testa += 1.8 * Gauss(x, y - (occhi + 26.5), 5, 1.6);     // lower lip
        testa += 2.6 * Gauss(x, y - (occhi + 32), 7, 3);         // chin
        Zona z = Zona::Pelle;
        // Moustache, and short whiskers down the jaw.
        if (y > occhi + 19 && y < occhi + 24 - 0.06 * ax && ax < 12 - (y - (occhi + 19)) * 0.3)
            z = Zona::Baffi;
        if (ax > 19 && y > occhi + 1 && y < occhi + 20 - (ax - 19))
            z = Zona::Baffi;
        if (ax > 4 && ax < 15.5 && std::abs(y - (occhi - 6 + 0.03 * (ax - 9) * (ax - 9))) < 1.3)
            z = Zona::Baffi; // brows
        prendi(testa, z);
    }
    // Hair: over the crown, parted on the left, and down over the temples.
    const double capigliatura = Ellissoide(x, y, 0.5, kTestaY - 2, kTestaA + 2.5, kTestaB + 2.5, 29);
    const double attaccatura = kTestaY - 19 + 0.02 * x * x;
    if (capigliatura > 0 && (y < attaccatura || (ax > 21.5 && y < kTestaY - 3)))
        prendi(capigliatura + 1, Zona::Capelli);
    return r;
}

// Brightness of each zone under full light.
double Albedo(Zona z)
{
    switch (z) {
    case Zona::Pelle:
        return 1.0;
    case Zona::Capelli:
        return 0.62;
    case Zona::Baffi:
        return 0.45;
    case Zona::Giacca:
        return 0.45;
    case Zona::Camicia:
        return 1.05;
    case Zona::Cravatta:
        return 0.15;
    case Zona::Panciotto:
        return 0.6;
    case Zona::Fondo:
        break;
    }
    return 1.0;
}

// The engraver's solid marks: pupils, the lids' edges, nostrils, the parting
// of the lips. 1 where the burin cuts solid.
double Segno(double x, double y)
{
    const double ax = std::abs(x);
    double m = 0;
    m = std::max(m, Gauss(ax - 9.5, y - kOcchiY, 1.5, 1.3)); // pupils
    const double palpebra = kOcchiY - 1.4 + 0.06 * (ax - 9.5) * (ax - 9.5);
    if (ax > 5.5 && ax < 14)
        m = std::max(m, Gauss(0, y - palpebra, 1, 0.55));             // upper lids
    m = std::max(m, Gauss(ax - 3.2, y - (kOcchiY + 17.5), 1.1, 0.8)); // nostrils
    if (y > kOcchiY + 3 && y < kOcchiY + 16)
        m = std::max(m, Gauss(x - 2.4 - 0.1 * (y - kOcchiY), 0, 0.75, 1)); // the shaded side of the nose
    m = std::max(m, Gauss(x - 1, y - (kOcchiY + 19), 3.5, 0.7));           // the shadow under it
    if (ax < 7)
        m = std::max(m, Gauss(0, y - (kOcchiY + 24.2 + 0.03 * x * x), 1, 0.55) * (1 - ax / 9)); // lips
    return m;
}

// How dark the engraving is at (x, y): 0 paper, 1 ink.
double Tono(const Campione &c, double x, double y)
{
    if (c.zona == Zona::Fondo) // ground: light on the lit side, darker away from it
        return 0.1 + 0.32 * Passaggio(-60, 60, x);
    constexpr double e = 0.6;
    const auto h = [](double px, double py) { return std::max(0.0, Rilievo(px, py).h); };
    const double dx = (h(x + e, y) - h(x - e, y)) / (2 * e);
    const double dy = (h(x, y + e) - h(x, y - e)) / (2 * e);
    const Vettore n = Normalizza({-dx, -dy, 1});
    const double lambert = std::max(0.0, n.x * kLuce.x + n.y * kLuce.y + n.z * kLuce.z);
    double luce = Albedo(c.zona) * (0.3 + 0.85 * lambert);
    if (c.zona == Zona::Pelle && y > kTestaY + kTestaB - 4) // the shadow the head casts on the neck
        luce *= 0.55 + 0.45 * Passaggio(kTestaY + kTestaB + 2, kTestaY + kTestaB + 10, y);
    return std::clamp(1.0 - luce, 0.0, 1.0);
}

// The two families of lines of each zone, as phases whose whole numbers
// are the lines' axes. Lines bow round the form: on the head and neck they
// run as parallels seen from a little above, on the coat they slant.
void Fasi(Zona zona, double x, double y, double passo, double &primo, double &secondo)
{
    switch (zona) {
    case Zona::Fondo:
        primo = y / passo;
        secondo = 0;
        return;
    case Zona::Capelli: {
        // Combed back: waved lines that follow the outline of the skull.
        const double ex = (x + 3) / (kTestaA + 3), ey = (y - kTestaY - 8) / (kTestaB + 6);
        primo = (std::sqrt(ex * ex + ey * ey) * 34 + 0.7 * std::sin(x / 3.5)) / passo;
        secondo = (y + 0.6 * x) / passo;
        return;
    }
    case Zona::Baffi: {
        // Strands brushed out and down from the middle.
        const double dx = x + 1;
        primo = (dx * 0.9 - 0.03 * dx * std::abs(dx) + 0.3 * y) / passo;
        secondo = (y + 0.6 * x) / passo;
        return;
    }
    case Zona::Giacca:
    case Zona::Cravatta:
        primo = (x * 0.45 + y * 0.9 + 5 * (1 - x * x / 6000)) / passo;
        secondo = (-x * 0.6 + y * 0.8) / passo;
        return;
    case Zona::Panciotto:
        primo = (y - 0.004 * x * x * x / 10) / passo;
        secondo = x / passo;
        return;
    case Zona::Camicia:
        primo = x / passo;
        secondo = y / passo;
        return;
    case Zona::Pelle:
        break;
    }
    const double a = y > kTestaY + kTestaB - 2 ? 14.0 : kTestaA;
    primo = (y - 6 * (1 - std::min(1.0, x * x / (a * a)))) / passo;
    secondo = (x * 0.9 + 0.35 * y - 4 * (1 - std::min(1.0, y * y / 2500))) / passo;
}

// Ink of a family of lines at a point: its axis is `d` phases away, the
// phase changes by `g` a pixel, and the line is `larghezza` pixels wide.
double Tratto(double fase, double g, double larghezza)
{
    const double d = std::abs(fase - std::round(fase));
    return d * 2 < larghezza * g ? 1.0 : 0.0;
}

// The engraving as a grey image.
QImage Incisione(int larghezza, int altezza)
{
    constexpr int kCampioni = 4;
    constexpr double kPasso = 2.6; // spacing of the lines in pixels
    QImage img(larghezza, altezza, QImage::Format_RGB32);
    for (int py = 0; py < altezza; ++py) {
        for (int px = 0; px < larghezza; ++px) {
            double inchiostro = 0;
            for (int sy = 0; sy < kCampioni; ++sy) {
                for (int sx = 0; sx < kCampioni; ++sx) {
                    const double x = px + (sx + 0.5) / kCampioni - larghezza / 2.0;
                    const double y = py + (sy + 0.5) / kCampioni - altezza / 2.0;
                    const Campione c = Rilievo(x, y);
                    const double t = c.zona == Zona::Pelle ? std::max(Tono(c, x, y), 0.8 * Segno(x, y)) : Tono(c, x, y);
                    double f1, f2, fx1, fx2, fy1, fy2;
                    constexpr double e = 0.25;
                    Fasi(c.zona, x, y, kPasso, f1, f2);
                    Fasi(c.zona, x + e, y, kPasso, fx1, fx2);
                    Fasi(c.zona, x, y + e, kPasso, fy1, fy2);
                    const double g1 = std::hypot(fx1 - f1, fy1 - f1) / e;
                    const double g2 = std::hypot(fx2 - f2, fy2 - f2) / e;
                    // One family carries the tone up to the middle greys, the
                    // crossing one deepens the shade beyond them.
                    double a = Tratto(f1, g1, kPasso * std::min(0.9, t * 1.25));
                    if (c.zona != Zona::Fondo && t > 0.5)
                        a = std::max(a, Tratto(f2, g2, kPasso * std::min(0.8, (t - 0.5) * 1.5)));
                    if (c.zona == Zona::Pelle && Segno(x, y) > 0.5)
                        a = 1;
                    // The contour against the ground, a fine line.
                    if (c.zona != Zona::Fondo &&
                        (Rilievo(x - 0.7, y).zona == Zona::Fondo || Rilievo(x + 0.7, y).zona == Zona::Fondo ||
                         Rilievo(x, y - 0.7).zona == Zona::Fondo))
                        a = 1;
                    inchiostro += a;
                }
            }
            const int g = int(std::lround(246 - 232 * inchiostro / (kCampioni * kCampioni)));
            img.setPixel(px, py, qRgb(g, g, g));
        }
    }
    return img;
}

void Ritratto(QPainter &p, QPointF centro, double rx, double ry)
{
    const QImage incisione = Incisione(int(2 * rx), int(2 * ry));
    QPainterPath ovale;
    ovale.addEllipse(centro, rx, ry);
    p.save();
    p.setClipPath(ovale);
    p.drawImage(QPointF(centro.x() - rx, centro.y() - ry), incisione);
    p.restore();
    // Frame of the medallion.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x20, 0x20, 0x20), 3));
    p.drawEllipse(centro, rx, ry);
    p.setPen(QPen(QColor(0xC8, 0xC8, 0xC8), 1.2));
    p.drawEllipse(centro, rx + 3.5, ry + 3.5);
}

QString FamigliaCorsivo()
{
    const int id =
        QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/fonts/opentype/urw-base35/P052-Italic.otf"));
    const QStringList famiglie = QFontDatabase::applicationFontFamilies(id);
    if (!famiglie.isEmpty())
        return famiglie.first();
    std::fprintf(stderr, "P052 Italic not found, using DejaVu Serif\n");
    return QStringLiteral("DejaVu Serif");
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <title.jpg>\n", argv[0]);
        return 2;
    }
    QImage img(kLarghezza, kAltezza, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    QRadialGradient fondo(QPointF(266, 150), 380);
    fondo.setColorAt(0, QColor(0x4E, 0x30, 0x1C));
    fondo.setColorAt(1, QColor(0x2A, 0x17, 0x0C));
    p.fillRect(img.rect(), fondo);

    // The open frame: a light rule along the top and down the left side.
    p.setPen(QPen(QColor(0xE2, 0xD4, 0xB4), 1.5, Qt::SolidLine, Qt::SquareCap));
    p.drawLine(QPointF(14, 14), QPointF(518, 14));
    p.drawLine(QPointF(14, 14), QPointF(14, 348));

    // The name in silver italics with a soft shadow.
    QFont corsivo(FamigliaCorsivo());
    corsivo.setItalic(true);
    corsivo.setPixelSize(104);
    QPainterPath nome;
    nome.addText(0, 0, corsivo, QStringLiteral("Belvane"));
    const QRectF r = nome.boundingRect();
    nome.translate(266 - r.center().x(), 128);
    const QRectF rn = nome.boundingRect();
    p.fillPath(nome.translated(3, 3), QColor(0, 0, 0, 140));
    QLinearGradient argento(rn.topLeft(), rn.bottomLeft());
    argento.setColorAt(0.0, QColor(0xFA, 0xFA, 0xFC));
    argento.setColorAt(0.45, QColor(0xB8, 0xBA, 0xC2));
    argento.setColorAt(0.55, QColor(0x90, 0x92, 0x9A));
    argento.setColorAt(0.8, QColor(0xD8, 0xDA, 0xE0));
    argento.setColorAt(1.0, QColor(0xA0, 0xA2, 0xA8));
    p.fillPath(nome, argento);
    p.setPen(QPen(QColor(0x50, 0x50, 0x58), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawPath(nome);

    Ritratto(p, QPointF(266, 250), 66, 92 - 4);

    QFont didascalia(QStringLiteral("DejaVu Serif"));
    didascalia.setPixelSize(11);
    p.setFont(didascalia);
    p.setPen(QColor(0xE2, 0xD4, 0xB4));
    p.drawText(QPointF(26, 334), QStringLiteral("A Quintavox game"));
    p.drawText(QPointF(26, 348), QStringLiteral("Belvane, version 3.00"));
    p.end();

    QImageWriter w(QString::fromLocal8Bit(argv[1]), "jpeg");
    w.setQuality(92);
    w.setOptimizedWrite(false);
    w.setProgressiveScanWrite(false);
    if (!w.write(img)) {
        std::fprintf(stderr, "cannot write %s: %s\n", argv[1], qPrintable(w.errorString()));
        return 1;
    }
    return 0;
}
