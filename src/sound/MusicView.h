#pragma once
// What the music logic changes on the main window: the music bar (label
// lb_midi, buttons btn_prev/btn_next), the music switch btn_musik and the
// music timer t_midi. Texts are UTF-8.

#include <string>

namespace lumo {

class MusicView {
public:
    virtual ~MusicView() = default;
    virtual void SetMusicLabel(const std::string& text) = 0;
    virtual void SetMusicLabelHint(const std::string& hint) = 0;
    virtual void SetTrackButtonsVisible(bool visible) = 0;
    // Caption, hint and mark (tag) of the music switch button.
    virtual void SetMusicSwitch(const std::string& caption, const std::string& hint, int mark) = 0;
    virtual void SetMusicTimerEnabled(bool enabled) = 0;
};

} // namespace lumo
