// The settings and the high-score list as wired into the real main window:
// what start-up reads, what the end buttons store, the settings panel, and
// a won game that asks for the name and puts it on the table and on disk.
#include "MainWindowFixture.h"
#include "companion/TForm_Message.h"
#include "lookfeel/GlassButton.h"
#include "persistence/HighScoreDisplay.h"
#include "persistence/HighScoreList.h"
#include "persistence/HighScoreStore.h"
#include "persistence/ScrambleText.h"
#include "persistence/SettingsPanel.h"
#include "persistence/SettingsStore.h"
#include "persistence/TEingabeForm.h"
#include "shell/CompanionWiring.h"
#include "shell/HighScoreWiring.h"
#include "shell/MenuPanel.h"
#include "shell/QtGameHost.h"
#include "shell/SettingsWiring.h"
#include "shell/TitleBar.h"
#include "sound/ToneOutput.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

#include <memory>
#include <vector>

using namespace lumo;
using namespace lumo::testing;

namespace {

constexpr int KreuzBube = 11;
constexpr int KreuzDame = 12;

struct Tone {
    int frequency;
    int duration;
    int volume;
};

QString SettingsPath() { return SettingsStore::ForProgram().filePath(); }
QString ScoresPath() { return HighScoreStore::ForProgram().filePath(); }

void WriteFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(content), content.size());
}

QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A wave device as the test says, music output present, tones recorded
// instead of played and no applause.
class FakeSound : public ToneOutput {
public:
    bool wave = true;
    std::vector<Tone> *tones = nullptr;
    bool WaveOutputPresent() override { return wave; }
    bool MidiOutputPresent() override { return true; }
    void PlayTone(int f, int d, int v) override
    {
        if (tones)
            tones->push_back({f, d, v});
    }
    void PlayApplause() override {}
};

FakeSound &TestSound()
{
    static FakeSound sound;
    return sound;
}

// The window as the program builds it, with the fake sound above in place of
// the real, absent sound server (whose device check would switch sound off
// again). Shown, activated and past its start.
std::unique_ptr<TLumoForm> StartForm(bool wave, std::vector<Tone> *tones = nullptr)
{
    auto form = std::make_unique<TLumoForm>();
    TestSound().wave = wave;
    TestSound().tones = tones;
    Parts(*form).Sounds().ReplaceForTests(&TestSound());
    if (!ShowAndStart(*form))
        return nullptr;
    // What the device check does for a present (or absent) wave device.
    Parts(*form).p_engine->bt_soundonoff()->setEnabled(wave);
    return form;
}

int SwitchOnTones(const std::vector<Tone> &tones)
{
    int count = 0;
    for (const Tone &t : tones)
        count += t.frequency == 2000 && t.duration == 5 && t.volume == 20;
    return count;
}

TEingabeForm *OpenNameDialog()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        auto *dialog = qobject_cast<TEingabeForm *>(widget);
        if (dialog && dialog->isVisible()
            && dialog->HeadingText() == QStringLiteral("Du kannst dich in die\r\nBestenliste eintragen!"))
            return dialog;
    }
    return nullptr;
}

// Answers the name dialog as soon as it is up: types the text into the name
// field and presses Enter, or presses Escape when cancel is set.
class NameAnswerer : public QObject {
public:
    NameAnswerer(QString name, bool cancel) : FName(std::move(name)), FCancel(cancel)
    {
        FTimer.setInterval(10);
        connect(&FTimer, &QTimer::timeout, this, [this] { Answer(); });
        FTimer.start();
    }
    int asked = 0;

private:
    void Answer()
    {
        TEingabeForm *dialog = OpenNameDialog();
        if (!dialog)
            return;
        FTimer.stop();
        ++asked;
        if (FCancel) {
            QTest::keyClick(dialog->edt_name(), Qt::Key_Escape);
            return;
        }
        QTest::keyClicks(dialog->edt_name(), FName);
        QTest::keyClick(dialog->edt_name(), Qt::Key_Return);
    }

