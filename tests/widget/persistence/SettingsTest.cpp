#include "FakeSettingsHost.h"

#include "persistence/SettingsController.h"
#include "persistence/SettingsPanel.h"
#include "persistence/SettingsStore.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace lumo;

namespace {

const QString kWriteFailure = QStringLiteral(
    "Sie verfügen nicht über ausreichende Berechtigungen um Benutzerdaten zu speichern.\r\n"
    "Verständigen Sie den Systemadministrator!");

// One main window's worth of settings objects around a store file.
struct Rig {
    explicit Rig(const QString &storePath)
        : host(settings), mainPanel(new QWidget), panel(new SettingsPanel(settings, host, mainPanel.get())),
          controller(SettingsStore(storePath), settings, *panel, host)
    {
        mainPanel->setGeometry(0, 0, 792, 541);
    }

    // What the start-up does after reading: the music switch, then the animation.
    void ApplyStartup()
    {
        musicCalls.push_back(settings.FMusicOn);
        panel->SetMusicButtonState(settings.FMusicOn);
        host.SetAnimation(settings.FAnimationOn);
    }

    UserSettings settings;
    FakeSettingsHost host;
    std::unique_ptr<QWidget> mainPanel;
    SettingsPanel *panel;
    SettingsController controller;
    std::vector<bool> musicCalls;
};

void WriteFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

} // namespace

class SettingsTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_storePath = m_dir->filePath(QStringLiteral("vemu/LUMO.conf"));
    }

    void readStoredValues_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("wave");
        QTest::addColumn<bool>("sound");
        QTest::addColumn<bool>("animation");
        QTest::addColumn<bool>("music");
        QTest::addColumn<int>("tones");

        QTest::newRow("sound off, animation and music on")
            << QByteArray("[General]\nOptSound=0\nOptAni=1\nOptMidi=1\n") << true << false << true << true << 0;
        QTest::newRow("store present but empty") << QByteArray() << true << true << false << false << 1;
        QTest::newRow("all on") << QByteArray("[General]\nOptSound=1\nOptAni=1\nOptMidi=1\n") << true << true
                                << true << true << 1;
        QTest::newRow("any non-zero number is on")
            << QByteArray("[General]\nOptSound=-1\nOptAni=7\nOptMidi=4294967295\n") << true << true << true
            << true << 1;
        QTest::newRow("garbage counts as missing")
            << QByteArray("[General]\nOptSound=abc\nOptAni=1.5\nOptMidi=\"1, 2\"\n") << true << true << false
            << false << 1;
        QTest::newRow("no wave device: sound off whatever is stored")
            << QByteArray("[General]\nOptSound=1\nOptAni=1\nOptMidi=1\n") << false << false << false << false
            << 0;
    }

    void readStoredValues()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, wave);
        QFETCH(bool, sound);
        QFETCH(bool, animation);
        QFETCH(bool, music);
        QFETCH(int, tones);

        WriteFile(m_storePath, content);
        Rig rig(m_storePath);
        rig.host.wave = wave;
        rig.controller.ReadSettings();

        QCOMPARE(rig.settings.FSoundOn, sound);
        QCOMPARE(rig.settings.FAnimationOn, animation);
        QCOMPARE(rig.settings.FMusicOn, music);
        QCOMPARE(rig.host.tones, tones);
        QCOMPARE(rig.panel->SoundMark(), sound ? 1 : 0);
        const QString soundCaption = sound ? QStringLiteral("Sound ausschalten") : QStringLiteral("Sound einschalten");
        QCOMPARE(rig.panel->bt_soundonoff()->text(), soundCaption);
        QCOMPARE(rig.panel->bt_soundonoff()->toolTip(), soundCaption);
        QVERIFY(rig.host.infos.isEmpty());
    }

    void storedSoundOffAnimationAndMusicOnShowInThePanel()
    {
        WriteFile(m_storePath, "[General]\nOptSound=0\nOptAni=1\nOptMidi=1\n");
        Rig rig(m_storePath);
        rig.mainPanel->show();
        rig.controller.ReadSettings();
        rig.ApplyStartup();

        QCOMPARE(rig.musicCalls, std::vector<bool>{true});
        QCOMPARE(rig.host.animationCalls, std::vector<bool>{true});
        rig.panel->bt_setupokClick();
        QVERIFY(rig.panel->isVisible());
        QCOMPARE(rig.panel->bt_soundonoff()->text(), QStringLiteral("Sound einschalten"));
        QCOMPARE(rig.panel->btn_musik()->text(), QStringLiteral("Musik aus"));
        QCOMPARE(rig.panel->btn_musik()->toolTip(), QStringLiteral("Musik ausschalten"));
        QCOMPARE(rig.panel->bt_ani()->text(), QStringLiteral("Animation ausschalten"));
        QCOMPARE(rig.panel->bt_ani()->toolTip(), QStringLiteral("Animation ausschalten"));
    }

    void noStoreLeavesEverythingOffAndCreatesNothing()
    {
        Rig rig(m_storePath);
        rig.controller.ReadSettings();

        QVERIFY(!rig.settings.FSoundOn);
        QVERIFY(!rig.settings.FAnimationOn);
        QVERIFY(!rig.settings.FMusicOn);
        QCOMPARE(rig.host.tones, 0);
        // The sound button is not touched: it keeps its form caption.
        QCOMPARE(rig.panel->bt_soundonoff()->text(), QStringLiteral("Sound ausschalten"));
        QVERIFY(!QFileInfo::exists(m_storePath));
        QVERIFY(!QFileInfo::exists(QFileInfo(m_storePath).absolutePath()));
    }

    void writeStoresOnesAndZeros()
    {
        Rig rig(m_storePath);
        rig.settings.FSoundOn = true;
        rig.settings.FAnimationOn = false;
        rig.settings.FMusicOn = true;
        rig.settings.FHintsOn = true;
        rig.controller.WriteSettings();
        QVERIFY(rig.host.infos.isEmpty());

        QFile file(m_storePath);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY(text.contains("OptSound=1"));
        QVERIFY(text.contains("OptAni=0"));
        QVERIFY(text.contains("OptMidi=1"));
        QVERIFY(!text.contains("Hint"));

        // The next start reads them back.
        Rig next(m_storePath);
        next.controller.ReadSettings();
        QVERIFY(next.settings.FSoundOn);
        QVERIFY(!next.settings.FAnimationOn);
        QVERIFY(next.settings.FMusicOn);
    }

    // A run without a wave device applies none of the stored values; what the
    // user did not change in it goes back as it was stored.
    void runWithoutSoundKeepsWhatItDidNotRead_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<bool>("switchAnimation");
        QTest::addColumn<QByteArray>("expected");

        QTest::newRow("all on, nothing changed") << QByteArray("[General]\nOptAni=1\nOptMidi=1\nOptSound=1\n")
                                                 << false << QByteArray("OptAni=1 OptMidi=1 OptSound=1");
        QTest::newRow("mixed, nothing changed") << QByteArray("[General]\nOptAni=0\nOptMidi=1\nOptSound=1\n")
                                                << false << QByteArray("OptAni=0 OptMidi=1 OptSound=1");
        QTest::newRow("all off, animation switched on")
            << QByteArray("[General]\nOptAni=0\nOptMidi=0\nOptSound=0\n") << true
            << QByteArray("OptAni=1 OptMidi=0 OptSound=0");
        QTest::newRow("values missing: the run's values")
            << QByteArray("[General]\nOptMidi=1\n") << false << QByteArray("OptAni=0 OptMidi=1 OptSound=0");
    }

    void runWithoutSoundKeepsWhatItDidNotRead()
    {
        QFETCH(QByteArray, stored);
        QFETCH(bool, switchAnimation);
        QFETCH(QByteArray, expected);

        WriteFile(m_storePath, stored);
        Rig rig(m_storePath);
        rig.host.wave = false;
        rig.controller.ReadSettings();
        rig.ApplyStartup();
        QVERIFY(!rig.settings.FSoundOn);
        QVERIFY(!rig.settings.FAnimationOn);
        if (switchAnimation)
            rig.panel->bt_aniClick();
        rig.controller.WriteSettings();
        QVERIFY(rig.host.infos.isEmpty());

        const StoredSettings after = SettingsStore(m_storePath).Read();
        QByteArray text;
        for (const auto &[key, value] : {std::pair{"OptAni", after.animation},
                 std::pair{"OptMidi", after.music}, std::pair{"OptSound", after.sound}})
            text += QByteArray(key) + "=" + (value ? (*value ? "1" : "0") : "?") + " ";
        QCOMPARE(text.trimmed(), expected);
    }

    // With a wave device every value was read, so every value is written.
    void runWithSoundWritesWhatTheRunShows()
    {
        WriteFile(m_storePath, "[General]\nOptAni=1\nOptMidi=1\nOptSound=1\n");
        Rig rig(m_storePath);
        rig.controller.ReadSettings();
        rig.host.ready = true;
        rig.panel->bt_aniClick(); // the animation ran; now off
        rig.controller.WriteSettings();
        const StoredSettings after = SettingsStore(m_storePath).Read();
        QCOMPARE(after.animation, std::optional<bool>(false));
        QCOMPARE(after.music, std::optional<bool>(true));
        QCOMPARE(after.sound, std::optional<bool>(true));
    }

    void writeFailureShowsTheMessage()
    {
        // A regular file where the store's folder should be: root cannot write
        // there either.
        WriteFile(m_dir->filePath(QStringLiteral("blocked")), "not a folder");
        Rig rig(m_dir->filePath(QStringLiteral("blocked/LUMO.conf")));
        rig.controller.WriteSettings();
        QCOMPARE(rig.host.infos, QStringList{kWriteFailure});
    }

    void animationButtonWorksOnlyWhileReady()
    {
        Rig rig(m_storePath);
        rig.host.ready = false;
        rig.panel->bt_aniClick();
        QVERIFY(rig.host.animationCalls.empty());
        QCOMPARE(rig.panel->bt_ani()->text(), QStringLiteral("Animation einschalten"));

        rig.host.ready = true;
        rig.panel->bt_aniClick();
        QCOMPARE(rig.host.animationCalls, std::vector<bool>{true});
        QCOMPARE(rig.panel->bt_ani()->text(), QStringLiteral("Animation ausschalten"));
        rig.panel->bt_aniClick();
        QCOMPARE(rig.host.animationCalls, (std::vector<bool>{true, false}));
        QCOMPARE(rig.panel->bt_ani()->text(), QStringLiteral("Animation einschalten"));
        QCOMPARE(rig.panel->bt_ani()->toolTip(), QStringLiteral("Animation einschalten"));
    }

    void birdButtonDetachesAndAttachesTheHints()
    {
        Rig rig(m_storePath);
        rig.settings.FHintsOn = true; // as after the main window's first activation
        rig.panel->bt_vogelClick();
        QCOMPARE(rig.host.detaches, 1);
        QCOMPARE(rig.host.attaches, 0);
        QVERIFY(!rig.settings.FHintsOn);
        QCOMPARE(rig.panel->bt_vogel()->text(), QStringLiteral("Hilfstexte zeigen"));
        QCOMPARE(rig.panel->bt_vogel()->toolTip(), QStringLiteral("Hilfstexte zeigen"));

        rig.panel->bt_vogelClick();
        QCOMPARE(rig.host.attaches, 1);
        QVERIFY(rig.settings.FHintsOn);
        QCOMPARE(rig.panel->bt_vogel()->text(), QStringLiteral("Hilfstexte nicht zeigen"));
        QCOMPARE(rig.host.menuCloses, 2);
    }

    void soundButtonTogglesWithMarkAndTone()
    {
        Rig rig(m_storePath);
        rig.mainPanel->show();
        rig.panel->bt_setupokClick();
        QTest::mouseClick(rig.panel->bt_soundonoff(), Qt::LeftButton);
        QVERIFY(rig.settings.FSoundOn);
        QCOMPARE(rig.panel->SoundMark(), 1);
        QCOMPARE(rig.host.tones, 1);
        QTest::mouseClick(rig.panel->bt_soundonoff(), Qt::LeftButton);
        QVERIFY(!rig.settings.FSoundOn);
        QCOMPARE(rig.panel->SoundMark(), 0);
        QCOMPARE(rig.host.tones, 1);
        QCOMPARE(rig.panel->bt_soundonoff()->toolTip(), QStringLiteral("Sound einschalten"));
    }

    void panelTogglesAndCentresOnTheMainPanel()
    {
        QWidget window;
        window.resize(900, 700);
        UserSettings settings;
        FakeSettingsHost host(settings);
        auto *mainPanel = new QWidget(&window);
        mainPanel->setGeometry(10, 20, 792, 541);
        auto *panel = new SettingsPanel(settings, host, mainPanel);
        window.show();

        QCOMPARE(panel->size(), QSize(167, 197));
        QVERIFY(!panel->isVisible());
        // The device check may have changed sound meanwhile; opening shows it.
        settings.FSoundOn = false;
        panel->bt_setupokClick();
        QVERIFY(panel->isVisible());
        // (10 + 792) div 2 - 167 div 2 and (20 + 541) div 2 - 197 div 2.
        QCOMPARE(panel->pos(), QPoint(318, 182));
        QCOMPARE(panel->bt_soundonoff()->text(), QStringLiteral("Sound einschalten"));
        QCOMPARE(panel->bt_vogel()->toolTip(), panel->bt_vogel()->text());

        QTest::mouseClick(panel->bt_setupok(), Qt::LeftButton);
        QVERIFY(!panel->isVisible());
        panel->bt_setupokClick();
        panel->bt_setupokClick();
        QVERIFY(!panel->isVisible());
        QCOMPARE(host.menuCloses, 4);
        QCOMPARE(panel->bt_setupok()->toolTip(), QStringLiteral("Einstellungen schließen"));
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_storePath;
};

QTEST_MAIN(SettingsTest)
#include "SettingsTest.moc"
