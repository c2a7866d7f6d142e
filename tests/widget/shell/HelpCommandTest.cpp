// The help command and the main window's keys, against a recording host.

#include "common/EventHelpers.h"
#include "shell/HelpCommand.h"
#include "shell/HelpHost.h"
#include "shell/KeyCommands.h"
#include "shell/SystemInfo.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <QWidget>

#include <stdexcept>

using namespace lumo;

namespace {

class RecordingHost : public HelpHost {
public:
    bool animation = false;
    bool messageHook = true;
    bool hintHook = true;
    QStringList calls;

    void CloseMenu() override { calls << "CloseMenu"; }
    bool AnimationOn() const override { return animation; }
    void SetAnimation(bool on) override
    {
        animation = on;
        calls << (on ? "Animation on" : "Animation off");
    }
    void AttachMessageHook() override
    {
        messageHook = true;
        calls << "attach message";
    }
    void DetachMessageHook() override
    {
        messageHook = false;
        calls << "detach message";
    }
    bool HintHookAttached() const override { return hintHook; }
    void AttachHintHook() override
    {
        hintHook = true;
        calls << "attach hint";
    }
    void DetachHintHook() override
    {
        hintHook = false;
        calls << "detach hint";
    }
};

// What the host looked like while the help was on the screen.
struct DuringHelp {
    bool animation = true;
    bool messageHook = true;
    bool hintHook = true;
    QString text;
};

// A window whose key presses go through the key commands, as the main window's do.
class KeyWindow : public QWidget {
public:
    explicit KeyWindow(KeyCommands::Actions actions) : FKeys(std::move(actions)) {}

protected:
    void keyPressEvent(QKeyEvent *event) override { FKeys.FormKeyDown(event); }

private:
    KeyCommands FKeys;
};

void PostKey(QWidget *to, int key, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QCoreApplication::postEvent(to, new QKeyEvent(QEvent::KeyPress, key, mods));
    QCoreApplication::postEvent(to, new QKeyEvent(QEvent::KeyRelease, key, mods));
}

} // namespace

class HelpCommandTest : public QObject {
    Q_OBJECT

private slots:
    void hooksAndAnimationAreAwayWhileTheHelpIsShown_data()
    {
        QTest::addColumn<bool>("hints");
        QTest::addColumn<bool>("animation");
        QTest::newRow("hints on, animation on") << true << true;
        QTest::newRow("hints off, animation on") << false << true;
        QTest::newRow("hints on, animation off") << true << false;
        QTest::newRow("hints off, animation off") << false << false;
    }

    void hooksAndAnimationAreAwayWhileTheHelpIsShown()
    {
        QFETCH(bool, hints);
        QFETCH(bool, animation);
        RecordingHost host;
        host.hintHook = hints;
        host.animation = animation;
        DuringHelp during;
        int shown = 0;
        HelpCommand help(host, [&](const QString &text) {
            ++shown;
            during = {host.animation, host.messageHook, host.hintHook, text};
        });
        help.bt_helpmClick();

        QCOMPARE(shown, 1);
        QVERIFY(!during.animation);
        QVERIFY(!during.messageHook);
        QVERIFY(!during.hintHook);
        // Afterwards: the input hook back, the hints as the user had them,
        // the animation running again only if it ran before.
        QVERIFY(host.messageHook);
        QCOMPARE(host.hintHook, hints);
        QCOMPARE(host.animation, animation);
        QCOMPARE(host.calls.first(), QStringLiteral("CloseMenu"));
        QCOMPARE(host.calls.count("attach hint"), hints ? 1 : 0);
        QCOMPARE(host.calls.last(), animation ? QStringLiteral("Animation on") : QStringLiteral("Animation off"));
        // The system information heads the text, read at this opening.
        QVERIFY(during.text.startsWith(QString::fromStdString(SystemInfoText()) + QStringLiteral("\r\n#Spielbeschreibung:\r\n")));
    }

    void aFailingHelpStillPutsEverythingBack()
    {
        RecordingHost host;
        host.animation = true;
        HelpCommand help(host, [](const QString &) { throw std::runtime_error("kaputt"); });
        bool thrown = false;
        try {
            help.bt_helpmClick();
        } catch (const std::runtime_error &) {
            thrown = true;
        }
        QVERIFY(thrown);
        QVERIFY(host.messageHook);
        QVERIFY(host.hintHook);
        QVERIFY(host.animation);
        QVERIFY(!help.Showing());
        // And the next opening works.
        int shown = 0;
        HelpCommand again(host, [&](const QString &) { ++shown; });
        again.bt_helpmClick();
        QCOMPARE(shown, 1);
    }

