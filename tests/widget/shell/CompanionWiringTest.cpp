// The companion as wired into the real main window: the hint balloon beside
// the logo, the tip on the board, the engine's question dialog.
#include "LumoAddresses.h"
#include "MainWindowFixture.h"
#include "companion/AnimatedPicture.h"
#include "companion/TBalloon.h"
#include "companion/TForm_Message.h"
#include "lookfeel/GlassButton.h"
#include "shell/CompanionWiring.h"
#include "shell/QtGameHost.h"
#include "shell/TitleBar.h"

#include <QApplication>
#include <QMoveEvent>
#include <QTimer>
#include <QVector>

using namespace lumo;
using namespace lumo::testing;

namespace {

// Counts balloons as they open, anywhere in the program.
class BalloonCounter : public QObject {
public:
    BalloonCounter() { qApp->installEventFilter(this); }
    ~BalloonCounter() override { qApp->removeEventFilter(this); }
    int shown = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && qobject_cast<TBalloon *>(watched))
            ++shown;
        return false;
    }
};

struct CardStep {
    int card;
    int top;
    bool operator==(const CardStep &other) const { return card == other.card && top == other.top; }
};

// Records every move of the card widgets, in order.
class CardMoves : public QObject {
public:
    explicit CardMoves(TLumoForm &form)
    {
        for (int card = 1; card <= 52; ++card) {
            Parts(form).p_karten->Card(card)->installEventFilter(this);
            FCards.insert(Parts(form).p_karten->Card(card), card);
        }
    }
    QVector<CardStep> steps;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Move) {
            const auto *move = static_cast<QMoveEvent *>(event);
            steps.push_back({FCards.value(watched), move->pos().y()});
        }
        return false;
    }

private:
    QHash<QObject *, int> FCards;
};

// The steps of a tip lift: each card up by 1 px ten times, in order, then
// each back down the same way.
QVector<CardStep> LiftSteps(const QVector<QPair<int, int>> &cardsAndTops)
{
    QVector<CardStep> steps;
    for (const auto &[card, top] : cardsAndTops)
        for (int i = 1; i <= 10; ++i)
            steps.push_back({card, top - i});
    for (const auto &[card, top] : cardsAndTops)
        for (int i = 9; i >= 0; --i)
            steps.push_back({card, top - i});
    return steps;
}

} // namespace

class CompanionWiringTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { TBalloon::CloseAll(); }

    void logoIsTheSmallBirdWithTheMakersAddress()
    {
        auto form = StartedForm();
        QVERIFY(form);
        AnimatedPicture *logo = Parts(*form).panel_menue->i_logo;
        QCOMPARE(logo, Parts(*form).Companion().Logo());
        QCOMPARE(logo->geometry(), QRect(1, 1, 30, 36));
        QCOMPARE(logo->RepeatCount(), 2);
        QCOMPARE(logo->FrameCount(), 3);
        const QPixmap frame = logo->CurrentPixmap();
        QCOMPARE((QSizeF(frame.size()) / frame.devicePixelRatio()).toSize(), QSize(23, 32));
        // The build's web site, never a third party's; by default under the
        // reserved example domain, over HTTPS.
        QCOMPARE(logo->toolTip(), QStringLiteral(LUMO_WEB_SITE));
        QVERIFY(logo->toolTip().startsWith(QStringLiteral("https://")));
        QVERIFY(!logo->toolTip().contains(QStringLiteral("vemu.de")));
    }

    void sameHintTwiceOpensOneBalloonBesideTheLogo()
    {
        auto form = StartedForm();
        QVERIFY(form);
        TBalloon::CloseAll();
        BalloonCounter counter;
        const std::string tip = "Tipp!\r\nKaro F\xC3\xBCnf\r\nauf Karo Sechs";
        Parts(*form).Host().SetApplicationHint(tip);
        Parts(*form).Host().SetApplicationHint(tip);
        QCOMPARE(counter.shown, 1);

        const QList<TBalloon *> open = TBalloon::OpenBalloons();
        QCOMPARE(open.size(), 1);
        QCOMPARE(open.first()->Title(), QStringLiteral("Nächster Zug?"));
        QCOMPARE(open.first()->Text(), QString::fromStdString(tip));
        QCOMPARE(open.first()->DurationSeconds(), 2);
        // The arrow touches the logo's right edge at the window's upper edge.
        QCOMPARE(open.first()->ArrowTip(), form->geometry().topLeft() + QPoint(33, 1));
        QVERIFY(Parts(*form).Companion().Logo()->IsPlaying());
    }

    void detachedChannelShowsNoHintUntilAttachedAgain()
    {
        auto form = StartedForm();
        QVERIFY(form);
        TBalloon::CloseAll();
        BalloonCounter counter;
        Parts(*form).Companion().DetachHintChannel();
        QVERIFY(!Parts(*form).Companion().HintChannelAttached());
        Parts(*form).Host().SetApplicationHint("Neues Spiel beginnen");
        QCOMPARE(counter.shown, 0);
        QCOMPARE(Parts(*form).Companion().ApplicationHint(), QStringLiteral("Neues Spiel beginnen"));
        Parts(*form).Companion().AttachHintChannel();
        Parts(*form).Host().SetApplicationHint("Hier kannst Du keine\r\nKarte setzen!");
        QCOMPARE(counter.shown, 1);
        QCOMPARE(TBalloon::OpenBalloons().first()->Title(), QString());
    }

    void pressOnTheBackgroundClosesTheHintBalloonOnlyToDrag_data()
    {
        QTest::addColumn<QString>("place");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<bool>("closes");
        QTest::newRow("left on the title bar") << QStringLiteral("bar") << Qt::LeftButton << true;
        QTest::newRow("left on the table") << QStringLiteral("table") << Qt::LeftButton << true;
        // A right press is the tip request; the tip's balloon stays.
        QTest::newRow("right on the table") << QStringLiteral("table") << Qt::RightButton << false;
    }

    void pressOnTheBackgroundClosesTheHintBalloonOnlyToDrag()
    {
        QFETCH(QString, place);
        QFETCH(Qt::MouseButton, button);
        QFETCH(bool, closes);
        auto form = StartedForm();
        QVERIFY(form);
        // Backgrounds: the bar left of the title label, the table left of the foundations.
        QWidget *target = place == QStringLiteral("bar") ? static_cast<QWidget *>(Parts(*form).panel_menue)
                                                        : static_cast<QWidget *>(Parts(*form).p_karten);
        const QPoint at = place == QStringLiteral("bar") ? QPoint(112, 5) : QPoint(5, 125);
        QVERIFY(!target->childAt(at));
        Parts(*form).Host().SetApplicationHint("Tipp!\r\nPik Neun\r\nauf Pik Zehn");
        QCOMPARE(TBalloon::OpenBalloons().size(), 1);
        QTest::mousePress(target, button, {}, at);
        QTest::mouseRelease(target, button, {}, at);
        QCOMPARE(TBalloon::OpenBalloons().isEmpty(), closes);
    }

    void tipWithoutTipTextShowsNothingAndLiftsNoCard()
    {
        auto form = StartedForm();
        QVERIFY(form);
        Parts(*form).Engine().SetPosition(TwoMovesPosition(1));
        QVERIFY(Parts(*form).Engine().TipText().empty());
        QVERIFY(Parts(*form).Engine().Ready());
        TBalloon::CloseAll();
        BalloonCounter counter;
        CardMoves moves(*form);
        // The tip returns at once: it neither waits nor processes events.
        bool eventsProcessed = false;
        QTimer::singleShot(0, form.get(), [&] { eventsProcessed = true; });
        Parts(*form).ShowTip();
        QVERIFY(!eventsProcessed);
        QCOMPARE(counter.shown, 0);
        QVERIFY(moves.steps.isEmpty());
    }

    void tipLiftsTheCardsOfTheMove_data()
    {
        QTest::addColumn<QVector<int>>("pileTops");  // one card per pile, piles 1..n
        QTest::addColumn<QVector<int>>("secondCards"); // a card under pile 1's, or none
        QTest::addColumn<QString>("tipEnd");
        QTest::addColumn<bool>("withTarget");
        // Karo Fünf goes on Karo Sechs: both rise, source first.
        QTest::newRow("card on card") << QVector<int>{KaroFuenf, KaroSechs, HerzDrei, HerzVier}
                                      << QVector<int>{} << QStringLiteral("auf Karo Sechs") << true;
        // A König for an empty place: only the König rises.
        QTest::newRow("king to an empty place") << QVector<int>{KreuzKoenig, HerzDrei}
                                                << QVector<int>{PikNeun}
                                                << QStringLiteral("auf leeres Feld setzen!") << false;
    }

    void tipLiftsTheCardsOfTheMove()
    {
        QFETCH(QVector<int>, pileTops);
        QFETCH(QVector<int>, secondCards);
        QFETCH(QString, tipEnd);
        QFETCH(bool, withTarget);
        auto form = StartedForm();
        QVERIFY(form);
        BoardPosition position;
        position.level = 1;
        for (int p = 0; p < pileTops.size(); ++p)
            position.piles[static_cast<std::size_t>(p)] = {pileTops[p]};
        for (int card : secondCards)
            position.piles[0].insert(position.piles[0].begin(), card);
        Game &game = Parts(*form).Engine();
        game.SetPosition(position);
        QVERIFY(game.Evaluate());
        Parts(*form).Host().Render();
        const QString tipText = QString::fromStdString(game.TipText());
        QVERIFY2(tipText.startsWith(QStringLiteral("Tipp!")) && tipText.endsWith(tipEnd), qPrintable(tipText));
        const int source = game.HintSource();
        const int target = game.HintTarget();
        QCOMPARE(source, pileTops[0]);
        QCOMPARE(target >= 1 && target <= 52, withTarget);

        QVector<QPair<int, int>> lifted{{source, Parts(*form).p_karten->Card(source)->y()}};
        if (withTarget)
            lifted.push_back({target, Parts(*form).p_karten->Card(target)->y()});
        CardMoves moves(*form);
        TBalloon::CloseAll();
        Parts(*form).ShowTip();

        QCOMPARE(moves.steps, LiftSteps(lifted));
        for (const auto &[card, top] : lifted)
            QCOMPARE(Parts(*form).p_karten->Card(card)->y(), top);
        const QList<TBalloon *> open = TBalloon::OpenBalloons();
        QCOMPARE(open.size(), 1);
        QCOMPARE(open.first()->Text(), tipText);
    }

    void lostGameQuestionIsTheMessageDialogCentredOverTheWindow()
    {
        auto form = StartedForm();
        QVERIFY(form);
        QRect dialogGeometry;
        QString shown;
        QTimer::singleShot(50, form.get(), [&] {
            auto *dialog = qobject_cast<TForm_Message *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            dialogGeometry = dialog->frameGeometry();
            shown = dialog->DisplayedText();
            dialog->YesButton()->click();
        });
        const bool answer = Parts(*form).Host().AskQuestion("Leider hast Du verloren.\r\nNeues Spiel beginnen?");
        QVERIFY2(!shown.isEmpty(), "no message dialog was shown");
        QVERIFY(answer);
        QVERIFY(shown.startsWith(QStringLiteral("Frage:")));
        const QRect main = form->frameGeometry();
        QCOMPARE(dialogGeometry.left(), (main.width() - dialogGeometry.width()) / 2 + main.left());
        QCOMPARE(dialogGeometry.top(), (main.height() - dialogGeometry.height()) / 2 + main.top());
    }
};

QTEST_MAIN(CompanionWiringTest)
#include "CompanionWiringTest.moc"
