#pragma once
// Records what the settings code asks of the main window.

#include "persistence/SettingsHost.h"
#include "persistence/UserSettings.h"

#include <QStringList>

#include <vector>

namespace lumo {

class FakeSettingsHost : public SettingsHost {
public:
    explicit FakeSettingsHost(UserSettings &settings) : m_settings(settings) {}

    bool WaveOutputPresent() const override { return wave; }
    void PlaySwitchOnTone() override { ++tones; }
    void SetAnimation(bool on) override
    {
        animationCalls.push_back(on);
        m_settings.FAnimationOn = on; // as the real switch does
    }
    bool Ready() const override { return ready; }
    void CloseMenu() override { ++menuCloses; }
    void AttachHintChannel() override { ++attaches; }
    void DetachHintChannel() override { ++detaches; }
    void ShowInfo(const QString &text) override { infos << text; }

    bool wave = true;
    bool ready = true;
    int tones = 0;
    int menuCloses = 0;
    int attaches = 0;
    int detaches = 0;
    std::vector<bool> animationCalls;
    QStringList infos;

private:
    UserSettings &m_settings;
};

} // namespace lumo
