#pragma once
// A picture that plays a short sequence of frames a set number of times and
// then rests on its last frame. Restart() plays it again from the start.

#include <QList>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

namespace lumo {

class AnimatedPicture : public QWidget {
    Q_OBJECT

public:
    struct Frame {
        QPixmap pixmap;  // carries its own device pixel ratio
        int durationMs = 100;
    };

    explicit AnimatedPicture(QWidget *parent = nullptr);

    // Takes the frames and how many times one restart plays them; shows the
    // first frame without playing.
    void SetFrames(const QList<Frame> &frames, int repeatCount);
    int FrameCount() const { return static_cast<int>(FFrames.size()); }
    int RepeatCount() const { return FRepeatCount; }

    // Plays the sequence from its first frame, repeatCount times.
    void Restart();
    bool IsPlaying() const { return FTimer.isActive(); }
    int CurrentFrame() const { return FCurrent; }
    // Frames shown since the last Restart, the first one included.
    int FramesShown() const { return FShown; }
    QPixmap CurrentPixmap() const;

    QSize sizeHint() const override;

signals:
    void Finished();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void Advance();

    QList<Frame> FFrames;
    int FRepeatCount = 1;
    int FCurrent = 0;
    int FPass = 0;
    int FShown = 0;
    QTimer FTimer;
};

} // namespace lumo
