// Sound and music as wired into the real main window: the device check's texts
// on the music bar and the settings panel, the click hook's tones and tip, the
// cursor after a left release, and the music switch on the music bar.
#include "MainWindowFixture.h"
#include "persistence/SettingsPanel.h"
#include "shell/InputClickHook.h"
#include "shell/MusicBar.h"
#include "shell/QtGameHost.h"
#include "common/ScreenCursor.h"
#include "shell/SoundWiring.h"
#include "sound/MusicController.h"
#include "sound/ResourceLookup.h"
#include "sound/ToneOutput.h"
#include "timing/TCKMultimediaTimer.h"

#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include <tuple>
#include <vector>

#include <unistd.h>

using namespace lumo;
using namespace lumo::testing;

namespace {

using Tone = std::tuple<int, int, int>;

// Outputs as the test says; tones recorded instead of played.
class FakeDevices : public ToneOutput {
public:
    bool wave = true;
    bool midi = true;
    std::vector<Tone> *tones = nullptr;
    bool WaveOutputPresent() override { return wave; }
    bool MidiOutputPresent() override { return midi; }
    void PlayTone(int f, int d, int v) override { tones->emplace_back(f, d, v); }
    void PlayApplause() override {}
};

const QString kMusicOffPrompt = QStringLiteral("Hintergrundmusik ist aus. Drücke Taste \"u\"!");
const QString kNoMusicText = QStringLiteral("Keine Wiedergabmöglichkeit der Musik gefunden.");
const QString kNoMusicHint = QStringLiteral("Ihr System verfügt nicht über eine Wiedergabmöglichkeit der Musik.");

} // namespace

class SoundWiringTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TLumoForm> form;
    FakeDevices devices;
    std::vector<Tone> tones;
    QTemporaryDir temp;

    QLabel *Label() const { return Parts(*form).p_Sound->lb_midi; }
    QWindow *Window() const { return form->windowHandle(); }
    // A point on the card table, in window coordinates, away from the cards.
    QPoint OnTable() const { return Parts(*form).p_karten->mapTo(form.get(), QPoint(700, 10)); }

    // Sound switched on through the panel, as the user does it: the mark becomes 1.
    void SwitchSoundOnByHand()
    {
        Parts(*form).FSoundOn = false;
        Parts(*form).p_engine->bt_SoundonoffClick();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(temp.isValid());
        // The music's temporary file goes into the user's own folder inside a
        // folder of this test.
        qputenv("TMPDIR", temp.path().toLocal8Bit());
        qunsetenv("XDG_RUNTIME_DIR");
    }

    void init()
    {
        form = StartedForm();
        QVERIFY(form);
        QVERIFY(Parts(*form).p_engine);
        // The tests run the title tick themselves, so it cannot fall between two checks.
        Parts(*form).kopf_timer->SetEnabled(false);
        devices = FakeDevices();
        devices.tones = &tones;
        Parts(*form).Sounds().ReplaceForTests(&devices);
        Parts(*form).Sound().SetMusic(false);
        Parts(*form).Engine().SetPosition(TwoMovesPosition(1));
        Parts(*form).Engine().SetReady(true);
        Parts(*form).FSoundOn = true;
        tones.clear();
    }

    void cleanup()
    {
        form.reset();
        SetScreenCursor(ScreenCursorShape::Normal);
    }

    void deviceCheckFollowsTheDevices_data()
    {
        QTest::addColumn<bool>("wave");
        QTest::addColumn<bool>("midi");
        QTest::addColumn<bool>("buttons");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<bool>("soundOn");
        QTest::addColumn<bool>("switchEnabled");
        QTest::newRow("both") << true << true << true << kMusicOffPrompt << QString() << true << true;
        QTest::newRow("wave only") << true << false << false << kNoMusicText << kNoMusicHint << false << true;
        QTest::newRow("none") << false << false << false << kNoMusicText << kNoMusicHint << false << false;
        // Music without tones: the label is left alone, sound stays as it was.
        QTest::newRow("midi only") << false << true << false << QStringLiteral("Musik ausgeschaltet")
                                   << QStringLiteral("Musik einschalten") << true << false;
    }

    void deviceCheckFollowsTheDevices()
    {
        QFETCH(bool, wave);
        QFETCH(bool, midi);
        QFETCH(bool, buttons);
        QFETCH(QString, label);
        QFETCH(QString, hint);
        QFETCH(bool, soundOn);
        QFETCH(bool, switchEnabled);
        SwitchSoundOnByHand();
        devices.wave = wave;
        devices.midi = midi;
        Parts(*form).kopf_timerTimer();
        QCOMPARE(Parts(*form).p_Sound->btn_prev->isVisible(), buttons);
        QCOMPARE(Parts(*form).p_Sound->btn_next->isVisible(), buttons);
        QCOMPARE(Label()->text(), label);
        QCOMPARE(Label()->toolTip(), hint);
        QCOMPARE(Parts(*form).FSoundOn, soundOn);
        QCOMPARE(Parts(*form).p_engine->bt_soundonoff()->isEnabled(), switchEnabled);
    }

    void soundComesBackFromTheMarkWhenMusicOutputReturns()
    {
        SwitchSoundOnByHand();
        devices.midi = false;
        Parts(*form).kopf_timerTimer();
        QVERIFY(!Parts(*form).FSoundOn);
        devices.midi = true;
        Parts(*form).kopf_timerTimer();
        QVERIFY(Parts(*form).FSoundOn);

        // Switched off by hand, the mark is 0 and sound stays off.
        Parts(*form).p_engine->bt_SoundonoffClick();
        QVERIFY(!Parts(*form).FSoundOn);
        Parts(*form).kopf_timerTimer();
        QVERIFY(!Parts(*form).FSoundOn);
    }

    void losingMusicOutputSwitchesPlayingMusicOff()
    {
        Parts(*form).Sound().SetMusic(true);
        QVERIFY(Parts(*form).Sound().t_midi()->Enabled());
        devices.midi = false;
        Parts(*form).kopf_timerTimer();
        QVERIFY(!Parts(*form).FMusicOn);
        QVERIFY(!Parts(*form).Sound().t_midi()->Enabled());
        QCOMPARE(Parts(*form).p_engine->btn_musik()->text(), QStringLiteral("Musik ein"));
        QCOMPARE(Label()->text(), kNoMusicText);
    }

    void clickTonesOnlyWhileReadyWithSoundAndDevice_data()
    {
        QTest::addColumn<bool>("ready");
        QTest::addColumn<bool>("soundOn");
        QTest::addColumn<bool>("wave");
        QTest::addColumn<bool>("heard");
        QTest::newRow("all") << true << true << true << true;
        QTest::newRow("not ready") << false << true << true << false;
        QTest::newRow("sound off") << true << false << true << false;
        QTest::newRow("no device") << true << true << false << false;
    }

    void clickTonesOnlyWhileReadyWithSoundAndDevice()
    {
        QFETCH(bool, ready);
        QFETCH(bool, soundOn);
        QFETCH(bool, wave);
        QFETCH(bool, heard);
        Parts(*form).Engine().SetReady(ready);
        Parts(*form).FSoundOn = soundOn;
        devices.wave = wave;
        QTest::keyClick(Window(), Qt::Key_A);
        QTest::mouseClick(Window(), Qt::LeftButton, {}, OnTable());
        const std::vector<Tone> expected = heard
            ? std::vector<Tone>{{1200, 10, 5}, {1200, 5, 5}}
            : std::vector<Tone>{};
        QCOMPARE(tones, expected);
    }

    void otherButtonsAndReleasesDoNotTick()
    {
        QTest::mouseClick(Window(), Qt::MiddleButton, {}, OnTable());
        QTest::keyRelease(Window(), Qt::Key_A);
        QVERIFY(tones.empty());
    }

    void rightPressWhileReadyShowsTheTip()
    {
        QVERIFY(Parts(*form).Engine().Evaluate());
        const QString tip = QString::fromStdString(Parts(*form).Engine().TipText());
        QVERIFY(!tip.isEmpty());
        Parts(*form).Host().SetApplicationHint("vorher");
        QTest::mousePress(Window(), Qt::RightButton, {}, OnTable());
        QCOMPARE(Parts(*form).Host().LastApplicationHint(), tip);
        QCOMPARE(tones, (std::vector<Tone>{{1200, 10, 5}}));
        QTest::mouseRelease(Window(), Qt::RightButton, {}, OnTable());
    }

    void rightPressWhileNotReadyDoesNothing()
    {
        QVERIFY(Parts(*form).Engine().Evaluate());
        Parts(*form).Host().SetApplicationHint("vorher");
        Parts(*form).Engine().SetReady(false);
        QTest::mouseClick(Window(), Qt::RightButton, {}, OnTable());
        QCOMPARE(Parts(*form).Host().LastApplicationHint(), QStringLiteral("vorher"));
        QVERIFY(tones.empty());
    }

    void leftReleaseEndsTheWaitCursor()
    {
        QTest::mousePress(Window(), Qt::LeftButton, {}, OnTable());
        Parts(*form).Engine().SetWaitCursor(true);
        QVERIFY(!ScreenCursorIsNormal());
        QVERIFY(Parts(*form).Engine().Board().waitCursor);
        QTest::mouseRelease(Window(), Qt::LeftButton, {}, OnTable());
        QVERIFY(ScreenCursorIsNormal());
        QVERIFY(!Parts(*form).Engine().Board().waitCursor);
    }

    void removedHookIsSilent()
    {
        Parts(*form).Sound().ClickHook().Remove();
        QTest::keyClick(Window(), Qt::Key_A);
        QVERIFY(tones.empty());
        Parts(*form).Sound().ClickHook().Install();
        Parts(*form).Sound().ClickHook().Install();  // twice still ticks once
        QTest::keyClick(Window(), Qt::Key_A);
        QCOMPARE(tones.size(), std::size_t(1));
    }

    void switchOnToneFromTheSettingsPanel()
    {
        Parts(*form).FSoundOn = false;
        Parts(*form).p_engine->bt_SoundonoffClick();
        QCOMPARE(tones, (std::vector<Tone>{{2000, 5, 20}}));
        Parts(*form).p_engine->bt_SoundonoffClick();  // off: no tone
        devices.wave = false;
        Parts(*form).p_engine->bt_SoundonoffClick();  // on, but no device
        QCOMPARE(tones.size(), std::size_t(1));
    }

    void musicLabelSwitchesMusicOnAndOff()
    {
        const QPoint label = Label()->mapTo(form.get(), Label()->rect().center());
        QTest::mouseClick(Window(), Qt::LeftButton, {}, label);
        QVERIFY(Parts(*form).FMusicOn);
        QCOMPARE(Parts(*form).Sound().Music().CurrentTrack(), 1);
        QCOMPARE(Label()->text(), QStringLiteral("Bitte warten! Musiktitel: 1 wird geladen."));
        QVERIFY(Parts(*form).Sound().t_midi()->Enabled());
        QCOMPARE(Parts(*form).p_engine->btn_musik()->text(), QStringLiteral("Musik aus"));
        QCOMPARE(Label()->toolTip(), QStringLiteral("Musik ausschalten"));

        // The piece is in the temporary file, byte for byte.
        QCOMPARE(
            Parts(*form).MusicTempFile(), temp.path() + QStringLiteral("/lumo-%1/~LUMO.TMP").arg(geteuid()));
        QFile file(Parts(*form).MusicTempFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), *ReadResourceByName(":/music", "DATA_1"));

        QTest::mouseClick(Window(), Qt::LeftButton, {}, label);
        QVERIFY(!Parts(*form).FMusicOn);
        QCOMPARE(Label()->text(), QStringLiteral("Musik ausgeschaltet"));
        QVERIFY(!Parts(*form).Sound().t_midi()->Enabled());
        QCOMPARE(Parts(*form).p_engine->btn_musik()->text(), QStringLiteral("Musik ein"));
        QVERIFY(!Parts(*form).p_Sound->btn_next->isVisible());

        Parts(*form).kopf_timerTimer();
        QCOMPARE(Label()->text(), kMusicOffPrompt);
    }

    void musicButtonAndTrackButtons()
    {
        Parts(*form).p_engine->btn_musik()->click();
        QVERIFY(Parts(*form).FMusicOn);
        QCOMPARE(Parts(*form).Sound().Music().CurrentTrack(), 1);
        Parts(*form).p_Sound->btn_prev->click();
        QCOMPARE(Parts(*form).Sound().Music().CurrentTrack(), 9);
        QCOMPARE(Label()->text(), QStringLiteral("Bitte warten! Musiktitel: 9 wird geladen."));
        Parts(*form).p_Sound->btn_next->click();
        QCOMPARE(Parts(*form).Sound().Music().CurrentTrack(), 1);
        Parts(*form).p_engine->btn_musik()->click();
        QVERIFY(!Parts(*form).FMusicOn);
    }
};

QTEST_MAIN(SoundWiringTest)
#include "SoundWiringTest.moc"