    void aSecondOpeningWhileTheHelpIsOpenDoesNothing()
    {
        RecordingHost host;
        host.animation = true;
        int shown = 0;
        HelpCommand *self = nullptr;
        HelpCommand help(host, [&](const QString &) {
            ++shown;
            self->bt_helpmClick();
        });
        self = &help;
        help.bt_helpmClick();
        QCOMPARE(shown, 1);
        QCOMPARE(host.calls.count("Animation off"), 1);
        QCOMPARE(host.calls.count("Animation on"), 1);
        QVERIFY(host.animation);
    }

    void keys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("helps");
        QTest::addColumn<int>("switches");
        QTest::newRow("F1") << int(Qt::Key_F1) << int(Qt::NoModifier) << 1 << 0;
        QTest::newRow("Shift+F1") << int(Qt::Key_F1) << int(Qt::ShiftModifier) << 1 << 0;
        QTest::newRow("Ctrl+F1") << int(Qt::Key_F1) << int(Qt::ControlModifier) << 1 << 0;
        QTest::newRow("Alt+F1") << int(Qt::Key_F1) << int(Qt::AltModifier) << 1 << 0;
        QTest::newRow("Ctrl+Alt+Shift+F1") << int(Qt::Key_F1) << int(Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier) << 1 << 0;
        QTest::newRow("u") << int(Qt::Key_U) << int(Qt::NoModifier) << 0 << 1;
        QTest::newRow("Shift+U") << int(Qt::Key_U) << int(Qt::ShiftModifier) << 0 << 1;
        QTest::newRow("Ctrl+U") << int(Qt::Key_U) << int(Qt::ControlModifier) << 0 << 1;
        QTest::newRow("P") << int(Qt::Key_P) << int(Qt::NoModifier) << 0 << 0;
        QTest::newRow("F6") << int(Qt::Key_F6) << int(Qt::NoModifier) << 0 << 0;
        QTest::newRow("F2") << int(Qt::Key_F2) << int(Qt::NoModifier) << 0 << 0;
        QTest::newRow("T") << int(Qt::Key_T) << int(Qt::NoModifier) << 0 << 0;
        QTest::newRow("V") << int(Qt::Key_V) << int(Qt::ShiftModifier) << 0 << 0;
        QTest::newRow("Escape") << int(Qt::Key_Escape) << int(Qt::NoModifier) << 0 << 0;
    }

    void keys()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, helps);
        QFETCH(int, switches);
        int helped = 0, switched = 0;
        KeyCommands keys({[&] { ++helped; }, [&] { ++switched; }});
        QKeyEvent press(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers));
        press.ignore();
        keys.FormKeyDown(&press);
        QCOMPARE(helped, helps);
        QCOMPARE(switched, switches);
        // Consumed whatever the key.
        QVERIFY(press.isAccepted());
    }

    void heldKeysDoNotRepeatTheirCommand()
    {
        int helped = 0, switched = 0;
        KeyCommands keys({[&] { ++helped; }, [&] { ++switched; }});
        for (int key : {int(Qt::Key_U), int(Qt::Key_F1)}) {
            QKeyEvent first(QEvent::KeyPress, key, Qt::NoModifier);
            keys.FormKeyDown(&first);
            for (int i = 0; i < 5; ++i) {
                QKeyEvent repeat(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
                keys.FormKeyDown(&repeat);
                QVERIFY(repeat.isAccepted());
            }
        }
        QCOMPARE(switched, 1);
        QCOMPARE(helped, 1);
    }

    void keysQueuedMeanwhileAreDropped()
    {
        int switched = 0;
        KeyWindow window({{}, [&] { ++switched; }});
        window.show();
        // Four presses of U waiting in the queue: the first switches, and the
        // three behind it are gone by the time it is done.
        for (int i = 0; i < 4; ++i)
            PostKey(&window, Qt::Key_U);
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        QCOMPARE(switched, 1);
        PostKey(&window, Qt::Key_U);
        QCoreApplication::sendPostedEvents();
        QCOMPARE(switched, 2);
    }

    void hammeredF1GivesOneHelp()
    {
        RecordingHost host;
        int shown = 0;
        // The help's modal loop keeps delivering what is queued.
        HelpCommand help(host, [&](const QString &) {
            ++shown;
            QTest::qWait(50);
        });
        KeyWindow window({[&] { help.bt_helpmClick(); }, {}});
        window.show();
        for (int i = 0; i < 5; ++i)
            PostKey(&window, Qt::Key_F1);
        QCoreApplication::sendPostedEvents();
        QTest::qWait(20);
        QCOMPARE(shown, 1);
    }
};

QTEST_MAIN(HelpCommandTest)
#include "HelpCommandTest.moc"
