#pragma once
// Ties the user settings into the main window: the settings panel p_engine on
// the main panel with its switches, the menu entry that opens it, reading the
// stored switches at start-up and storing them through the end buttons.

#include "persistence/SettingsHost.h"

#include <QObject>

#include <memory>

namespace lumo {

class SettingsController;
class SettingsPanel;
class TLumoForm;

class SettingsWiring : public QObject, public SettingsHost {
    Q_OBJECT
public:
    // Builds p_engine (hidden) on p_haupt and fills the window's ReadSettings
    // and WriteSettings hooks. The store is the user's store of this program.
    explicit SettingsWiring(TLumoForm &form);
    ~SettingsWiring() override;

    SettingsPanel *Panel() const { return FPanel; }
    SettingsController &Controller() const { return *FController; }

    // --- SettingsHost ----------------------------------------------------
    bool WaveOutputPresent() const override;
    // 2000 Hz, 5 ms, volume 20 when a wave device exists, sound is switched
    // on and the first deal has ended.
    void PlaySwitchOnTone() override;
    void SetAnimation(bool on) override;
    bool Ready() const override;
    void CloseMenu() override;
    void AttachHintChannel() override;
    void DetachHintChannel() override;
    void ShowInfo(const QString &text) override;

private:
    TLumoForm &FForm;
    SettingsPanel *FPanel = nullptr;
    std::unique_ptr<SettingsController> FController;
};

} // namespace lumo
