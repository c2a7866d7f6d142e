#pragma once
// The user's switches, owned by the main window and shared with the sound,
// music and animation code. All off until the stored settings are read.

namespace lumo {

struct UserSettings {
    bool FSoundOn = false;     // stored as "OptSound"
    bool FAnimationOn = false; // stored as "OptAni"
    bool FMusicOn = false;     // stored as "OptMidi"
    bool FHintsOn = false;     // not stored: the bird shows control hints
};

} // namespace lumo
