#include "sound/MusicController.h"

#include "common/TextHelpers.h"

namespace lumo {

namespace {
constexpr int kTrackCount = 9;
constexpr int kRandomTracks = 8;  // the last piece is reached only with the buttons
// A draw that never leaves the current piece would loop forever; after this
// many tries the next piece in order is taken instead.
constexpr int kMaxDraws = 1000;
} // namespace

MusicController::MusicController(MusicView& view, MusicPlayer& player, TrackStore& store,
                                 std::function<int()> draw)
    : view_(view), player_(player), store_(store), draw_(std::move(draw)) {}

void MusicController::ResetTracks() {
    currentTrack_ = 0;
}

std::string MusicController::TrackText() const {
    return std::to_string(currentTrack_);
}

int MusicController::NextRandomTrack() {
    int result = 1;
    if (currentTrack_ != 0) {
        result = currentTrack_;
        for (int tries = 0; result == currentTrack_ && tries < kMaxDraws; ++tries) {
            const int raw = draw_ ? draw_() : 0;
            result = ((raw % kRandomTracks) + kRandomTracks) % kRandomTracks + 1;
        }
        if (result == currentTrack_) result = currentTrack_ % kRandomTracks + 1;
    }
    currentTrack_ = result;
    return result;
}

void MusicController::LoadTrack(TrackStep how) {
    switch (how) {
    case TrackStep::Random:
        NextRandomTrack();
        break;
    case TrackStep::Next:
        currentTrack_ = currentTrack_ >= kTrackCount ? 1 : currentTrack_ + 1;
        break;
    case TrackStep::Previous:
        currentTrack_ = currentTrack_ <= 1 ? kTrackCount : currentTrack_ - 1;
        break;
    }
    view_.SetMusicLabel("Bitte warten! Musiktitel: " + TrackText() + " wird geladen.");
    store_.SaveTrack(currentTrack_);
}

void MusicController::OpenAndPlay() {
    if (!store_.FileExists()) return;
    const std::string openError = player_.Open(store_.FilePath());
    if (!openError.empty()) {
        view_.SetMusicLabel(Trim(openError));
        return;
    }
    view_.SetMusicLabel("Lade Musiktitel: " + TrackText());
    const std::string playError = player_.Play();
    if (!playError.empty()) {
        view_.SetMusicLabel(Trim(playError));
        return;
    }
    view_.SetMusicLabel("Spiele Musiktitel: " + TrackText());
}

void MusicController::CloseTrack() {
    if (player_.Close()) view_.SetMusicLabel("Musiktitel: " + TrackText() + " gestoppt");
}

void MusicController::PollMusic() {
    const MusicMode mode = player_.Mode();
    if (mode != MusicMode::Playing && musicOn_) OpenAndPlay();
    if (mode == MusicMode::Stopped || !musicOn_) {
        CloseTrack();
        if (musicOn_) LoadTrack(TrackStep::Random);
    }
}

void MusicController::SetMusic(bool on) {
    std::string hint;
    if (on) {
        musicOn_ = true;
        LoadTrack(TrackStep::Random);
        view_.SetMusicTimerEnabled(true);
        view_.SetTrackButtonsVisible(true);
        hint = "Musik ausschalten";
        view_.SetMusicSwitch("Musik aus", hint, 1);
    } else {
        musicOn_ = false;
        view_.SetMusicTimerEnabled(false);
        CloseTrack();
        hint = "Musik einschalten";
        view_.SetMusicSwitch("Musik ein", hint, 0);
        view_.SetTrackButtonsVisible(false);
        view_.SetMusicLabel("Musik ausgeschaltet");
    }
    view_.SetMusicLabelHint(hint);
}

void MusicController::StartMidiSound() {
    SetMusic(!musicOn_);
}

void MusicController::NextClicked() {
    CloseTrack();
    LoadTrack(TrackStep::Next);
}

void MusicController::PreviousClicked() {
    CloseTrack();
    LoadTrack(TrackStep::Previous);
}

} // namespace lumo
