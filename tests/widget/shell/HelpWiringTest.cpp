// The help as wired into the real main window: F1, bt_help and bt_helpm open
// the about box with the help text; U switches the music; the hooks, the hints
// and the animation are away while the help is open and back afterwards.
#include "MainWindowFixture.h"
#include "common/FileHelpers.h"
#include "companion/HintChannel.h"
#include "shell/InputClickHook.h"
#include "shell/MenuController.h"
#include "shell/MenuPanel.h"
#include "shell/SoundWiring.h"
#include "shell/SystemInfo.h"
#include "shell/TForm_Ueber.h"
#include "shell/TScrollingText.h"
#include "shell/TitleBar.h"
#include "sound/ToneOutput.h"
#include "timing/Bee.h"
#include "timing/CreatureAnimation.h"
#include "timing/Hare.h"
#include "timing/Ladybird.h"
#include "timing/TCKMultimediaTimer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDate>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QPointer>
#include <QTimer>

#include <functional>

using namespace lumo;
using namespace lumo::testing;

namespace {

// Written out here rather than taken from the program, blanks and all: the
// indented rows start with thirteen blanks.
const QStringList kDescription = {
    "#Spielbeschreibung:",
    "Das Ziel von Lumo besteht darin, aus sämtlichen Karten, die in den unteren 18 Stapeln verteilt sind,",
    "auf die vier obigen Zielstapel in aufsteigender Reihenfolge von As bis König zu verteilen.",
    "Dazu mußt Du die Karten des unteren Stapels nach Farbe und absteigender Reihenfolge sortieren,",
    "in dem Du die oberste Karte eines Kartenstapels mit der Maus erfasst und auf die dazugehörige Karte",
    "schiebst. Passt eine Karte auf einem Stapel von oben, ordnet sich diese automatisch ein.",
    "Beispiel: Nehme die Kreuz Dame und setze sie auf Kreuz König. Willst Du sehen welche Karten",
    "sich unterhalb der oberen Karte befinden, so klicke einfach auf den Rahmen der Karte.",
    "",
    "Dir stehen 3 Schwierigkeitsstufen zur Verfügung.",
    "Beim Start von Lumo ist die Schwierigkeitsstufe 1 eingestellt.",
    "Stufe 1: Du darfst die Karten dreimal neu mischen.",
    "             Wenn ein König auf einem Stapel oben liegt,",
    "             darfst Du ihn auf ein leeres Feld ziehen.",
    "Stufe 2: Du darfst die Karten zweimal neu mischen.",
    "             Ein obenaufliegender König darf nicht verschoben werden.",
    "Stufe 3: Du darfst die Karten einmal neu mischen.",
    "             Ein obenaufliegender König darf nicht verschoben werden.",
    "",
    "Dir steht mit Hilfe des Vogels ein Tipp für den",
    "nächsten Zug zur Seite. Klicke dafür die rechte Maustaste.",
    "Dies muss aber nicht der optimalste Zug sein.",
    "",
    "Das Programm wurde ausgiebig getestet. Der Einsatz erfolgt jedoch auf eigenes Risiko.",
    "Eine Haftung des Herstellers für jedwede Mängel oder Folgen in Bezug auf den Einsatz der Software",
    "besteht nicht.",
};

class FakeDevices : public ToneOutput {
public:
    bool WaveOutputPresent() override { return true; }
    bool MidiOutputPresent() override { return true; }
    void PlayTone(int, int, int) override {}
    void PlayApplause() override {}
};

// What the program looked like while the about box was open.
struct DuringHelp {
    int boxes = 0;
    QStringList lines;
    bool animation = true;
    bool clickHook = true;
    bool hints = true;
    bool menuShown = true;
    bool creaturesShown = true;
    bool creaturesTicking = true;
};

// Whether any creature is on the table, and whether any of their timers runs.
bool CreaturesShown(CreatureAnimation &c)
{
    for (QWidget *picture : c.Pictures())
        if (picture->isVisibleTo(picture->parentWidget()))
            return true;
    return false;
}

bool CreaturesTicking(CreatureAnimation &c)
{
    for (TCKMultimediaTimer *t : {c.Biene().t_biene, c.Biene().t_ani, c.Kaefer().t_kaefer, c.Hase().t_hase})
        if (t->Enabled())
            return true;
    return false;
}

// Watches for about boxes: records the state once one is open and its roll
// runs, then closes it with Escape, as the user would.
class HelpWatcher : public QObject {
public:
    HelpWatcher(TLumoForm &form, std::function<void(TForm_Ueber *)> whileOpen = {})
        : FForm(form), FWhileOpen(std::move(whileOpen))
    {
        FTimer.setInterval(10);
        connect(&FTimer, &QTimer::timeout, this, [this] { Look(); });
        FTimer.start();
        // A box nobody closes must not hang the run.
        QTimer::singleShot(20000, this, [] {
            if (auto *box = qobject_cast<TForm_Ueber *>(QApplication::activeModalWidget()))
                box->done(QDialog::Rejected);
        });
    }
    DuringHelp seen;

private:
    void Look()
    {
        auto *box = qobject_cast<TForm_Ueber *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible() || !box->Roll()->Active() || box == FLast)
            return;
        FLast = box;
        ++seen.boxes;
        seen.lines = box->Roll()->Lines();
        seen.animation = Parts(FForm).FAnimationOn;
        seen.clickHook = Parts(FForm).Sound().ClickHook().Installed();
        seen.hints = Parts(FForm).Companion().Channel().IsAttached();
        seen.menuShown = Parts(FForm).Menu().MenuShown();
        seen.creaturesShown = CreaturesShown(Parts(FForm).Creatures());
        seen.creaturesTicking = CreaturesTicking(Parts(FForm).Creatures());
        if (FWhileOpen)
            FWhileOpen(box);
        QTest::keyClick(box, Qt::Key_Escape);
    }

