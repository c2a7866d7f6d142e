#include "BoardMouseTest.h"

#include "MainWindowFixture.h"
#include "shell/MenuPanel.h"
#include "table/BoardMouse.h"
#include "table/TableImage.h"

#include <QAbstractButton>
#include <QLabel>
#include <QTimer>

#include <map>
#include <vector>

namespace lumo::testing {

namespace {

QPoint CardPos(TLumoForm &form, int card)
{
    return Parts(form).p_karten->Card(card)->pos();
}

QPoint OnPile(int pile)
{
    return QPoint(PileFrameLeft(pile) + kCardInsetX, PileFrameTop(pile) + kCardInsetY);
}

} // namespace

void BoardMouseTest::dropOnFittingPileMovesTheCard()
{
    auto form = StartedForm();
    QVERIFY(form);
    Game &game = Parts(*form).Engine();
    game.SetPosition(TwoMovesPosition(1));

    DragCardTo(*form, KaroFuenf, FrameCentre(2));

    QCOMPARE(game.PileCount(1), 0);
    QCOMPARE(game.PileCount(2), 2);
    QCOMPARE(game.PileCard(2, 2), KaroFuenf);
    QCOMPARE(game.Moves(), 1);
    QCOMPARE(game.Points(), 20);
    QCOMPARE(CardPos(*form, KaroFuenf), OnPile(2));
    // The moved card lies in front of the card it covers.
    QVERIFY(Parts(*form).p_karten->childAt(OnPile(2) + QPoint(30, 40)) == Parts(*form).p_karten->Card(KaroFuenf));
    QVERIFY(!Parts(*form).Mouse().Dragging());
}

void BoardMouseTest::refusedDropReturnsTheCard_data()
{
    QTest::addColumn<QPoint>("releaseAt");
    QTest::addColumn<int>("pointsChange");
    // Herz Vier's pile does not take Karo Fünf; it lies far from pile 1.
    QTest::newRow("far onto a wrong pile costs five") << FrameCentre(4) << -5;
    // Released within a card's width of where it started: no penalty.
    QTest::newRow("near its start is free") << FrameCentre(1) + QPoint(40, 20) << 0;
    // Above the drop line nothing is taken; released far from its start it costs.
    QTest::newRow("above the drop line, far away") << QPoint(200, 20) << -5;
}

void BoardMouseTest::refusedDropReturnsTheCard()
{
    QFETCH(QPoint, releaseAt);
    QFETCH(int, pointsChange);
    auto form = StartedForm();
    QVERIFY(form);
    Game &game = Parts(*form).Engine();
    game.SetPosition(TwoMovesPosition(1));
    const int before = game.Points();

    DragCardTo(*form, KaroFuenf, releaseAt);

    QCOMPARE(game.PileCount(1), 1);
    QCOMPARE(game.PileCount(4), 1);
    QCOMPARE(game.Moves(), 0);
    QCOMPARE(game.Points() - before, pointsChange);
    QCOMPARE(CardPos(*form, KaroFuenf), OnPile(1));
}

void BoardMouseTest::koenigOntoEmptyPile_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<bool>("lands");
    QTest::newRow("level 1 takes it") << 1 << true;
    QTest::newRow("level 2 refuses") << 2 << false;
    QTest::newRow("level 3 refuses") << 3 << false;
}

void BoardMouseTest::koenigOntoEmptyPile()
{
    QFETCH(int, level);
    QFETCH(bool, lands);
    auto form = StartedForm();
    QVERIFY(form);
    Game &game = Parts(*form).Engine();
    BoardPosition position = TwoMovesPosition(level);
    position.piles[4] = {KreuzZwei, KreuzKoenig};
    game.SetPosition(position);

    // Pile 6 is empty and lies one frame to the right of pile 5.
    DragCardTo(*form, KreuzKoenig, FrameCentre(6));

    QCOMPARE(game.PileCount(6), lands ? 1 : 0);
    QCOMPARE(game.PileCount(5), lands ? 1 : 2);
    QCOMPARE(CardPos(*form, KreuzKoenig), OnPile(lands ? 6 : 5));
}

