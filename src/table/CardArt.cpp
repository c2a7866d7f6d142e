#include "table/CardArt.h"

#include <QCoreApplication>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <array>
#include <memory>

namespace lumo {

namespace {

constexpr int ArtWidth = 71;
constexpr int ArtHeight = 96;

// Everything rendered so far plus the parsed SVG documents. Lives on the heap and
// goes away with the application object, before Qt's pixmap machinery does.
struct ArtStore {
    QSvgRenderer deck{QStringLiteral(":/cards/rheinland.svgz")};
    QSvgRenderer back1{QStringLiteral(":/cards/B1.svg")};
    QSvgRenderer tool{QStringLiteral(":/cards/T0.svg")};
    QSvgRenderer mask{QStringLiteral(":/cards/MASK.svg")};
    QHash<quint64, QPixmap> pictures;
    QImage maskAtArtSize;
};

ArtStore *Store = nullptr;

void DropStore()
{
    delete Store;
    Store = nullptr;
}

ArtStore &TheStore()
{
    if (!Store) {
        Store = new ArtStore;
        if (QCoreApplication::instance())
            qAddPostRoutine(DropStore);
    }
    return *Store;
}

QString DeckElement(int slot)
{
    static const std::array<const char *, 4> suits{"club", "diamond", "heart", "spade"};
    static const std::array<const char *, 13> values{
        "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "jack", "queen", "king"};
    if (slot == 0)
        return QStringLiteral("joker_black");
    if (slot == 53)
        return QStringLiteral("joker_red");
    if (slot == CardArt::BackSlot)
        return QStringLiteral("back");
    const int suit = (slot - 1) / 13;
    const int value = (slot - 1) % 13;
    return QString::fromLatin1(suits[static_cast<std::size_t>(suit)]) + QLatin1Char('_')
        + QString::fromLatin1(values[static_cast<std::size_t>(value)]);
}

quint64 KeyOf(int slot, QSize size, qreal dpr, bool inverted)
{
    const auto dprKey = static_cast<quint64>(qRound(dpr * 100.0)) & 0xFFFF;
    return (static_cast<quint64>(slot) & 0x7F) | (static_cast<quint64>(inverted) << 7)
        | ((static_cast<quint64>(size.width()) & 0xFFFF) << 8)
        | ((static_cast<quint64>(size.height()) & 0xFFFF) << 24) | (dprKey << 40);
}

// MASK as drawn at its own 71 x 96, white and black only.
const QImage &MaskAtArtSize(ArtStore &store)
{
    if (store.maskAtArtSize.isNull()) {
        QImage img(ArtWidth, ArtHeight, QImage::Format_RGB32);
        img.fill(Qt::white);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing, false);
        store.mask.render(&p, QRectF(0, 0, ArtWidth, ArtHeight));
        p.end();
        store.maskAtArtSize = img;
    }
    return store.maskAtArtSize;
}

// The mask stretched to the device size pixel by pixel, so the cut corners stay
// hard-edged and grow with the pixel ratio.
QImage MaskAt(ArtStore &store, QSize device)
{
    return MaskAtArtSize(store).scaled(device, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

void CutCorners(QImage &picture, const QImage &mask)
{
    for (int y = 0; y < picture.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(picture.scanLine(y));
        const auto *maskLine = reinterpret_cast<const QRgb *>(mask.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            if (qGray(maskLine[x]) < 128)
                line[x] = 0;
        }
    }
}

QImage Render(ArtStore &store, int slot, QSize device)
{
    if (slot == CardArt::MaskSlot)
        return MaskAt(store, device).convertToFormat(QImage::Format_ARGB32_Premultiplied);

    QImage img(device, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF target(0, 0, device.width(), device.height());
    if (slot <= CardArt::BackSlot)
        store.deck.render(&p, DeckElement(slot), target);
    else if (slot == CardArt::BackSlot + 1)
        store.back1.render(&p, target);
    else
        store.tool.render(&p, target);
    p.end();
    CutCorners(img, MaskAt(store, device));
    return img;
}

} // namespace

QPixmap CardArt::Picture(const QString &name, QSize logicalSize, qreal dpr, bool inverted)
{
    const int slot = SlotOf(name);
    if (slot < 0)
        return {};
    return Picture(slot, logicalSize, dpr, inverted);
}

QPixmap CardArt::Picture(int slot, QSize logicalSize, qreal dpr, bool inverted)
{
    if (slot < 0 || slot >= SlotCount || logicalSize.isEmpty() || dpr <= 0)
        return {};
    ArtStore &store = TheStore();
    const quint64 key = KeyOf(slot, logicalSize, dpr, inverted);
    if (auto it = store.pictures.constFind(key); it != store.pictures.constEnd())
        return it.value();

    const QSize device(qRound(logicalSize.width() * dpr), qRound(logicalSize.height() * dpr));
    QImage img;
    if (inverted) {
        // Invert the straight colours, not the premultiplied ones, so the cut
        // corners and the anti-aliased rim keep their transparency.
        img = Picture(slot, logicalSize, dpr, false).toImage().convertToFormat(QImage::Format_ARGB32);
        img.invertPixels(QImage::InvertRgb);
        img = img.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    } else {
        img = Render(store, slot, device);
    }
    QPixmap pixmap = QPixmap::fromImage(img);
    pixmap.setDevicePixelRatio(dpr);
    store.pictures.insert(key, pixmap);
    return pixmap;
}

int CardArt::SlotOf(const QString &name)
{
    if (name == QLatin1String("MASK"))
        return MaskSlot;
    if (name.size() < 2)
        return -1;
    bool ok = false;
    const int index = name.mid(1).toInt(&ok);
    // Only the plain spelling counts: "F7", not "F07" or "F+7".
    if (!ok || QString::number(index) != name.mid(1))
        return -1;
    switch (name.at(0).unicode()) {
    case 'F':
        return index >= 0 && index <= 53 ? FaceSlot + index : -1;
    case 'B':
        return index >= 0 && index <= 1 ? BackSlot + index : -1;
    case 'T':
        return index == 0 ? ToolSlot : -1;
    default:
        return -1;
    }
}

QString CardArt::NameOf(int slot)
{
    if (slot >= FaceSlot && slot < BackSlot)
        return QStringLiteral("F%1").arg(slot - FaceSlot);
    if (slot >= BackSlot && slot < ToolSlot)
        return QStringLiteral("B%1").arg(slot - BackSlot);
    if (slot == ToolSlot)
        return QStringLiteral("T0");
    if (slot == MaskSlot)
        return QStringLiteral("MASK");
    return {};
}

QStringList CardArt::CardNames()
{
    QStringList names;
    for (int slot = 0; slot < MaskSlot; ++slot)
        names << NameOf(slot);
    return names;
}

void CardArt::ClearCache()
{
    if (Store)
        Store->pictures.clear();
}

int CardArt::CachedCount()
{
    return Store ? static_cast<int>(Store->pictures.size()) : 0;
}

} // namespace lumo
