#pragma once
// A host without window, sound or dialogs: the simulator's player aims with
// the pointer and answers "no" to the question after a lost game.

#include "engine/GameHost.h"

namespace lumo::sim {

class SimHost : public GameHost {
public:
    void Delay(int) override {}
    void SleepWithoutEvents(int) override {}
    void RepaintTable() override {}
    void RepaintCard(int) override {}
    void PlayTone(int, int, int) override {}
    void PlayApplause() override {}
    bool WaveOutputPresent() override { return false; }
    bool SoundSwitchOn() override { return false; }
    void SetWaitCursor(bool) override {}
    void SetApplicationHint(const std::string&) override {}
    bool AskQuestion(const std::string&) override { return false; }
    void CloseMenu() override {}
    void StopAnimation() override {}
    void OfferHighScoreEntry(int) override {}
    void DiscardKeyboardMessages() override {}
    bool MainWindowActivated() override { return true; }
    TablePoint PointerOnTable() override { return pointer; }

    TablePoint pointer;
};

} // namespace lumo::sim
