#pragma once
// Plays tones and recordings on the audio thread. Each sound gets a fresh
// output stream whose buffer holds the whole sound plus a little silence, so
// the server receives everything in one write and starts at once (streams fed
// piecemeal stall for a second and more at their start on PulseAudio). A sound
// counts as played when the stream's playback clock has passed its last
// sample; the stream then lingers briefly before it is stopped, because
// stopping discards what the server has not yet sent to the speakers.

#include "sound/WaveImage.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QSemaphore>

#include <atomic>
#include <memory>

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

private:
    void Pump();
    void Finish(bool played);
    void Retire();

    QAudioSink* sink_ = nullptr;
    QIODevice* io_ = nullptr;
    QTimer* pump_ = nullptr;
    QByteArray pending_;      // bytes the stream has not taken yet
    qint64 endUs_ = 0;        // stream time at the end of the sound (the silence after it excluded)
    qint64 minMs_ = 0;        // the sound's own length
    QElapsedTimer playClock_;
    std::shared_ptr<PlaybackTicket> ticket_;
};

} // namespace lumo
