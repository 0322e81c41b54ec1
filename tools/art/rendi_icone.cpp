// Renders the scalable icon as PNG files for the desktop's fixed icon sizes.
// Runs at build time: the PNGs are derived from the committed SVG and never
// committed themselves, so they cannot drift from it.
//   belvane_rendi_icone <belvane.svg> <icons folder> <size>...
// writes <icons folder>/<size>x<size>/apps/belvane.png for each size.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

namespace {
constexpr int kLatoMassimo = 1024;
}

int main(int argc, char **argv)
{
    // Text in the SVG needs the font database, hence a QGuiApplication.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s <belvane.svg> <icons folder> <size>...\n", argv[0]);
        return 2;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        std::fprintf(stderr, "%s: not a valid SVG\n", argv[1]);
        return 1;
    }
    const QDir radice(QString::fromLocal8Bit(argv[2]));
    for (int i = 3; i < argc; ++i) {
        bool numero = false;
        const int lato = QString::fromLocal8Bit(argv[i]).toInt(&numero);
        if (!numero || lato < 1 || lato > kLatoMassimo) {
            std::fprintf(stderr, "%s: not an icon size\n", argv[i]);
            return 2;
        }
        QImage img(lato, lato, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        svg.render(&p, QRectF(0, 0, lato, lato));
        p.end();
        const QString cartella = QStringLiteral("%1x%1/apps").arg(lato);
        const QString file = radice.filePath(cartella + QStringLiteral("/belvane.png"));
        if (!radice.mkpath(cartella) || !img.convertToFormat(QImage::Format_ARGB32).save(file, "PNG")) {
            std::fprintf(stderr, "%s: cannot write\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
