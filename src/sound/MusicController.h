#pragma once
// The background music: which piece is loaded, the once-a-second poll that
// starts and ends pieces, the music switch and the track buttons, and the
// status texts of the music bar.

#include "sound/MusicPlayer.h"
#include "sound/MusicView.h"
#include "sound/TrackStore.h"

#include <functional>

namespace lumo {

enum class TrackStep { Random, Next, Previous };

class MusicController {
public:
    // draw returns a number 0..7; it picks the random next piece.
    MusicController(MusicView& view, MusicPlayer& player, TrackStore& store, std::function<int()> draw);

    // Start-up: no piece loaded yet, so the first piece will be track 1.
    void ResetTracks();
    // The music switch (saved setting at start-up, the label, btn_musik, key U).
    void SetMusic(bool on);
    // Click on lb_midi or btn_musik.
    void StartMidiSound();
    void NextClicked();
    void PreviousClicked();
    // One tick of the music timer.
    void PollMusic();

    int NextRandomTrack();
    void LoadTrack(TrackStep how);
    void OpenAndPlay();
    void CloseTrack();

    bool MusicOn() const { return musicOn_; }
    int CurrentTrack() const { return currentTrack_; }

private:
    std::string TrackText() const;

    MusicView& view_;
    MusicPlayer& player_;
    TrackStore& store_;
    std::function<int()> draw_;
    bool musicOn_ = false;
    int currentTrack_ = 0;
};

} // namespace lumo
