#include "lookfeel/SvgArt.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QHash>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>

#include <cmath>
#include <memory>

namespace lumo {

namespace {

struct Store {
    QHash<QString, QPixmap> pixmaps;
    QHash<QString, std::shared_ptr<QSvgRenderer>> renderers;
};

void DropAll();

Store &Cache()
{
    static Store store;
    static const bool cleanupRegistered = [] {
        // Pixmaps must not outlive the application object.
        qAddPostRoutine(DropAll);
        return true;
    }();
    (void)cleanupRegistered;
    return store;
}

void DropAll()
{
    Cache().pixmaps.clear();
    Cache().renderers.clear();
}

QSvgRenderer *RendererFor(const QString &path)
{
    auto &renderers = Cache().renderers;
    auto it = renderers.find(path);
    if (it == renderers.end())
        it = renderers.insert(path, std::make_shared<QSvgRenderer>(path));
    return it->get();
}

} // namespace

QPixmap SvgArt::Render(const QString &path, QSize logicalSize, qreal dpr, const QString &elementId)
{
    if (dpr <= 0)
        dpr = 1.0;
    const QString key = QStringLiteral("%1#%2@%3x%4*%5")
                            .arg(path, elementId)
                            .arg(logicalSize.width())
                            .arg(logicalSize.height())
                            .arg(dpr);
    auto &pixmaps = Cache().pixmaps;
    const auto found = pixmaps.constFind(key);
    if (found != pixmaps.constEnd())
        return *found;

    const QSize device(std::max(0, static_cast<int>(std::lround(logicalSize.width() * dpr))),
                       std::max(0, static_cast<int>(std::lround(logicalSize.height() * dpr))));
    QPixmap pixmap(device.isEmpty() ? QSize(1, 1) : device);
    pixmap.fill(Qt::transparent);
    if (!device.isEmpty()) {
        QSvgRenderer *renderer = RendererFor(path);
        if (renderer->isValid() && (elementId.isEmpty() || renderer->elementExists(elementId))) {
            QPainter painter(&pixmap);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            const QRectF target(QPointF(0, 0), QSizeF(device));
            if (elementId.isEmpty())
                renderer->render(&painter, target);
            else
                renderer->render(&painter, elementId, target);
        }
    }
    pixmap.setDevicePixelRatio(dpr);
    pixmaps.insert(key, pixmap);
    return pixmap;
}

QPixmap SvgArt::Render(const QString &path, QSize logicalSize)
{
    qreal dpr = 1.0;
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        dpr = screen->devicePixelRatio();
    return Render(path, logicalSize, dpr);
}

void SvgArt::ClearCache()
{
    DropAll();
}

int SvgArt::CachedCount()
{
    return static_cast<int>(Cache().pixmaps.size());
}

} // namespace lumo
