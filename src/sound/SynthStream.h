#pragma once
// The music synthesizer: FluidSynth with the General MIDI soundfont plays one
// MIDI file and renders it into 44100 Hz 16-bit stereo, which a writer thread
// of its own hands to a stream of the sound server (opened anew for every
// start, so music follows a restarted server). Lives on the audio thread;
// every method is called there.

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include "sound/MusicPlayer.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

typedef struct _fluid_hashtable_t fluid_settings_t;
typedef struct _fluid_synth_t fluid_synth_t;
typedef struct _fluid_player_t fluid_player_t;

namespace lumo {

class SynthStream : public QIODevice {
    Q_OBJECT
public:
    static constexpr int kSampleRate = 44100;

    explicit SynthStream(QObject* parent = nullptr);
    ~SynthStream() override;

    // Same contract as MusicPlayer: empty text on success, else a German description.
    std::string OpenFile(const QString& path, const QString& soundFont);
    std::string Start();
    MusicMode Mode() const;
    bool CloseFile();

    // Renders frames of the loaded piece without an audio output (for checks
    // of the pieces themselves); empty when nothing is open.
    QByteArray RenderFrames(int frames);

    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    bool EnsureSynth(const QString& soundFont);
    void StopOutput();

    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
    fluid_player_t* player_ = nullptr;
    QString loadedFont_;
    QByteArray file_;
    std::mutex render_;                  // the synthesizer between writer and audio thread
    std::thread writer_;
    std::atomic<bool> writing_{false};   // the writer keeps going
    std::atomic<bool> broken_{false};    // the server dropped the stream
    std::atomic<qint64> tailFrames_{0};  // rendered after the last event, so the last notes ring out
};

} // namespace lumo
