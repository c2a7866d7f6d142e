#pragma once
// The one way tests reach inside the main window: its frame components, the
// user's switches, its parts and the handlers the tests drive by hand. The
// window keeps all of these private and befriends this class only.

#include "persistence/SettingsPanel.h"
#include "shell/CompanionWiring.h"
#include "shell/GameSounds.h"
#include "shell/TLumoForm.h"
#include "shell/QtGameHost.h"
#include "shell/SettingsWiring.h"
#include "shell/SoundWiring.h"
#include "shell/TitleMarquee.h"
#include "timing/CreatureAnimation.h"

#include <QString>

namespace lumo {

class TLumoFormTestAccess {
public:
    explicit TLumoFormTestAccess(TLumoForm &form)
        : p_haupt(form.p_haupt),
          panel_menue(form.panel_menue),
          p_karten(form.p_karten),
          p_menue(form.p_menue),
          p_Sound(form.p_Sound),
          p_engine(form.FSettingsWiring->Panel()),
          kopf_timer(form.kopf_timer),
          t_blinker(form.t_blinker),
          FSoundOn(form.FSettings.FSoundOn),
          FAnimationOn(form.FSettings.FAnimationOn),
          FMusicOn(form.FSettings.FMusicOn),
          FHintsOn(form.FSettings.FHintsOn),
          FForm(form)
    {
    }

    // --- Components ----------------------------------------------------------
    GradientPanel *const p_haupt;
    TitleBar *const panel_menue;
    Board *const p_karten;
    MenuPanel *const p_menue;
    MusicBar *const p_Sound;
    SettingsPanel *const p_engine;
    TCKMultimediaTimer *const kopf_timer;
    TCKMultimediaTimer *const t_blinker;

    // --- The user's switches -------------------------------------------------
    bool &FSoundOn;
    bool &FAnimationOn;
    bool &FMusicOn;
    bool &FHintsOn;

    // --- Parts ----------------------------------------------------------------
    Game &Engine() const { return FForm.FHost->Engine(); }
    QtGameHost &Host() const { return *FForm.FHost; }
    BoardMouse &Mouse() const { return *FForm.FMouse; }
    MenuController &Menu() const { return *FForm.FMenu; }
    CompanionWiring &Companion() const { return *FForm.FCompanion; }
    HighScoreWiring &HighScores() const { return *FForm.FHighScores; }
    SoundWiring &Sound() const { return *FForm.FSound; }
    // The game's sounds; ReplaceForTests puts a recorder and fake devices in.
    GameSounds &Sounds() const { return *FForm.FSounds; }
    // The creatures and their switch; SetRandom forces their chances.
    CreatureAnimation &Creatures() const { return *FForm.FAnimation; }

    // --- Handlers and state ---------------------------------------------------
    void kopf_timerTimer() const { FForm.kopf_timerTimer(); }
    void bt_menueClick() const { FForm.bt_menueClick(); }
    void bt_endeClick() const { FForm.bt_endeClick(); }
    // The right-click tip, as the click hook runs it on a Ready board.
    void ShowTip() const { FForm.FCompanion->ShowTip(); }
    QString CaptionText() const { return FForm.FMarquee->CaptionText(); }
    QString MarqueeText() const { return FForm.FMarquee->MarqueeText(); }
    QString MusicTempFile() const { return FForm.FSound->MusicTempFile(); }
    QString ProgramVersionText() const { return FForm.FProgramVersion; }
    int ActivationMark() const { return FForm.FActivationMark; }
    bool DeferredStartDone() const { return FForm.FDeferredStartDone; }

private:
    TLumoForm &FForm;
};

namespace testing {

inline TLumoFormTestAccess Parts(TLumoForm &form)
{
    return TLumoFormTestAccess(form);
}

} // namespace testing

} // namespace lumo
