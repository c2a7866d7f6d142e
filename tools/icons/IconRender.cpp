// lumo-icon-render: draws an SVG into a square PNG of the given size, for the
// desktop's hicolor icon sizes. Built with the program, since installing it
// needs the pictures; it runs at build time and is not installed.
//   lumo-icon-render IN.svg SIZE OUT.png
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fputs("usage: lumo-icon-render IN.svg SIZE OUT.png\n", stderr);
        return 2;
    }
    // The build has no display; the offscreen platform is enough to paint.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int size = std::atoi(argv[2]);
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid() || size < 1 || size > 1024) {
        std::fprintf(stderr, "lumo-icon-render: cannot draw %s at %s px\n", argv[1], argv[2]);
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        // Kept in proportion and centred: the picture need not be square.
        const QSizeF art = renderer.viewBoxF().size();
        const qreal scale = qMin(size / art.width(), size / art.height());
        const QSizeF drawn = art * scale;
        renderer.render(&painter,
            QRectF((size - drawn.width()) / 2, (size - drawn.height()) / 2, drawn.width(), drawn.height()));
    }
    if (!image.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::fprintf(stderr, "lumo-icon-render: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
