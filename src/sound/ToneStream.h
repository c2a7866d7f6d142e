#pragma once
// The output stream for tones and recordings. Lives on the audio thread and
// keeps one low-latency stream open while sounds follow each other, fed with
// silence in between, so a 5 ms click does not pay for opening a stream. A
// sound counts as played only when the server's playback clock has passed its
// last sample; then the waiting caller is released. The stream closes itself
// after a few idle seconds.

#include "sound/WaveImage.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>

#include <atomic>
#include <memory>

#include <QSemaphore>

class QAudioSink;
class QIODevice;
class QTimer;

namespace lumo {

// Handed from the waiting caller to the audio thread.
struct PlaybackTicket {
    QSemaphore done;
    std::atomic<bool> played{false};
};

class ToneStream : public QObject {
    Q_OBJECT
public:
    explicit ToneStream(QObject* parent = nullptr);
    ~ToneStream() override;

    // Audio thread only. Releases ticket->done when the sound has been played or failed.
    void Play(const PcmSound& sound, std::shared_ptr<PlaybackTicket> ticket);
    // Closes the stream at once; a waiting caller is released as failed.
    void Shutdown();

private:
    bool Open(int sampleRate);
    void Close();
    void Pump();
    void Finish(bool played);

    QAudioSink* sink_ = nullptr;
    QIODevice* io_ = nullptr;
    QTimer* pump_ = nullptr;
    int rate_ = 0;
    qint64 written_ = 0;      // bytes since the stream was opened
    QByteArray pending_;      // sound bytes not yet handed to the stream
    qint64 endUs_ = 0;        // stream time at the end of the current sound
    qint64 minMs_ = 0;        // the sound's own length
    QElapsedTimer playClock_;
    QElapsedTimer idleClock_;
    std::shared_ptr<PlaybackTicket> ticket_;
};

} // namespace lumo
