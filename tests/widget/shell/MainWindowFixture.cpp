#include "MainWindowFixture.h"

#include <QApplication>

namespace lumo::testing {

std::unique_ptr<TLumoForm> StartedForm()
{
    auto form = std::make_unique<TLumoForm>();
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get()))
        return nullptr;
    form->activateWindow();
    if (!QTest::qWaitForWindowActive(form.get()))
        return nullptr;
    TLumoForm *raw = form.get();
    if (!QTest::qWaitFor([raw] { return raw->DeferredStartDone(); }, 10000))
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
    TPlayingCards *widget = form.p_karten->Card(card);
    const QPoint grab(kCardWidth / 2, kCardHeight / 2);
    QTest::mousePress(widget, button, {}, grab);
    // Two steps, as a hand would move; positions are relative to the card,
    // which moves under the pointer.
    const QPoint halfway = (widget->mapFrom(form.p_karten, tablePoint) + grab) / 2;
    QTest::mouseMove(widget, halfway);
    QTest::mouseMove(widget, widget->mapFrom(form.p_karten, tablePoint));
    QTest::mouseRelease(widget, button, {}, widget->mapFrom(form.p_karten, tablePoint));
}

} // namespace lumo::testing
