#pragma once
// The help in the main window: the title-bar button bt_help, the menu entry
// bt_helpm and F1 open it; U switches the background music. While the help is
// open the creatures rest, and neither the input hook nor the hint balloon
// react.

#include "shell/HelpHost.h"

#include <QObject>

#include <memory>

class QAbstractButton;
class QKeyEvent;

namespace lumo {

class AnimationSwitch;
class HelpCommand;
class HintChannel;
class KeyCommands;
class MenuController;
class SoundWiring;
struct UserSettings;

class HelpWiring : public QObject, private HelpHost {
    Q_OBJECT
public:
    // Connects both help buttons.
    HelpWiring(QAbstractButton &bt_help, QAbstractButton &bt_helpm, HintChannel &hints,
        MenuController &menu, AnimationSwitch &animation, UserSettings &settings, SoundWiring &sound);
    ~HelpWiring() override;

    void bt_helpmClick();
    // A key press that reached the main window.
    void FormKeyDown(QKeyEvent *event);

private:
    // --- HelpHost ----------------------------------------------------------
    void CloseMenu() override;
    bool AnimationOn() const override;
    void SetAnimation(bool on) override;
    void AttachMessageHook() override;
    void DetachMessageHook() override;
    bool HintHookAttached() const override;
    void AttachHintHook() override;
    void DetachHintHook() override;

    HintChannel &FHints;
    MenuController &FMenu;
    AnimationSwitch &FAnimation;
    UserSettings &FSettings;
    SoundWiring &FSound;
    std::unique_ptr<HelpCommand> FCommand;
    std::unique_ptr<KeyCommands> FKeys;
};

} // namespace lumo
