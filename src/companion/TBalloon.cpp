#include "companion/TBalloon.h"

#include "companion/CompanionArt.h"
#include "lookfeel/LookColors.h"
#include "lookfeel/LookFonts.h"
#include "common/QtTextHelpers.h"

#include <QBitmap>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QThread>

namespace lumo {

namespace {

QList<QPointer<TBalloon>> &Registry()
{
    static QList<QPointer<TBalloon>> balloons;
    return balloons;
}

QString ForDisplay(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

// Size of an auto-sized label: the widest line, one line height per line
// (an empty label still has one).
QSize LabelSize(const QFont &font, const QString &shown)
{
    const QFontMetrics fm(font);
    const QStringList lines = shown.split(QLatin1Char('\n'));
    int width = 0;
    for (const QString &line : lines)
        width = std::max(width, fm.horizontalAdvance(line));
    // Fonts with a negative leading have a line spacing below their height;
    // drawing still needs what drawText lays out, so take the larger.
    const int spaced = fm.height() + (static_cast<int>(lines.size()) - 1) * fm.lineSpacing();
    const int drawn = fm.boundingRect(QRect(), Qt::AlignLeft | Qt::AlignTop, shown).height();
    return QSize(width, std::max(spaced, drawn));
}

QLabel *MakeLabel(QWidget *parent, const QFont &font)
{
    auto *label = new QLabel(parent);
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setContentsMargins(0, 0, 0, 0);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    // Clicks on any part reach the balloon, which closes on them.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

} // namespace

TBalloon::TBalloon()
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
                           | Qt::WindowDoesNotAcceptFocus)
{
    setObjectName(QStringLiteral("TBalloon"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_DeleteOnClose);
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, LookColors::FrameBlue());
    setPalette(palette);
    setFont(LookFonts::Dialog(8, false));

    FTitleLabel = MakeLabel(this, LookFonts::Dialog(8, true));
    FTextLabel = MakeLabel(this, LookFonts::Dialog(8, false));
    FIcon = new QLabel(this);
    FIcon->setAttribute(Qt::WA_TransparentForMouseEvents);

    connect(&FCloseTimer, &QTimer::timeout, this, &QWidget::close);
    Registry().append(this);
}

TBalloon::~TBalloon()
{
    Unregister();
}

void TBalloon::Unregister()
{
    Registry().removeAll(QPointer<TBalloon>(this));
    Registry().removeAll(QPointer<TBalloon>());
}

QList<TBalloon *> TBalloon::OpenBalloons()
{
    QList<TBalloon *> open;
    for (const QPointer<TBalloon> &b : Registry())
        if (b)
            open.append(b.data());
    return open;
}

int TBalloon::CloseAll()
{
    int closed = 0;
    while (!Registry().isEmpty()) {
        QPointer<TBalloon> balloon = Registry().first();
        if (!balloon) {
            Registry().removeFirst();
            continue;
        }
        balloon->close();
        // Whatever happened in close, this one is done with.
        Registry().removeAll(balloon);
        ++closed;
        if (balloon)
            QCoreApplication::sendPostedEvents(balloon.data(), QEvent::DeferredDelete);
    }
    return closed;
}

QPoint TBalloon::ArrowTip() const
{
    const BalloonPoint tip = FLayout.triangle[FLayout.tipIndex];
    return pos() + QPoint(tip.x, tip.y);
}

void TBalloon::ShowBalloonAt(int x, int y, const QString &title, const QString &text, int balloonType,
                             int durationSeconds, TBalloonPosition position)
{
    FTitle = title;
    FText = text;
    FDuration = durationSeconds;
    FPosition = position;

    const QString shownTitle = ForDisplay(title);
    const QString shownText = ForDisplay(text);
    FTitleLabel->setText(shownTitle);
    FTextLabel->setText(shownText);

    BalloonMeasures m;
    m.titleEmpty = Trim(title).isEmpty();
    const QSize titleSize = LabelSize(FTitleLabel->font(), shownTitle);
    const QSize textSize = LabelSize(FTextLabel->font(), shownText);
    m.titleWidth = titleSize.width();
    m.titleHeight = titleSize.height();
    m.textWidth = textSize.width();
    m.textHeight = textSize.height();
    FLayout = LayoutBalloon(x, y, position, m);

    FTitleLabel->setGeometry(FLayout.title.left, FLayout.title.top, FLayout.title.width, FLayout.title.height);
    FTextLabel->setGeometry(FLayout.text.left, FLayout.text.top, FLayout.text.width, FLayout.text.height);
    FIcon->setGeometry(FLayout.icon.left, FLayout.icon.top, 16, 16);
    if (FLayout.showIcon) {
        FIconPath = CompanionArt::BalloonIconPath(balloonType);
        FIcon->setPixmap(CompanionArt::BalloonIcon(balloonType, devicePixelRatioF()));
        FIcon->show();
    } else {
        FIconPath.clear();
        FIcon->clear();
        FIcon->hide();
    }

    hide();
    setGeometry(FLayout.left, FLayout.top, FLayout.width, FLayout.height);
    Shape();

    FCloseTimer.stop();
    if (durationSeconds > 0) {
        FCloseTimer.setInterval(durationSeconds * 1000);
        FCloseTimer.start();
    }

    FPainted = false;
    show();
    raise();
    update();
    AwaitFirstPaint();
}

void TBalloon::AwaitFirstPaint()
{
    // A new top-level window is drawn only once the display has exposed it.
    // Callers go on with long work that processes no events (a card flight,
    // the table's flashing), so the balloon is put on the screen here: window
    // and paint events are handled until it has painted, user input stays
    // queued, and the wait is bounded in case the display never exposes it.
    // The balloon may be closed from a timer meanwhile; then nothing is
    // touched any more.
    const QPointer<TBalloon> alive(this);
    QElapsedTimer waited;
    waited.start();
    while (alive && !alive->FPainted && waited.elapsed() < kFirstPaintWaitMs) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        if (alive && !alive->FPainted)
            QThread::usleep(500);
    }
    if (!alive || !FPainted)
        return;
    // Hand the picture to the display and wait for its answer to a request
    // sent after it, so it is on the screen, not only on its way.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    (void)QCursor::pos();
}

void TBalloon::Shape()
{
    const BalloonLayout &l = FLayout;
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    path.addRoundedRect(QRectF(l.bodyX1, l.bodyY1, l.bodyX2 - l.bodyX1, l.bodyY2 - l.bodyY1), 3.5, 3.5);
    QPolygonF triangle;
    for (const BalloonPoint &p : l.triangle)
        triangle << QPointF(p.x, p.y);
    path.addPolygon(triangle);
    path.closeSubpath();

    QImage shape(l.width, l.height, QImage::Format_ARGB32);
    shape.fill(Qt::transparent);
    {
        QPainter painter(&shape);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.fillPath(path, Qt::black);
    }
    // The outline is the shape's own edge pixels, so it follows the mask exactly.
    FOutline = QImage(l.width, l.height, QImage::Format_ARGB32);
    FOutline.fill(Qt::transparent);
    auto inside = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < l.width && y < l.height && qAlpha(shape.pixel(x, y)) > 0;
    };
    for (int y = 0; y < l.height; ++y)
        for (int x = 0; x < l.width; ++x)
            if (inside(x, y) && (!inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1)))
                FOutline.setPixel(x, y, qRgb(255, 255, 255));
    setMask(QBitmap::fromImage(shape.createAlphaMask()));
}

void TBalloon::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, FOutline);
    FPainted = true;
}

void TBalloon::mousePressEvent(QMouseEvent *)
{
    close();
}

void TBalloon::closeEvent(QCloseEvent *event)
{
    FCloseTimer.stop();
    Unregister();
    event->accept();
}

void TBalloon::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    raise();
}

void TBalloon::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMinimized))
        setWindowState(windowState() & ~Qt::WindowMinimized);
    else if (event->type() == QEvent::ActivationChange)
        raise();
}

} // namespace lumo
