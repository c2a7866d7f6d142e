#pragma once
// The device check of the 250 ms window timer: keeps the sound switch and the
// music bar in line with the outputs the sound system reports.

#include "sound/SoundDeviceProbe.h"
#include "sound/SoundDeviceView.h"

namespace lumo {

class SoundDeviceCheck {
public:
    SoundDeviceCheck(SoundDeviceProbe& probe, SoundDeviceView& view);

    void CheckSoundDevices();

private:
    SoundDeviceProbe& probe_;
    SoundDeviceView& view_;
};

} // namespace lumo