void BoardMouseTest::noDragWithRightButtonOrFromBelowTheTop()
{
    auto form = StartedForm();
    QVERIFY(form);
    Game &game = Parts(*form).Engine();
    BoardPosition position = TwoMovesPosition(1);
    position.piles[0] = {PikNeun, KaroFuenf};
    game.SetPosition(position);

    DragCardTo(*form, KaroFuenf, FrameCentre(2), Qt::RightButton);
    QVERIFY(!Parts(*form).Mouse().Dragging());
    QCOMPARE(game.PileCount(1), 2);
    QCOMPARE(CardPos(*form, KaroFuenf), OnPile(1));

    // Pik Neun lies beneath Karo Fünf: pressing it starts nothing. Raise it
    // so the press reaches it.
    Parts(*form).p_karten->Card(PikNeun)->raise();
    DragCardTo(*form, PikNeun, FrameCentre(3));
    QCOMPARE(game.PileCount(1), 2);
    QCOMPARE(game.PileCount(3), 1);
    QCOMPARE(CardPos(*form, PikNeun), OnPile(1));
}

void BoardMouseTest::draggedCardStopsAtTheTableLimits()
{
    auto form = StartedForm();
    QVERIFY(form);
    Parts(*form).Engine().SetPosition(TwoMovesPosition(1));
    TPlayingCards *card = Parts(*form).p_karten->Card(KaroFuenf);
    const QPoint grab(kCardWidth / 2, kCardHeight / 2);
    QTest::mousePress(card, Qt::LeftButton, {}, grab);
    QVERIFY(Parts(*form).Mouse().Dragging());
    // Far up and far right of the table.
    QTest::mouseMove(card, card->mapFrom(Parts(*form).p_karten, QPoint(900, -200)));
    QCOMPARE(card->pos(), QPoint(717, 125));
    // Far down and far left.
    QTest::mouseMove(card, card->mapFrom(Parts(*form).p_karten, QPoint(-300, 900)));
    QCOMPARE(card->pos(), QPoint(1, 387));
    QTest::mouseRelease(card, Qt::LeftButton, {}, card->mapFrom(Parts(*form).p_karten, QPoint(-300, 900)));
    QCOMPARE(card->pos(), OnPile(1));
}

void BoardMouseTest::pilePeekSpreadsTwentyPixelsApart_data()
{
    QTest::addColumn<int>("pile");
    QTest::addColumn<int>("step");
    QTest::newRow("pile 3 spreads downwards") << 3 << 20;
    QTest::newRow("pile 15 spreads upwards") << 15 << -20;
}

void BoardMouseTest::pilePeekSpreadsTwentyPixelsApart()
{
    QFETCH(int, pile);
    QFETCH(int, step);
    auto form = StartedForm();
    QVERIFY(form);
    Game &game = Parts(*form).Engine();
    BoardPosition position;
    position.level = 1;
    const std::vector<int> cards{2, 3, 4, 5, 6}; // Kreuz Zwei .. Sechs
    position.piles[static_cast<std::size_t>(pile - 1)] = cards;
    position.piles[0].push_back(HerzDrei);
    position.piles[1].push_back(HerzVier);
    game.SetPosition(position);

    // Watch the cards while the peek runs; remember whether they were ever
    // all spread at once, and whether Ready was off then.
    bool sawSpread = false;
    bool readyDuringPeek = false;
    QTimer sampler;
    sampler.setInterval(5);
    QObject::connect(&sampler, &QTimer::timeout, [&] {
        bool spread = true;
        for (std::size_t i = 0; i < cards.size(); ++i) {
            const QPoint want = OnPile(pile) + QPoint(0, step * static_cast<int>(i));
            spread = spread && Parts(*form).p_karten->Card(cards[i])->pos() == want;
        }
        if (spread) {
            sawSpread = true;
            readyDuringPeek = readyDuringPeek || game.Ready();
        }
    });
    sampler.start();
    // A click on the frame's border, beside the stacked cards.
    QTest::mouseClick(Parts(*form).p_karten->PileFrame(pile), Qt::LeftButton, {}, QPoint(3, 50));
    sampler.stop();

    QVERIFY(sawSpread);
    QVERIFY(!readyDuringPeek);
    for (int card : cards)
        QCOMPARE(Parts(*form).p_karten->Card(card)->pos(), OnPile(pile));
    QVERIFY(game.Ready());
    QVERIFY(Parts(*form).p_karten->Card(cards.back())->OnMouseMove);
}

