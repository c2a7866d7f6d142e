#pragma once
// The audio thread that every sound of the program plays on: the stream for
// tones and recordings, and the music synthesizer. Callers on the main thread
// block until their sound has been played, without processing events.

#include "sound/WaveImage.h"

#include <QObject>

#include <functional>

class QThread;

namespace lumo {

class ToneStream;

class SoundOutput : public QObject {
    Q_OBJECT
public:
    // The program-wide instance, started on first use and ended with the
    // application; null once the application is gone.
    static SoundOutput* Instance();

    SoundOutput();
    ~SoundOutput() override;

    // Plays the sound and returns when it has ended; false when it could not be played.
    bool PlaySync(const PcmSound& sound);

    // Runs the work on the audio thread and waits for it.
    void RunOnAudioThread(const std::function<void()>& work);
    QThread* AudioThread() const { return thread_; }

private:
    QThread* thread_ = nullptr;
    QObject* anchor_ = nullptr;  // lives on the audio thread; work is queued to it
    ToneStream* tones_ = nullptr;
};

} // namespace lumo