    QTimer FTimer;
    QString FName;
    bool FCancel;
};

// Everything filed but Kreuz Bube to König: the Dame lies on the Bube, the
// König alone. Moving the Dame onto the König wins the game.
BoardPosition LastMovePosition()
{
    BoardPosition position;
    position.level = 1;
    position.foundationCounts = {13, 13, 13, 10};
    position.piles[0] = {KreuzBube, KreuzDame};
    position.piles[1] = {KreuzKoenig};
    return position;
}

QString Plain(const QByteArray &fileBytes)
{
    return QString::fromLatin1(QByteArray::fromStdString(ScrambleText(fileBytes.toStdString())));
}

} // namespace

class PersistenceWiringTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        QFile::remove(SettingsPath());
        QFile::remove(ScoresPath());
    }
    void cleanup() { init(); }

    void storedValuesAfterStartup_data()
    {
        QTest::addColumn<QByteArray>("store");
        QTest::addColumn<bool>("wave");
        QTest::addColumn<bool>("sound");
        QTest::addColumn<bool>("animation");
        QTest::addColumn<bool>("music");
        QTest::addColumn<int>("tones");
        QTest::addColumn<QString>("soundCaption");
        QTest::addColumn<QString>("musicCaption");
        QTest::addColumn<QString>("animationCaption");

        QTest::newRow("sound off, animation and music on")
            << QByteArray("[General]\nOptSound=0\nOptAni=1\nOptMidi=1\n") << true << false << true
            << true << 0 << "Sound einschalten" << "Musik aus" << "Animation ausschalten";
        QTest::newRow("store present but empty")
            << QByteArray() << true << true << false << false << 1 << "Sound ausschalten"
            << "Musik ein" << "Animation einschalten";
        QTest::newRow("no wave device: sound off whatever is stored")
            << QByteArray("[General]\nOptSound=1\nOptAni=1\nOptMidi=1\n") << false << false
            << false << false << 0 << "Sound einschalten" << "Musik ein" << "Animation einschalten";
    }

    void storedValuesAfterStartup()
    {
        QFETCH(QByteArray, store);
        QFETCH(bool, wave);
        WriteFile(SettingsPath(), store);

        std::vector<Tone> tones;
        auto form = StartForm(wave, &tones);
        QVERIFY(form);
        QFETCH(bool, sound);
        QFETCH(bool, animation);
        QFETCH(bool, music);
        QCOMPARE(Parts(*form).FSoundOn, sound);
        QCOMPARE(Parts(*form).FAnimationOn, animation);
        QCOMPARE(Parts(*form).FMusicOn, music);
        QCOMPARE(Parts(*form).p_engine->SoundMark(), sound ? 1 : 0);
        QTEST(SwitchOnTones(tones), "tones");

        QVERIFY(!Parts(*form).p_engine->isVisible());
        Parts(*form).p_menue->bt_setup->click();
        QVERIFY(Parts(*form).p_engine->isVisible());
        QTEST(Parts(*form).p_engine->bt_soundonoff()->text(), "soundCaption");
        QTEST(Parts(*form).p_engine->btn_musik()->text(), "musicCaption");
        QTEST(Parts(*form).p_engine->bt_ani()->text(), "animationCaption");
        QCOMPARE(Parts(*form).p_engine->bt_ani()->toolTip(), Parts(*form).p_engine->bt_ani()->text());
    }

    void noStoreLeavesEverythingOffAndCreatesNothing()
    {
        std::vector<Tone> tones;
        auto form = StartForm(true, &tones);
        QVERIFY(form);
        QVERIFY(!Parts(*form).FSoundOn);
        QVERIFY(!Parts(*form).FAnimationOn);
        QVERIFY(!Parts(*form).FMusicOn);
        QCOMPARE(SwitchOnTones(tones), 0);
        QVERIFY(!QFileInfo::exists(SettingsPath()));

        // Switching sound on from the panel plays the switch-on tone.
        Parts(*form).p_menue->bt_setup->click();
        QCOMPARE(Parts(*form).p_engine->bt_soundonoff()->text(), QStringLiteral("Sound einschalten"));
        Parts(*form).p_engine->bt_soundonoff()->click();
        QVERIFY(Parts(*form).FSoundOn);
        QCOMPARE(SwitchOnTones(tones), 1);
        QCOMPARE(Parts(*form).p_engine->bt_soundonoff()->toolTip(), QStringLiteral("Sound ausschalten"));

        form->close();
        QVERIFY(!QFileInfo::exists(SettingsPath()));
    }

    void endButtonsStoreWhatTheUserSaw_data()
    {
        QTest::addColumn<int>("how");
        QTest::newRow("bt_ende in the title bar") << 0;
        QTest::newRow("bt_exit in the menu") << 1;
    }

    void endButtonsStoreWhatTheUserSaw()
    {
        QFETCH(int, how);
        auto form = StartForm(true);
        QVERIFY(form);
        Parts(*form).p_menue->bt_setup->click();
        Parts(*form).p_engine->bt_soundonoff()->click();
        Parts(*form).p_engine->bt_ani()->click();
        QVERIFY(Parts(*form).FSoundOn);
        QVERIFY(Parts(*form).FAnimationOn);

        QAbstractButton *end = how == 0 ? Parts(*form).panel_menue->bt_ende : Parts(*form).p_menue->bt_exit;
        end->click();

        QVERIFY(!form->isVisible());
        // The animation went off for closing, after the store had it as shown.
        QVERIFY(!Parts(*form).FAnimationOn);
        const StoredSettings stored = SettingsStore::ForProgram().Read();
        QCOMPARE(stored.sound, std::optional<bool>(true));
        QCOMPARE(stored.animation, std::optional<bool>(true));
        QCOMPARE(stored.music, std::optional<bool>(false));
    }

    void storeThatCannotBeWrittenIsReported()
    {
        // A folder where the store file should be: nothing can be written there.
        QDir().mkpath(SettingsPath());
        auto form = StartForm(true);
        QVERIFY(form);
        QString shown;
        QTimer closer;
        closer.setInterval(10);
        QObject::connect(&closer, &QTimer::timeout, [&] {
            auto *message = qobject_cast<TForm_Message *>(QApplication::activeModalWidget());
            if (!message)
                return;
            closer.stop();
            shown = message->DisplayedText();
            message->CloseButton()->click();
        });
        closer.start();
        Parts(*form).panel_menue->bt_ende->click();
        QDir().rmdir(SettingsPath());

        QVERIFY(shown.contains(QStringLiteral("Sie verfügen nicht über ausreichende Berechtigungen")));
        QVERIFY(!form->isVisible());
    }

    void panelOpensCentredAndClosesAgain()
    {
        auto form = StartForm(true);
        QVERIFY(form);
        QCOMPARE(Parts(*form).p_engine->parentWidget(), static_cast<QWidget *>(Parts(*form).p_haupt));
        Parts(*form).bt_menueClick();
        Parts(*form).p_menue->bt_setup->click();
        QVERIFY(Parts(*form).p_engine->isVisible());
        QVERIFY(!Parts(*form).p_menue->isVisible());
        // (0 + 792) / 2 - 167 / 2 and (0 + 541) / 2 - 197 / 2.
        QCOMPARE(Parts(*form).p_engine->geometry(), QRect(313, 172, 167, 197));
        // It lies above the card table.
        QWidget *top = Parts(*form).p_haupt->childAt(Parts(*form).p_engine->geometry().center());
        QVERIFY(top == Parts(*form).p_engine || Parts(*form).p_engine->isAncestorOf(top));

        Parts(*form).p_menue->bt_setup->click();
        QVERIFY(!Parts(*form).p_engine->isVisible());
        Parts(*form).p_menue->bt_setup->click();
        Parts(*form).p_engine->bt_setupok()->click();
        QVERIFY(!Parts(*form).p_engine->isVisible());
    }

    void birdSwitchDetachesAndAttachesTheHintChannel()
    {
        auto form = StartForm(true);
        QVERIFY(form);
        QVERIFY(Parts(*form).FHintsOn);
        QVERIFY(Parts(*form).Companion().HintChannelAttached());
        Parts(*form).p_menue->bt_setup->click();
        QAbstractButton *bird = Parts(*form).p_engine->bt_vogel();

        bird->click();
        QVERIFY(!Parts(*form).FHintsOn);
        QVERIFY(!Parts(*form).Companion().HintChannelAttached());
        QCOMPARE(bird->text(), QStringLiteral("Hilfstexte zeigen"));
        QCOMPARE(bird->toolTip(), bird->text());

        bird->click();
        QVERIFY(Parts(*form).FHintsOn);
        QVERIFY(Parts(*form).Companion().HintChannelAttached());
        QCOMPARE(bird->text(), QStringLiteral("Hilfstexte nicht zeigen"));
    }

    void enteringThePanelClosesTheMenu()
    {
        auto form = StartForm(true);
        QVERIFY(form);
        Parts(*form).p_menue->bt_setup->click();
        Parts(*form).bt_menueClick();
        QVERIFY(Parts(*form).p_menue->isVisible());
        QTest::mouseMove(Parts(*form).p_engine, QPoint(4, 4));
        QTest::mouseMove(Parts(*form).p_engine, QPoint(5, 5));
        QTRY_VERIFY(!Parts(*form).p_menue->isVisible());
    }

    void animationSwitchOnlyWhileReady()
    {
        auto form = StartForm(true);
        QVERIFY(form);
        Parts(*form).p_menue->bt_setup->click();
        QAbstractButton *ani = Parts(*form).p_engine->bt_ani();

        Parts(*form).Engine().SetReady(false);
        ani->click();
        QVERIFY(!Parts(*form).FAnimationOn);
        QCOMPARE(ani->text(), QStringLiteral("Animation einschalten"));

        Parts(*form).Engine().SetReady(true);
        ani->click();
        QVERIFY(Parts(*form).FAnimationOn);
        QCOMPARE(ani->text(), QStringLiteral("Animation ausschalten"));
        ani->click();
        QVERIFY(!Parts(*form).FAnimationOn);
        QCOMPARE(ani->toolTip(), QStringLiteral("Animation einschalten"));
    }

    void listIsReadWhenTheWindowIsCreated()
    {
        WriteFile(ScoresPath(), QByteArray::fromStdString(HighScoreList::FileBytes(
                                    "980;Ben;07.12.2026\r1250;Anna;08.12.2026\r0;;")));
        TLumoForm form;
        const HighScoreDisplay *display = Parts(form).HighScores().Display();
        QCOMPARE(display->parentWidget(), static_cast<QWidget *>(Parts(form).p_karten));
        QCOMPARE(display->geometry(), QRect(600, 51, 187, 72));
        QCOMPARE(display->lb_bester()->text(), QStringLiteral("Bestenliste:\nName:\nAnna\nBen\n"));
        QCOMPARE(display->lb_datum()->text(), QStringLiteral("\nDatum:\n08.12.26\n07.12.26\n"));
        QCOMPARE(display->lb_bp()->text(), QStringLiteral("\nPunkte:\n1250\n980\n"));
        QCOMPARE(display->lb_bester()->mapTo(Parts(form).p_karten, QPoint(0, 0)), QPoint(608, 53));
        QCOMPARE(display->lb_datum()->mapTo(Parts(form).p_karten, QPoint(0, 0)), QPoint(680, 53));
        QCOMPARE(display->lb_bp()->mapTo(Parts(form).p_karten, QPoint(display->lb_bp()->width(), 0)),
            QPoint(780, 53));
    }

    void wonGameEntersTheName()
    {
        auto form = StartForm(false);
        QVERIFY(form);
        const HighScoreDisplay *display = Parts(*form).HighScores().Display();
        QCOMPARE(display->lb_bester()->text(), QStringLiteral("Bestenliste:\nName:\n\n\n"));
        QCOMPARE(display->lb_bp()->text(), QStringLiteral("\nPunkte:\n\n\n"));

        Parts(*form).Engine().SetPosition(LastMovePosition());
        Parts(*form).Host().Render();
        const QDate before = QDate::currentDate();
        NameAnswerer answerer(QStringLiteral("Anna"), false);
        DragCardTo(*form, KreuzDame, FrameCentre(2));

        QCOMPARE(Parts(*form).Engine().Outcome(), GameOutcome::Won);
        QCOMPARE(answerer.asked, 1);
        // One drop (20) and three cards filed (3 x 30) at level 1.
        QCOMPARE(Parts(*form).Engine().Points(), 110);

        const QString plain = Plain(ReadFile(ScoresPath()));
        const QString day = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
        const QString dayBefore = before.toString(QStringLiteral("dd.MM.yyyy"));
        QVERIFY2(plain == QStringLiteral("110;Anna;%1\r0;;\r0;;").arg(day)
                || plain == QStringLiteral("110;Anna;%1\r0;;\r0;;").arg(dayBefore),
            qPrintable(plain));
        QVERIFY(ReadFile(ScoresPath()).endsWith("\r\n"));

        const QString shortDay = plain.section(QLatin1Char(';'), 2, 2).section(QLatin1Char('\r'), 0, 0);
        QCOMPARE(display->lb_bester()->text(), QStringLiteral("Bestenliste:\nName:\nAnna\n\n"));
        QCOMPARE(display->lb_datum()->text(),
            QStringLiteral("\nDatum:\n%1\n\n").arg(shortDay.left(6) + shortDay.mid(8, 2)));
        QCOMPARE(display->lb_bp()->text(), QStringLiteral("\nPunkte:\n110\n\n"));

        // After the win the board takes no input, so the animation switch is dead.
        Parts(*form).p_menue->bt_setup->click();
        Parts(*form).p_engine->bt_ani()->click();
        QVERIFY(!Parts(*form).FAnimationOn);
    }

    void cancelledNameLeavesTheFileAlone()
    {
        WriteFile(ScoresPath(), QByteArray::fromStdString(HighScoreList::FileBytes("100;Ben;07.12.2026\r0;;\r0;;")));
        const QByteArray before = ReadFile(ScoresPath());
        auto form = StartForm(false);
        QVERIFY(form);
        Parts(*form).Engine().SetPosition(LastMovePosition());
        Parts(*form).Host().Render();
        NameAnswerer answerer(QString(), true);
        DragCardTo(*form, KreuzDame, FrameCentre(2));

        QCOMPARE(Parts(*form).Engine().Outcome(), GameOutcome::Won);
        QCOMPARE(answerer.asked, 1);
        QCOMPARE(ReadFile(ScoresPath()), before);
        QCOMPARE(Parts(*form).HighScores().Display()->lb_bester()->text(),
            QStringLiteral("Bestenliste:\nName:\nBen\n\n"));
    }

    void scoreBelowTheListAsksNothing()
    {
        WriteFile(ScoresPath(), QByteArray::fromStdString(HighScoreList::FileBytes(
                                    "500;A;01.01.2026\r300;B;01.01.2026\r200;C;01.01.2026")));
        const QByteArray before = ReadFile(ScoresPath());
        auto form = StartForm(false);
        QVERIFY(form);
        Parts(*form).Engine().SetPosition(LastMovePosition());
        Parts(*form).Host().Render();
        NameAnswerer answerer(QStringLiteral("Zoe"), false);
        DragCardTo(*form, KreuzDame, FrameCentre(2));

        QCOMPARE(Parts(*form).Engine().Outcome(), GameOutcome::Won);
        QCOMPARE(answerer.asked, 0);
        QCOMPARE(ReadFile(ScoresPath()), before);
    }
};

QTEST_MAIN(PersistenceWiringTest)
#include "PersistenceWiringTest.moc"
