#pragma once
// Whether the desktop's sound server offers an output for tones, and with a
// General MIDI soundfont also for music. Asked four times a second: the
// answer comes from the server watch, which follows the server as it goes
// and comes back, so no call opens a new server connection.

#include "sound/SoundDeviceProbe.h"

#include <QObject>
#include <QString>

#include <memory>

namespace lumo {

class SoundServerWatch;

class SoundDevices : public QObject, public SoundDeviceProbe {
    Q_OBJECT
public:
    // The program-wide instance, created on first use (needs a QCoreApplication).
    static SoundDevices& Instance();

    explicit SoundDevices(QObject* parent = nullptr);
    ~SoundDevices() override;

    bool WaveOutputPresent() override;
    bool MidiOutputPresent() override;
    QString SoundFontPath() const { return FSoundFont; }

    // Looks for the soundfont again.
    void Refresh();

private:
    std::unique_ptr<SoundServerWatch> FServer;
    QString FSoundFont;
};

} // namespace lumo
