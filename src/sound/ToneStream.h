#pragma once
// Plays tones and recordings on the audio thread. Each sound gets a fresh
// stream to the sound server (so a restarted server is reached as well as
// the first), is written whole and counts as played when the server has
// drained it; the stream then lingers briefly before it is closed, because
// closing may discard what the server has not yet sent to the speakers.

#include "sound/WaveImage.h"

#include <QObject>
#include <QSemaphore>

#include <atomic>
#include <memory>

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
};

} // namespace lumo
