#include "companion/AnimatedPicture.h"
#include "companion/CompanionArt.h"
#include "companion/HintBalloonPresenter.h"
#include "companion/HintChannel.h"
#include "companion/TBalloon.h"
#include "companion/TBalloonControl.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolTip>

using namespace lumo;

class HintTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        TBalloon::CloseAll();
    }

    void sameTextTwiceIsReportedOnce()
    {
        HintChannel channel;
        channel.SetWidgetUnderPointer([] { return nullptr; });
        channel.SetAttached(true);
        QSignalSpy spy(&channel, &HintChannel::HintChanged);
        channel.SetHint(QStringLiteral("Tipp! Herz 5 auf Herz 6"));
        channel.SetHint(QStringLiteral("Tipp! Herz 5 auf Herz 6"));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("Tipp! Herz 5 auf Herz 6"));
        channel.SetHint(QStringLiteral("Anderer Text"));
        QCOMPARE(spy.count(), 2);
    }

    void detachedChannelKeepsTheTextButReportsNothing()
    {
        HintChannel channel;
        channel.SetWidgetUnderPointer([] { return nullptr; });
        QSignalSpy spy(&channel, &HintChannel::HintChanged);
        channel.SetHint(QStringLiteral("still"));
        QCOMPARE(channel.Hint(), QStringLiteral("still"));
        QCOMPARE(spy.count(), 0);
        channel.SetAttached(true);
        channel.SetHint(QStringLiteral("laut"));
        QCOMPARE(spy.count(), 1);
    }

    void idleTakesTheHintOfTheControlOrItsNearestAncestor()
    {
        QWidget window;
        window.setToolTip(QStringLiteral("Fenster"));
        auto *panel = new QWidget(&window);
        panel->setToolTip(QStringLiteral("Neues Spiel starten"));
        auto *inner = new QWidget(panel);
        auto *bare = new QWidget;  // no hint anywhere up
        QWidget *under = inner;

        HintChannel channel;
        channel.SetWidgetUnderPointer([&under] { return under; });
        channel.SetAttached(true);
        QSignalSpy spy(&channel, &HintChannel::HintChanged);

        channel.Idle();
        QCOMPARE(channel.Hint(), QStringLiteral("Neues Spiel starten"));
        // A text set directly stays until an idle moment brings a different one.
        channel.SetHint(QStringLiteral("Tipp! Kreuz 2 auf Kreuz 3"));
        QCOMPARE(spy.count(), 2);
        under = bare;
        channel.Idle();
        QCOMPARE(channel.Hint(), QString());
        QCOMPARE(spy.count(), 3);
        channel.Idle();
        QCOMPARE(spy.count(), 3);
        delete bare;
    }

    void idleMomentsOfTheEventLoopUpdateTheHint()
    {
        QWidget control;
        control.setToolTip(QStringLiteral("Sound ausschalten"));
        HintChannel channel;
        channel.SetWidgetUnderPointer([&control] { return &control; });
        // A loop that waits for events goes idle before each wait.
        QEventLoop loop;
        QTimer::singleShot(100, &loop, &QEventLoop::quit);
        loop.exec();
        QCOMPARE(channel.Hint(), QStringLiteral("Sound ausschalten"));
    }

    // The look at the pointer is a round trip to the display; an idle window
    // must not repeat it at every pass of the event loop.
    void idleLooksAtThePointerOnlyAfterSomethingMayHaveChanged()
    {
        QWidget control;
        control.setToolTip(QStringLiteral("Menü öffnen"));
        int looks = 0;
        HintChannel channel;
        channel.SetWidgetUnderPointer([&] { ++looks; return &control; });

        channel.Idle();
        channel.Idle();
        QCOMPARE(looks, 1);
        QCOMPARE(channel.Hint(), QStringLiteral("Menü öffnen"));

        // Bare events go to a plain object, which the application's filter
        // sees like any other receiver.
        QObject receiver;
        // Events that cannot change what is under the pointer.
        QEvent title(QEvent::WindowTitleChange);
        QCoreApplication::sendEvent(&receiver, &title);
        QTimerEvent tick(1);
        QCoreApplication::sendEvent(&receiver, &tick);
        channel.Idle();
        QCOMPARE(looks, 1);

        const struct { QEvent::Type type; const char *name; } changes[] = {
            {QEvent::Enter, "enter"}, {QEvent::Leave, "leave"}, {QEvent::Show, "show"},
            {QEvent::Hide, "hide"},   {QEvent::Move, "move"},   {QEvent::ToolTipChange, "hint"},
        };
        for (const auto &change : changes) {
            const int before = looks;
            QEvent event(change.type);
            QCoreApplication::sendEvent(&receiver, &event);
            channel.Idle();
            channel.Idle();
            QVERIFY2(looks == before + 1, change.name);
        }

        // A real pointer move, and a changed hint of the control under it.
        QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), QPointF(3, 3), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&control, &move);
        control.setToolTip(QStringLiteral("Menü schließen"));
        channel.Idle();
        QCOMPARE(channel.Hint(), QStringLiteral("Menü schließen"));

        // A text set directly is replaced at the next idle moment, as before.
        channel.SetHint(QStringLiteral("Tipp! Pik 9 auf Pik 10"));
        channel.Idle();
        QCOMPARE(channel.Hint(), QStringLiteral("Menü schließen"));
    }

    void nativeTooltipsNeverShow()
    {
        QWidget control;
        control.setToolTip(QStringLiteral("Hilfe anzeigen"));
        control.resize(50, 50);
        control.show();
        HintChannel channel;
        QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), control.mapToGlobal(QPoint(5, 5)));
        QCoreApplication::sendEvent(&control, &help);
        QVERIFY(!QToolTip::isVisible());
    }

    void presenterShowsLongTextsBesideTheLogo()
    {
        QWidget window;
        window.setGeometry(100, 120, 400, 300);
        AnimatedPicture *logo = CompanionArt::MakeBirdLogo(&window);
        logo->move(3, 3);
        window.show();
        HintBalloonPresenter presenter(logo);

        presenter.ShowHintBalloon(QStringLiteral("Tipp! Pik 7 auf Pik 8"));
        QCOMPARE(TBalloon::OpenBalloons().size(), 1);
        QPointer<TBalloon> tip = TBalloon::OpenBalloons().first();
        QCOMPARE(tip->Title(), QStringLiteral("Nächster Zug?"));
        QVERIFY(tip->IconShown());
        QCOMPARE(tip->DurationSeconds(), 2);
        QCOMPARE(tip->Position(), blnArrowTopRight);
        // Right edge of the logo, at the window's upper edge.
        QCOMPARE(tip->ArrowTip(), window.mapToGlobal(QPoint(33, 1)));
        QVERIFY(logo->IsPlaying());

        // Short texts leave the balloon as it is.
        presenter.ShowHintBalloon(QStringLiteral("  ab  "));
        presenter.ShowHintBalloon(QStringLiteral("abc"));
        QCOMPARE(TBalloon::OpenBalloons().size(), 1);
        QVERIFY(!tip.isNull());

        // A new text replaces the balloon; without "Tipp!" there is no title.
        presenter.ShowHintBalloon(QStringLiteral("Hier kannst Du keine\r\nKarte setzen!"));
        QTRY_VERIFY(tip.isNull());
        QCOMPARE(TBalloon::OpenBalloons().size(), 1);
        TBalloon *notice = TBalloon::OpenBalloons().first();
        QCOMPARE(notice->Title(), QString());
        QVERIFY(!notice->IconShown());
        QCOMPARE(notice->Layout().text.top, 12);
    }

    void channelAndPresenterShowASetTextOnce()
    {
        QWidget window;
        AnimatedPicture *logo = CompanionArt::MakeBirdLogo(&window);
        window.show();
        HintChannel channel;
        channel.SetWidgetUnderPointer([] { return nullptr; });
        HintBalloonPresenter presenter(logo);
        int shown = 0;
        connect(&channel, &HintChannel::HintChanged, &presenter, [&](const QString &h) {
            ++shown;
            presenter.ShowHintBalloon(h);
        });
        channel.SetAttached(true);
        channel.SetHint(QStringLiteral("Neues Spiel starten"));
        QPointer<TBalloon> first = TBalloon::OpenBalloons().value(0);
        channel.SetHint(QStringLiteral("Neues Spiel starten"));
        QCOMPARE(shown, 1);
        QVERIFY(!first.isNull());
        QCOMPARE(TBalloon::OpenBalloons().size(), 1);
    }
};

QTEST_MAIN(HintTest)
#include "HintTest.moc"
