// Writes card-gallery.png (1x) and card-gallery@2x.png (2x): the 57 card pictures
// over the table's gradient, so the art can be checked by eye, and
// creature-gallery.png (1x, 2x) with the creatures' frames. Prints how long
// rendering all card pictures took. Usage: card-gallery [output folder]
#include "table/CardArt.h"
#include "timing/CreatureArt.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QTextStream>

#include <iterator>

namespace {

constexpr int Columns = 13;
constexpr int Rows = 5;
constexpr int CellWidth = 77;
constexpr int CellHeight = 102;
constexpr int Margin = 6;

void PaintTable(QPainter &painter, QSize logical)
{
    QLinearGradient table(0, 0, 0, logical.height());
    table.setColorAt(0, QColor(58, 110, 165));
    table.setColorAt(1, QColor(0, 128, 64));
    painter.fillRect(QRect(QPoint(0, 0), logical), table);
}

// Row 0: jokers, backs and the blank card; rows 1..4: Kreuz, Karo, Herz, Pik.
QPoint CellOf(int slot)
{
    using lumo::CardArt;
    switch (slot) {
    case 0: return {0, 0};
    case 53: return {1, 0};
    case CardArt::BackSlot: return {3, 0};
    case CardArt::BackSlot + 1: return {4, 0};
    case CardArt::ToolSlot: return {6, 0};
    default: return {(slot - 1) % 13, (slot - 1) / 13 + 1};
    }
}

QImage Gallery(qreal dpr)
{
    const QSize logical(Columns * CellWidth + 2 * Margin, Rows * CellHeight + 2 * Margin);
    QImage image(logical * dpr, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    QPainter painter(&image);
    PaintTable(painter, logical);
    for (int slot = 0; slot < lumo::CardArt::MaskSlot; ++slot) {
        const QPoint cell = CellOf(slot);
        painter.drawPixmap(Margin + cell.x() * CellWidth + 3, Margin + cell.y() * CellHeight + 3,
                           lumo::CardArt::Picture(slot, QSize(71, 96), dpr, false));
    }
    return image;
}

// One strip: the bee's wing frames facing right, then facing left, the
// ladybird's two steps and the hare, each at the foot of its cell.
QImage CreatureStrip(qreal dpr)
{
    using namespace lumo::CreatureArt;
    const lumo::CreatureFrame frames[] = {BeeRightWingsUp, BeeRightWingsDown, BeeLeftWingsUp,
        BeeLeftWingsDown, LadybirdStepA, LadybirdStepB, Hare};
    constexpr int StripCell = 64;
    constexpr int StripHeight = 80;
    const QSize logical(static_cast<int>(std::size(frames)) * StripCell + 2 * Margin, StripHeight + 2 * Margin);
    QImage image(logical * dpr, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    QPainter painter(&image);
    PaintTable(painter, logical);
    int left = Margin;
    for (const lumo::CreatureFrame &frame : frames) {
        const QPoint at(left + (StripCell - frame.size.width()) / 2,
                        Margin + StripHeight - frame.size.height() - 4);
        Draw(painter, at, frame, dpr);
        left += StripCell;
    }
    return image;
}

double TimeAll(qreal dpr)
{
    QElapsedTimer clock;
    clock.start();
    for (int slot = 0; slot < lumo::CardArt::MaskSlot; ++slot)
        lumo::CardArt::Picture(slot, QSize(71, 96), dpr, false);
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    QTextStream log(stdout);

    // The first call also parses the SVG documents.
    log << "57 pictures at 1x, first time (with SVG parsing): " << TimeAll(1.0) << " ms\n";
    lumo::CardArt::ClearCache();
    log << "57 pictures at 1x, documents already parsed:    " << TimeAll(1.0) << " ms\n";
    log << "57 pictures at 2x:                              " << TimeAll(2.0) << " ms\n";
    log << "57 pictures at 1x again (from the cache):       " << TimeAll(1.0) << " ms\n";

    bool ok = true;
    for (const qreal dpr : {1.0, 2.0}) {
        const QString name = dpr == 1.0 ? QStringLiteral("card-gallery.png")
                                        : QStringLiteral("card-gallery@2x.png");
        const QString path = out.filePath(name);
        if (Gallery(dpr).save(path))
            log << "wrote " << path << "\n";
        else {
            log << "cannot write " << path << "\n";
            ok = false;
        }
        const QString strip = out.filePath(dpr == 1.0 ? QStringLiteral("creature-gallery.png")
                                                      : QStringLiteral("creature-gallery@2x.png"));
        if (CreatureStrip(dpr).save(strip))
            log << "wrote " << strip << "\n";
        else {
            log << "cannot write " << strip << "\n";
            ok = false;
        }
    }
    return ok ? 0 : 1;
}
