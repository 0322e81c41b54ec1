// Writes the title picture: 532 x 362 baseline JPEG. The name is set in a
// Palatino-like italic from Debian's fonts-urw-base35 (DejaVu Serif if that
// is missing); the portrait is an engraving made of hatching lines whose
// width follows the light on simple solids (head, neck, bust).
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
#include <numbers>

namespace {

constexpr int kLarghezza = 532;
constexpr int kAltezza = 362;
constexpr double kPi = std::numbers::pi;

struct Vettore {
    double x, y, z;
};

Vettore Normalizza(Vettore v)
{
    const double n = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    return {v.x / n, v.y / n, v.z / n};
}

const Vettore kLuce = Normalizza({-0.45, 0.35, 0.85}); // from the upper left, y up

// An ellipsoid seen slightly from above (tilted about the x axis).
struct Solido {
    double cx, cy;   // centre on the picture
    double a, b, c;  // half axes: across, up, towards the viewer
    double inclina;  // tilt in radians
    double scurezza; // 0 = white paper, 1 = darkest cloth
};

// Point and normal of the solid at latitude v, longitude u, projected.
void Punto(const Solido &s, double u, double v, QPointF &p, double &luce)
{
    const double x = s.a * std::cos(v) * std::sin(u);
    const double y = s.b * std::sin(v);
    const double z = s.c * std::cos(v) * std::cos(u);
    const double ct = std::cos(s.inclina), st = std::sin(s.inclina);
    const double y2 = y * ct - z * st;
    p = QPointF(s.cx + x, s.cy - y2);
    Vettore n = Normalizza({x / (s.a * s.a), y / (s.b * s.b), z / (s.c * s.c)});
    const double ny = n.y * ct - n.z * st, nz = n.y * st + n.z * ct;
    n = {n.x, ny, nz};
    const double l = std::max(0.0, n.x * kLuce.x + n.y * kLuce.y + n.z * kLuce.z);
    luce = std::clamp((0.2 + 0.8 * l) * (1.0 - s.scurezza), 0.0, 1.0);
}

// Hatches the solid along its parallels (and, where it is dark, along its
// meridians too); each short stroke is as wide as the shade there is deep.
void Tratteggia(QPainter &p, const Solido &s, double vDa, double vA, double passo, bool incrocia)
{
    p.setBrush(Qt::NoBrush);
    const int righe = int((vA - vDa) * s.b / passo);
    for (int i = 0; i <= righe; ++i) {
        const double v = vDa + (vA - vDa) * i / std::max(1, righe);
        QPointF prec;
        double lprec = 0;
        for (int k = 0; k <= 60; ++k) {
            const double u = -kPi / 2 + kPi * k / 60;
            QPointF q;
            double l;
            Punto(s, u, v, q, l);
            if (k > 0) {
                const double ombra = 1.0 - (l + lprec) / 2;
                const double w = 0.15 + 1.9 * ombra * ombra;
                if (w > 0.22) {
                    p.setPen(QPen(Qt::black, w, Qt::SolidLine, Qt::RoundCap));
                    p.drawLine(prec, q);
                }
            }
            prec = q;
            lprec = l;
        }
    }
    if (!incrocia)
        return;
    for (int k = 0; k <= 44; ++k) {
        const double u = -kPi / 2 + kPi * k / 44;
        QPointF prec;
        double lprec = 0;
        for (int i = 0; i <= 40; ++i) {
            const double v = vDa + (vA - vDa) * i / 40;
            QPointF q;
            double l;
            Punto(s, u, v, q, l);
            if (i > 0) {
                const double ombra = 1.0 - (l + lprec) / 2;
                if (ombra > 0.55) {
                    p.setPen(QPen(Qt::black, 0.2 + 1.6 * (ombra - 0.55), Qt::SolidLine, Qt::RoundCap));
                    p.drawLine(prec, q);
                }
            }
            prec = q;
            lprec = l;
        }
    }
}

void Ritratto(QPainter &p, QPointF centro, double rx, double ry)
{
    QPainterPath ovale;
    ovale.addEllipse(centro, rx, ry);
    p.save();
    p.setClipPath(ovale);
    p.fillPath(ovale, QColor(0xF4, 0xF4, 0xF4));
    // Engraved ground: fine level lines, heavier towards the right.
    for (double y = centro.y() - ry; y < centro.y() + ry; y += 2.8) {
        for (double x = centro.x() - rx; x < centro.x() + rx; x += 4) {
            const double t = (x - (centro.x() - rx)) / (2 * rx);
            p.setPen(QPen(Qt::black, 0.25 + 0.45 * t));
            p.drawLine(QPointF(x, y), QPointF(x + 4, y));
        }
    }
    const double cx = centro.x();
    // Bust in a dark coat.
    const Solido busto{cx, centro.y() + ry * 0.88, rx * 0.98, ry * 0.62, 40, 0.25, 0.5};
    QPainterPath sagomaBusto;
    sagomaBusto.addEllipse(QPointF(busto.cx, busto.cy), busto.a, busto.b);
    p.fillPath(sagomaBusto, QColor(0xF4, 0xF4, 0xF4));
    Tratteggia(p, busto, 0.0, kPi / 2, 2.3, true);
    // Shirt front and collar, then a black cravat.
    QPainterPath camicia;
    camicia.moveTo(cx - 20, centro.y() + ry * 0.38);
    camicia.lineTo(cx + 20, centro.y() + ry * 0.38);
    camicia.lineTo(cx + 6, centro.y() + ry);
    camicia.lineTo(cx - 6, centro.y() + ry);
    camicia.closeSubpath();
    p.fillPath(camicia, QColor(0xF8, 0xF8, 0xF8));
    p.setPen(QPen(Qt::black, 0.9));
    p.drawPath(camicia);
    for (double y = centro.y() + ry * 0.45; y < centro.y() + ry; y += 4) {
        p.setPen(QPen(Qt::black, 0.3));
        p.drawLine(QPointF(cx - 3, y), QPointF(cx + 3, y + 1));
    }
    QPainterPath cravatta;
    cravatta.moveTo(cx - 13, centro.y() + ry * 0.36);
    cravatta.quadTo(cx, centro.y() + ry * 0.46, cx + 13, centro.y() + ry * 0.36);
    cravatta.lineTo(cx + 9, centro.y() + ry * 0.5);
    cravatta.quadTo(cx, centro.y() + ry * 0.44, cx - 9, centro.y() + ry * 0.5);
    cravatta.closeSubpath();
    p.fillPath(cravatta, Qt::black);
    // Neck.
    QPainterPath sagomaCollo;
    sagomaCollo.addRect(QRectF(cx - 16, centro.y() + ry * 0.08, 32, ry * 0.3));
    p.fillPath(sagomaCollo, QColor(0xF4, 0xF4, 0xF4));
    for (double y = centro.y() + ry * 0.08; y < centro.y() + ry * 0.38; y += 2.2) {
        for (int k = 0; k < 20; ++k) {
            const double u0 = -kPi / 2 + kPi * k / 20, u1 = -kPi / 2 + kPi * (k + 1) / 20;
            const double l = std::max(0.0, std::sin((u0 + u1) / 2) * kLuce.x + std::cos((u0 + u1) / 2) * kLuce.z);
            const double ombra = std::min(1.0, 1.0 - 0.75 * l + (y < centro.y() + ry * 0.2 ? 0.25 : 0.0));
            const double sag = 2.5;
            p.setPen(QPen(Qt::black, 0.15 + 1.4 * ombra * ombra));
            p.drawLine(QPointF(cx + 16 * std::sin(u0), y + sag * std::cos(u0)),
                       QPointF(cx + 16 * std::sin(u1), y + sag * std::cos(u1)));
        }
    }
    // Head.
    const Solido testa{cx, centro.y() - ry * 0.24, 31, 39, 31, 0.25, 0.0};
    QPainterPath sagomaTesta;
    sagomaTesta.addEllipse(QPointF(testa.cx, testa.cy), testa.a + 0.5, testa.b + 0.5);
    p.fillPath(sagomaTesta, QColor(0xF4, 0xF4, 0xF4));
    Tratteggia(p, testa, -kPi / 2 * 0.95, kPi / 2 * 0.9, 2.4, false);
    // Ears.
    for (int lato : {-1, 1}) {
        QPainterPath orecchio;
        orecchio.addEllipse(QPointF(cx + lato * 31, testa.cy + 2), 4.5, 8.5);
        p.fillPath(orecchio, QColor(0xF4, 0xF4, 0xF4));
        p.setPen(QPen(Qt::black, 0.9));
        p.drawPath(orecchio);
    }
    // Hair: a cap over the skull above a curved hairline, engraved as strokes
    // combed away from a parting on the left, darker away from the light.
    {
        QPainterPath calotta;
        calotta.addEllipse(QPointF(testa.cx, testa.cy - 1), testa.a + 2.5, testa.b + 3);
        QPainterPath sopra;
        sopra.moveTo(cx - testa.a - 4, testa.cy + 4);
        sopra.quadTo(cx - testa.a + 4, testa.cy - 22, cx - 8, testa.cy - 24);
        sopra.quadTo(cx + 14, testa.cy - 27, cx + testa.a - 2, testa.cy - 14);
        sopra.lineTo(cx + testa.a + 4, testa.cy + 4);
        sopra.lineTo(cx + testa.a + 4, testa.cy - testa.b - 8);
        sopra.lineTo(cx - testa.a - 4, testa.cy - testa.b - 8);
        sopra.closeSubpath();
        const QPainterPath capelli = calotta.intersected(sopra);
        p.save();
        p.setClipPath(capelli, Qt::IntersectClip);
        p.fillPath(capelli, QColor(0xF4, 0xF4, 0xF4));
        // A close ground of slanting lines under the combed strokes.
        for (double d = -90; d < 90; d += 1.7) {
            p.setPen(QPen(Qt::black, 0.75));
            p.drawLine(QPointF(cx + d - 40, testa.cy + 10), QPointF(cx + d + 10, testa.cy - testa.b - 10));
        }
        const QPointF riga(cx - 12, testa.cy - testa.b - 2);
        for (int i = 0; i <= 120; ++i) {
            const double t = i / 120.0; // 0: down the left side, 1: down the right
            const double ang = kPi * (1.08 - 1.16 * t);
            const QPointF fine(cx + (testa.a + 3) * std::cos(ang), testa.cy + 6 - (testa.b + 8) * std::sin(ang));
            const QPointF ctrl(riga.x() + (fine.x() - riga.x()) * 0.5, riga.y() - 4 + (fine.y() - riga.y()) * 0.15);
            QPainterPath ciocca;
            ciocca.moveTo(riga + QPointF(t * 3 - 1.5, (i % 3) * 0.8));
            ciocca.quadTo(ctrl, fine);
            p.setPen(QPen(Qt::black, 0.8 + 0.7 * t, Qt::SolidLine, Qt::RoundCap));
            p.setBrush(Qt::NoBrush);
            p.drawPath(ciocca);
        }
        p.restore();
        p.setPen(QPen(Qt::black, 0.8));
        p.setBrush(Qt::NoBrush);
        p.drawPath(capelli);
    }
    // Features: brows, eyes, nose, moustache, mouth, chin and the outline.
    p.setBrush(Qt::NoBrush);
    const double oy = testa.cy - 2;
    for (int lato : {-1, 1}) {
        QPainterPath ciglio;
        ciglio.moveTo(cx + lato * 4, oy - 8);
        ciglio.quadTo(cx + lato * 11, oy - 12, cx + lato * 18, oy - 8);
        p.setPen(QPen(Qt::black, 2.0, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(ciglio);
        QPainterPath occhio;
        occhio.moveTo(cx + lato * 6, oy);
        occhio.quadTo(cx + lato * 11, oy - 4, cx + lato * 16, oy);
        occhio.quadTo(cx + lato * 11, oy + 2.5, cx + lato * 6, oy);
        p.setPen(QPen(Qt::black, 0.9));
        p.drawPath(occhio);
        p.setBrush(Qt::black);
        p.drawEllipse(QPointF(cx + lato * 11, oy - 0.5), 1.8, 1.8);
        p.setBrush(Qt::NoBrush);
    }
    QPainterPath naso;
    naso.moveTo(cx - 2, oy - 4);
    naso.quadTo(cx - 5, oy + 8, cx - 6, oy + 12);
    naso.quadTo(cx - 1, oy + 15, cx + 4, oy + 12);
    p.setPen(QPen(Qt::black, 1.1, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(naso);
    for (int i = 0; i < 5; ++i) {
        p.setPen(QPen(Qt::black, 0.6));
        p.drawLine(QPointF(cx + 1 + i, oy + 2 + i * 2), QPointF(cx + 3 + i, oy + 6 + i * 2));
    }
    for (int lato : {-1, 1}) {
        for (int i = 0; i < 9; ++i) {
            QPainterPath baffo;
            baffo.moveTo(cx + lato * (1 + i * 0.6), oy + 16);
            baffo.quadTo(cx + lato * (7 + i), oy + 15 + i * 0.4, cx + lato * (12 + i * 0.5), oy + 21);
            p.setPen(QPen(Qt::black, 1.0, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(baffo);
        }
    }
    p.setPen(QPen(Qt::black, 1.0));
    p.drawLine(QPointF(cx - 5, oy + 24), QPointF(cx + 5, oy + 24));
    QPainterPath mento;
    mento.moveTo(cx - 6, oy + 31);
    mento.quadTo(cx, oy + 33, cx + 6, oy + 31);
    p.drawPath(mento);
    p.setPen(QPen(Qt::black, 1.2));
    p.drawEllipse(QPointF(testa.cx, testa.cy), testa.a, testa.b);
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
