#pragma once
// Whether the desktop's sound server offers an output for tones, and with a
// General MIDI soundfont also for music. Asked four times a second, so the
// answer comes from a cache that the sound system's change signal refreshes;
// no call opens a new server connection.

#include "sound/SoundDeviceProbe.h"

#include <QObject>
#include <QString>

class QMediaDevices;

namespace lumo {

class SoundDevices : public QObject, public SoundDeviceProbe {
    Q_OBJECT
public:
    // The program-wide instance, created on first use (needs a QCoreApplication).
    static SoundDevices& Instance();

    explicit SoundDevices(QObject* parent = nullptr);

    bool WaveOutputPresent() override;
    bool MidiOutputPresent() override;
    QString SoundFontPath() const { return soundFont_; }

    // Reads the device list and looks for the soundfont again.
    void Refresh();

private:
    QMediaDevices* devices_ = nullptr;
    bool wave_ = false;
    QString soundFont_;
};

} // namespace lumo
