#pragma once
// A credits roll: the lines rise one pixel per tick from the lower edge to the
// upper one, centred, and start again from the bottom once the last line has
// left the top. Lines beginning with "#" are bold headings (shown without the
// "#"); lines beginning with "http://" are drawn as links in blue. A link is
// a stored line from the second on that itself begins with "http://": it turns
// red and underlined while it was under the pointer at its last move, and a
// click opens it in the browser. Indented copies only look like links.
//
// Every frame is drawn into an off-screen pixmap at the device pixel ratio and
// copied to the widget in one go, so the roll never flickers and a tick
// repaints nothing but the roll's own rectangle.

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace lumo {

class TScrollingText : public QWidget {
    Q_OBJECT

public:
    // Opens an address; true when the desktop accepted it.
    using UrlOpener = std::function<bool(const QString &url)>;

    explicit TScrollingText(QWidget *parent = nullptr);
    ~TScrollingText() override;

    // --- Properties ----------------------------------------------------------
    bool Active() const { return FActive; }
    // Starting places the roll (see Prepare); the timer runs exactly while on.
    void SetActive(bool active);

    const QStringList &Lines() const { return FLines; }
    void SetLines(const QStringList &lines);

    QColor Color() const { return FColor; }
    void SetColor(QColor color) { FColor = color; }
    QColor TextColor() const { return FTextColor; }
    void SetTextColor(QColor color) { FTextColor = color; }

    // Milliseconds per one-pixel step; below 1 means the default 30.
    int Interval() const { return FInterval; }
    void SetInterval(int milliseconds);

    // Called instead of DrawBuffer when set, inside the widget's painting.
    std::function<void(QPainter &painter)> OnPaint;
    // The pointer entered or left the roll; only reported while enabled.
    std::function<void()> OnMouseEnter;
    std::function<void()> OnMouseLeave;

    // Links go through this; QDesktopServices::openUrl unless replaced.
    void SetUrlOpener(UrlOpener opener);

    // Opens the address with the opener; an empty one gives false. A failure
    // shows nothing.
    virtual bool OpenUrl(const QString &url);

    // --- State the roll draws from ---------------------------------------
    // The font every line is drawn in, whatever font() the widget has.
    QFont BufferFont() const { return FBufferFont; }
    int LineHeight() const { return FLineHeight; }
    int VisibleLines() const { return FVisibleLines; }
    // The y of line 0 in the buffer; -1 until the roll has been placed.
    int Offset() const { return FOffset; }
    int FirstLine() const { return FFirstLine; }
    int LastLine() const { return FLastLine; }
    int Step() const { return FStep; }
    int HoverLine() const { return FHoverLine; }
    const QPixmap &Buffer() const { return FBuffer; }
    // A link the pointer can open: 1 <= line < count and the stored line
    // itself begins with "http://".
    bool IsLink(int line) const;

    // One step of the roll (the timer's tick): moves the text up by Step()
    // and draws the lines that can be visible into the buffer.
    void Scroll();

protected:
    // Sizes the buffer to the widget, measures the line height, places line 0
    // just below the lower edge the first time, and clears to white.
    virtual void Prepare();
    // Copies the buffer to the widget while the roll is active.
    virtual void DrawBuffer(QPainter &painter);
    virtual void DoMouseEnter();
    virtual void DoMouseLeave();

    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void TrackPointer(int y);

    bool FActive = false;
    QStringList FLines;
    QColor FColor;
    QColor FTextColor;
    int FInterval = 30;
    UrlOpener FOpener;

    QPixmap FBuffer;
    QFont FBufferFont;
    QTimer *FTimer;
    int FLineHeight = 0;
    int FVisibleLines = 0;
    int FOffset = -1;
    int FFirstLine = 0;
    int FLastLine = 0;
    int FStep = 1;
    int FHoverLine = -1;
};

} // namespace lumo
