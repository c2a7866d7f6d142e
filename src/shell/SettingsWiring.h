#pragma once
// The user settings in the main window: the settings panel p_engine on the
// main panel with its switches, the menu entry that opens it, reading the
// stored switches at start-up and storing them through the end buttons.

#include "persistence/SettingsHost.h"

#include <QObject>

#include <memory>

class QAbstractButton;
class QWidget;

namespace lumo {

class AnimationSwitch;
class Game;
class HintChannel;
class HoverReporter;
class MenuController;
class SettingsController;
class SettingsPanel;
class ToneOutput;
struct UserSettings;

class SettingsWiring : public QObject, public SettingsHost {
    Q_OBJECT
public:
    // Builds p_engine (hidden) on mainPanel; menuEntry (bt_setup) opens and
    // closes it. The store is the user's store of this program.
    SettingsWiring(QWidget &mainPanel, QAbstractButton &menuEntry, UserSettings &settings,
        Game &game, ToneOutput &tones, AnimationSwitch &animation, HintChannel &hints,
        MenuController &menu, HoverReporter &hover);
    ~SettingsWiring() override;

    // Once at start-up, after the first deal.
    void ReadSettings();
    // Only through the end buttons.
    void WriteSettings();

    SettingsPanel *Panel() const { return FPanel; }
    SettingsController &Controller() const { return *FController; }

    // --- SettingsHost ----------------------------------------------------
    bool WaveOutputPresent() const override;
    // 2000 Hz, 5 ms, volume 20 when the game's SoundOn holds.
    void PlaySwitchOnTone() override;
    void SetAnimation(bool on) override;
    bool Ready() const override;
    void CloseMenu() override;
    void AttachHintChannel() override;
    void DetachHintChannel() override;
    void ShowInfo(const QString &text) override;

private:
    Game &FGame;
    ToneOutput &FTones;
    AnimationSwitch &FAnimation;
    HintChannel &FHints;
    MenuController &FMenu;
    SettingsPanel *FPanel = nullptr;
    std::unique_ptr<SettingsController> FController;
};

} // namespace lumo
