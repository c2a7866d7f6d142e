#include "shell/TScrollingText.h"

#include "common/QtTextHelpers.h"
#include "lookfeel/LookFonts.h"

#include <QDesktopServices>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>

#include <algorithm>

namespace lumo {

namespace {

const QString kLinkStart = QStringLiteral("http://");
constexpr int kDefaultInterval = 30;

} // namespace

TScrollingText::TScrollingText(QWidget *parent)
    : QWidget(parent),
      FColor(154, 123, 31),
      FTextColor(0, 0, 128),
      FOpener([](const QString &url) { return QDesktopServices::openUrl(QUrl(url)); }),
      FBufferFont(LookFonts::Dialog(8, false)),
      FTimer(new QTimer(this))
{
    // The roll paints every pixel of its area itself: nothing behind it is
    // drawn first, and a tick's repaint stays inside the roll.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    FTimer->setTimerType(Qt::PreciseTimer);
    FTimer->setInterval(FInterval);
    connect(FTimer, &QTimer::timeout, this, [this] { Scroll(); });
}

TScrollingText::~TScrollingText() = default;

void TScrollingText::SetActive(bool active)
{
    FActive = active;
    if (active) {
        Prepare();
        FTimer->start(FInterval);
    } else {
        FTimer->stop();
    }
}

void TScrollingText::SetLines(const QStringList &lines)
{
    FLines = lines;
}

void TScrollingText::SetInterval(int milliseconds)
{
    FInterval = milliseconds < 1 ? kDefaultInterval : milliseconds;
    FTimer->setInterval(FInterval);
}

void TScrollingText::SetUrlOpener(UrlOpener opener)
{
    FOpener = std::move(opener);
}

bool TScrollingText::OpenUrl(const QString &url)
{
    if (url.isEmpty() || !FOpener)
        return false;
    return FOpener(url);
}

bool TScrollingText::IsLink(int line) const
{
    return line >= 1 && line < FLines.size() && FLines.at(line).startsWith(kLinkStart);
}

void TScrollingText::Prepare()
{
    const qreal ratio = devicePixelRatioF();
    FBuffer = QPixmap((QSizeF(size()) * ratio).toSize());
    FBuffer.setDevicePixelRatio(ratio);
    FLineHeight = std::max(1, QFontMetrics(FBufferFont).size(Qt::TextSingleLine, QStringLiteral("X")).height());
    FVisibleLines = height() / FLineHeight;
    if (FOffset == -1)
        FOffset = height();
    FBuffer.fill(Qt::white);
}

void TScrollingText::Scroll()
{
    if (!FActive)
        return;
    const int bufferWidth = width();
    const int bufferHeight = height();
    const int count = static_cast<int>(FLines.size());
    FOffset -= FStep;
    FFirstLine = FOffset < 0 ? -FOffset / FLineHeight : 0;
    FLastLine = std::min(FFirstLine + FVisibleLines + 1, count - 1);

    QPainter painter(&FBuffer);
    painter.fillRect(QRect(0, 0, bufferWidth, bufferHeight), FColor);
    for (int i = FLastLine; i >= FFirstLine; --i) {
        QString s = Trim(FLines.at(i));
        if (s.isEmpty())
            continue;
        QFont font = FBufferFont;
        QColor ink = FTextColor;
        if (s.startsWith(QLatin1Char('#'))) {
            s.remove(0, 1);
            font.setBold(true);
        } else if (s.startsWith(kLinkStart)) {
            // Only a line a click would open lights up; an indented copy
            // stays blue under the pointer.
            if (i == FHoverLine && IsLink(i)) {
                font.setUnderline(true);
                ink = QColor(255, 0, 0);
            } else {
                ink = QColor(0, 0, 255);
            }
        }
        const QFontMetrics metrics(font);
        const int x = (bufferWidth - metrics.horizontalAdvance(s)) / 2;
        const int y = i * FLineHeight + FOffset;
        painter.setFont(font);
        painter.setPen(ink);
        painter.drawText(QPoint(x, y + metrics.ascent()), s);
    }
    painter.end();

    if (count - 1 < FFirstLine)
        FOffset = bufferHeight;
    update();
}

void TScrollingText::DrawBuffer(QPainter &painter)
{
    if (FActive)
        painter.drawPixmap(0, 0, FBuffer);
}

void TScrollingText::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!FActive || FBuffer.isNull())
        painter.fillRect(rect(), FColor);
    if (OnPaint)
        OnPaint(painter);
    else
        DrawBuffer(painter);
}

void TScrollingText::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // A running roll keeps its buffer the size of the widget.
    if (FActive)
        Prepare();
}

void TScrollingText::TrackPointer(int y)
{
    // Before the roll has been placed there is no line height to divide by.
    FHoverLine = FLineHeight > 0 ? (y - FOffset) / FLineHeight : -1;
    const bool onLink = FHoverLine >= 0 && FHoverLine < FLines.size() && IsLink(FHoverLine);
    if (onLink)
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
}

void TScrollingText::mouseMoveEvent(QMouseEvent *event)
{
    QWidget::mouseMoveEvent(event);
    TrackPointer(qRound(event->position().y()));
}

void TScrollingText::mousePressEvent(QMouseEvent *event)
{
    QWidget::mousePressEvent(event);
    // The line that opens is the one under the pointer now, also when the
    // text has moved on since the pointer last moved.
    TrackPointer(qRound(event->position().y()));
    if (IsLink(FHoverLine))
        OpenUrl(FLines.at(FHoverLine));
}

void TScrollingText::enterEvent(QEnterEvent *event)
{
    QWidget::enterEvent(event);
    DoMouseEnter();
}

void TScrollingText::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    DoMouseLeave();
}

void TScrollingText::DoMouseEnter()
{
    if (isEnabled() && OnMouseEnter)
        OnMouseEnter();
}

void TScrollingText::DoMouseLeave()
{
    if (isEnabled() && OnMouseLeave)
        OnMouseLeave();
}

} // namespace lumo