void BoardMouseTest::singleCardPileDoesNotSpread()
{
    auto form = StartedForm();
    QVERIFY(form);
    Parts(*form).Engine().SetPosition(TwoMovesPosition(1));
    bool moved = false;
    QTimer sampler;
    sampler.setInterval(5);
    QObject::connect(&sampler, &QTimer::timeout, [&] {
        moved = moved || CardPos(*form, KaroFuenf) != OnPile(1);
    });
    sampler.start();
    QTest::mouseClick(Parts(*form).p_karten->PileFrame(1), Qt::LeftButton, {}, QPoint(3, 50));
    QTest::qWait(50);
    sampler.stop();
    QVERIFY(!moved);
    QVERIFY(Parts(*form).Engine().Ready());
}

void BoardMouseTest::foundationPeekSpreadsDownwards()
{
    auto form = StartedForm();
    QVERIFY(form);
    BoardPosition position = TwoMovesPosition(1);
    position.foundationCounts = {0, 0, 0, 3}; // Kreuz As, Zwei, Drei on foundation 4
    position.piles[4] = {KreuzKoenig};
    Parts(*form).Engine().SetPosition(position);
    const QPoint place(FoundationLeft(4) + kCardInsetX, kFoundationTop + kCardInsetY);

    bool sawSpread = false;
    QTimer sampler;
    sampler.setInterval(5);
    QObject::connect(&sampler, &QTimer::timeout, [&] {
        bool spread = true;
        for (int i = 0; i < 3; ++i)
            spread = spread && CardPos(*form, 1 + i) == place + QPoint(0, 20 * i);
        sawSpread = sawSpread || spread;
    });
    sampler.start();
    // The foundation image is covered by its cards except for its border.
    QTest::mouseClick(Parts(*form).p_karten->Foundation(4), Qt::LeftButton, {}, QPoint(3, 50));
    sampler.stop();

    QVERIFY(sawSpread);
    for (int card = 1; card <= 3; ++card)
        QCOMPARE(CardPos(*form, card), place);
}

void BoardMouseTest::levelButtonStartsANewGameAtThatLevel()
{
    auto form = StartedForm();
    QVERIFY(form);
    Game &game = Parts(*form).Engine();
    game.SetPosition(TwoMovesPosition(1));
    Parts(*form).bt_menueClick();
    QVERIFY(Parts(*form).p_menue->isVisible());

    QTest::mouseClick(Parts(*form).p_menue->bt_stufe2, Qt::LeftButton);

    QCOMPARE(game.Level(), 2);
    QVERIFY(!Parts(*form).p_menue->isVisible());
    QCOMPARE(Parts(*form).p_menue->lb_stufe->text(), QStringLiteral("2"));
    QCOMPARE(Parts(*form).p_menue->lb_stufe->y(), 54);
    int dealt = 0;
    for (int p = 1; p <= kPileCount; ++p)
        dealt += game.PileCount(p);
    for (int f = 1; f <= kFoundationCount; ++f)
        dealt += game.FoundationCount(f);
    QCOMPARE(dealt, kCardCount);
    QCOMPARE(Parts(*form).p_karten->lb_mischen->text(), QStringLiteral("Du darfst noch\n2 mal mischen"));
    QCOMPARE(game.Moves(), 0);
}

} // namespace lumo::testing