    TLumoForm &FForm;
    std::function<void(TForm_Ueber *)> FWhileOpen;
    QTimer FTimer;
    QPointer<TForm_Ueber> FLast;
};

} // namespace

class HelpWiringTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TLumoForm> form;
    FakeDevices devices;
    QTemporaryDir temp;

    // Lets the key or click that opened the help run its course: the box is
    // modal, so this returns once the watcher has closed it.
    void Settle() { QTest::qWait(50); }

private slots:
    void initTestCase()
    {
        QVERIFY(temp.isValid());
        qputenv("TMPDIR", temp.path().toLocal8Bit());
    }

    void init()
    {
        form = StartedForm();
        QVERIFY(form);
        Parts(*form).kopf_timer->SetEnabled(false);
        Parts(*form).Sounds().ReplaceForTests(&devices);
        Parts(*form).Sound().SetMusic(false);
    }

    void cleanup()
    {
        form.reset();
    }

    void f1ShowsTheSystemInformationAndTheDescription_data()
    {
        QTest::addColumn<int>("modifiers");
        QTest::newRow("F1") << int(Qt::NoModifier);
        QTest::newRow("Shift+F1") << int(Qt::ShiftModifier);
        QTest::newRow("Ctrl+F1") << int(Qt::ControlModifier);
        QTest::newRow("Alt+F1") << int(Qt::AltModifier);
    }

    void f1ShowsTheSystemInformationAndTheDescription()
    {
        QFETCH(int, modifiers);
        HelpWatcher watcher(*form);
        QTest::keyClick(form.get(), Qt::Key_F1, Qt::KeyboardModifiers(modifiers));
        Settle();
        QCOMPARE(watcher.seen.boxes, 1);

        const QStringList &lines = watcher.seen.lines;
        QCOMPARE(lines.size(), 4 + 1 + kDescription.size());
        const QString base = QString::fromStdString(ProgramBaseName());
        QCOMPARE(lines[0], base + QStringLiteral(" Version 26.4.6.0"));
        QCOMPARE(lines[1], QStringLiteral("© 2003/%1 vemu").arg(QDate::currentDate().year()));
        QVERIFY2(QRegularExpression(QStringLiteral("^System: .* (\\d\\d-Bit )?$")).match(lines[2]).hasMatch(),
                 qPrintable(lines[2]));
        QVERIFY2(QRegularExpression(QStringLiteral("^Computer \\((Notebook|PC-System)\\): .+$")).match(lines[3]).hasMatch(),
                 qPrintable(lines[3]));
        QCOMPARE(lines[4], QString());
        for (int row = 0; row < kDescription.size(); ++row)
            QVERIFY2(lines[5 + row] == kDescription[row],
                     qPrintable(QStringLiteral("row %1: '%2'").arg(row + 1).arg(lines[5 + row])));
    }

    void bothHelpButtonsOpenIt()
    {
        for (QAbstractButton *button : {Parts(*form).panel_menue->bt_help, Parts(*form).p_menue->bt_helpm}) {
            HelpWatcher watcher(*form);
            button->click();
            Settle();
            QCOMPARE(watcher.seen.boxes, 1);
            QCOMPARE(watcher.seen.lines.value(5), QStringLiteral("#Spielbeschreibung:"));
        }
    }

    void hintsAndAnimationAreAwayDuringTheHelpAndComeBackAsTheyWere_data()
    {
        QTest::addColumn<bool>("hints");
        QTest::addColumn<bool>("animation");
        QTest::newRow("hints on, animation on") << true << true;
        QTest::newRow("hints off, animation on") << false << true;
        QTest::newRow("hints on, animation off") << true << false;
        QTest::newRow("hints off, animation off") << false << false;
    }

    void hintsAndAnimationAreAwayDuringTheHelpAndComeBackAsTheyWere()
    {
        QFETCH(bool, hints);
        QFETCH(bool, animation);
        HintChannel &channel = Parts(*form).Companion().Channel();
        channel.SetAttached(hints);
        // Through the window's own switch, so the creatures really run.
        CreatureAnimation &creatures = Parts(*form).Creatures();
        creatures.SetAnimation(animation ? 1 : 0);
        QCOMPARE(CreaturesShown(creatures), animation);
        QCOMPARE(CreaturesTicking(creatures), animation);
        Parts(*form).bt_menueClick();
        QVERIFY(Parts(*form).Menu().MenuShown());

        HelpWatcher watcher(*form);
        QTest::keyClick(form.get(), Qt::Key_F1);
        Settle();
        QCOMPARE(watcher.seen.boxes, 1);
        QVERIFY(!watcher.seen.menuShown);
        QVERIFY(!watcher.seen.animation);
        QVERIFY(!watcher.seen.clickHook);
        QVERIFY(!watcher.seen.hints);
        QVERIFY(!watcher.seen.creaturesShown);
        QVERIFY(!watcher.seen.creaturesTicking);

        QCOMPARE(channel.IsAttached(), hints);
        QCOMPARE(Parts(*form).FAnimationOn, animation);
        QCOMPARE(CreaturesShown(creatures), animation);
        QCOMPARE(CreaturesTicking(creatures), animation);
        QVERIFY(Parts(*form).Sound().ClickHook().Installed());
    }

    void uSwitchesTheMusic_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("switches");
        QTest::newRow("u") << int(Qt::Key_U) << int(Qt::NoModifier) << true;
        QTest::newRow("Shift+U") << int(Qt::Key_U) << int(Qt::ShiftModifier) << true;
        QTest::newRow("P") << int(Qt::Key_P) << int(Qt::NoModifier) << false;
        QTest::newRow("F6") << int(Qt::Key_F6) << int(Qt::NoModifier) << false;
        QTest::newRow("M") << int(Qt::Key_M) << int(Qt::NoModifier) << false;
    }

    void uSwitchesTheMusic()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, switches);
        HelpWatcher watcher(*form);
        QVERIFY(!Parts(*form).FMusicOn);
        QTest::keyClick(form.get(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        Settle();
        QCOMPARE(Parts(*form).FMusicOn, switches);
        QCOMPARE(watcher.seen.boxes, 0);
        if (switches) {
            QTest::keyClick(form.get(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
            QVERIFY(!Parts(*form).FMusicOn);
        }
    }

    void queuedPressesGiveOneHelpAndOneSwitch()
    {
        HelpWatcher watcher(*form);
        for (int i = 0; i < 5; ++i) {
            QCoreApplication::postEvent(form.get(), new QKeyEvent(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier));
            QCoreApplication::postEvent(form.get(), new QKeyEvent(QEvent::KeyRelease, Qt::Key_F1, Qt::NoModifier));
        }
        QCoreApplication::sendPostedEvents();
        Settle();
        QCOMPARE(watcher.seen.boxes, 1);

        for (int i = 0; i < 4; ++i) {
            QCoreApplication::postEvent(form.get(), new QKeyEvent(QEvent::KeyPress, Qt::Key_U, Qt::NoModifier));
            QCoreApplication::postEvent(form.get(), new QKeyEvent(QEvent::KeyRelease, Qt::Key_U, Qt::NoModifier));
        }
        QCoreApplication::sendPostedEvents();
        Settle();
        QVERIFY(Parts(*form).FMusicOn);
        Parts(*form).Sound().SetMusic(false);
    }

    void theRollRepaintsNothingOfTheTable()
    {
        struct PaintCounter : QObject {
            int paints = 0;
            bool eventFilter(QObject *, QEvent *event) override
            {
                if (event->type() == QEvent::Paint)
                    ++paints;
                return false;
            }
        } table, roll;
        int steps = 0;
        HelpWatcher watcher(*form, [&](TForm_Ueber *box) {
            QTest::qWait(100);
            for (QWidget *w : {static_cast<QWidget *>(form.get()), static_cast<QWidget *>(Parts(*form).p_haupt),
                               static_cast<QWidget *>(Parts(*form).p_karten)})
                w->installEventFilter(&table);
            box->Roll()->installEventFilter(&roll);
            const int start = box->Roll()->Offset();
            QTest::qWait(35 * 20);
            steps = start - box->Roll()->Offset();
        });
        QTest::keyClick(form.get(), Qt::Key_F1);
        Settle();
        QCOMPARE(watcher.seen.boxes, 1);
        QVERIFY2(steps >= 5, qPrintable(QString::number(steps)));
        QVERIFY2(roll.paints >= 5, qPrintable(QString::number(roll.paints)));
        QCOMPARE(table.paints, 0);
    }
};

QTEST_MAIN(HelpWiringTest)
#include "HelpWiringTest.moc"
