#include "MainWindowFixture.h"

#include <QApplication>

namespace lumo::testing {

bool ShowAndStart(TLumoForm &form)
{
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return false;
    form.activateWindow();
    if (!QTest::qWaitForWindowActive(&form))
        return false;
    return QTest::qWaitFor([&form] { return Parts(form).DeferredStartDone(); }, 10000);
}

std::unique_ptr<TLumoForm> StartedForm()
{
    auto form = std::make_unique<TLumoForm>();
    if (!ShowAndStart(*form))
        return nullptr;
    return form;
}

BoardPosition TwoMovesPosition(int level)
{
    BoardPosition position;
    position.level = level;
    position.piles[0] = {KaroFuenf};
    position.piles[1] = {KaroSechs};
    position.piles[2] = {HerzDrei};
    position.piles[3] = {HerzVier};
    return position;
}

QPoint FrameCentre(int pile)
{
    return QPoint(PileFrameLeft(pile) + kFrameWidth / 2, PileFrameTop(pile) + kFrameHeight / 2);
}

void DragCardTo(TLumoForm &form, int card, QPoint tablePoint, Qt::MouseButton button)
{
    TPlayingCards *widget = Parts(form).p_karten->Card(card);
    const QPoint grab(kCardWidth / 2, kCardHeight / 2);
    QTest::mousePress(widget, button, {}, grab);
    // Two steps, as a hand would move; positions are relative to the card,
    // which moves under the pointer.
    const QPoint halfway = (widget->mapFrom(Parts(form).p_karten, tablePoint) + grab) / 2;
    QTest::mouseMove(widget, halfway);
    QTest::mouseMove(widget, widget->mapFrom(Parts(form).p_karten, tablePoint));
    QTest::mouseRelease(widget, button, {}, widget->mapFrom(Parts(form).p_karten, tablePoint));
}

} // namespace lumo::testing
