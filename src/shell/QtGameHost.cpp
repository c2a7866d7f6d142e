#include "shell/QtGameHost.h"

#include "engine/Game.h"
#include "common/EventHelpers.h"
#include "shell/PointerTracker.h"
#include "common/ScreenCursor.h"
#include "table/Board.h"
#include "table/PlayingCards.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMessageBox>

#include <chrono>
#include <thread>

namespace lumo {

QtGameHost::QtGameHost(Board &board, PointerTracker &pointer) : FBoard(board), FPointer(pointer)
{
}

void QtGameHost::Render()
{
    if (!FGame)
        return;
    FBoard.Render(FGame->Board());
    if (OnRendered)
        OnRendered();
}

void QtGameHost::Delay(int milliseconds)
{
    lumo::Delay(milliseconds > 0 ? static_cast<std::uint32_t>(milliseconds) : 0);
}

void QtGameHost::SleepWithoutEvents(int milliseconds)
{
    if (milliseconds > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

void QtGameHost::RepaintTable()
{
    // The widgets mark what changed as dirty; painting the pending updates now
    // draws just that (the play clock asks four times a second and changes one
    // label once a second) and processes no other event.
    Render();
    PaintPendingNow();
}

void QtGameHost::PaintPendingNow()
{
    QCoreApplication::sendPostedEvents(FBoard.window(), QEvent::UpdateRequest);
}

void QtGameHost::RepaintCard(int card)
{
    if (!FGame || !FBoard.Card(card))
        return;
    FBoard.RenderCard(FGame->Board(), card);
    PaintPendingNow();
}

void QtGameHost::PlayTone(int frequencyHz, int durationMs, int volume)
{
    if (OnPlayTone)
        OnPlayTone(frequencyHz, durationMs, volume);
}

void QtGameHost::PlayApplause()
{
    if (OnPlayApplause)
        OnPlayApplause();
}

bool QtGameHost::WaveOutputPresent()
{
    return OnWaveOutputPresent ? OnWaveOutputPresent() : false;
}

bool QtGameHost::SoundSwitchOn()
{
    return OnSoundSwitchOn ? OnSoundSwitchOn() : false;
}

void QtGameHost::SetWaitCursor(bool on)
{
    SetScreenCursor(on ? ScreenCursorShape::Wait : ScreenCursorShape::Normal);
}

void QtGameHost::SetApplicationHint(const std::string &text)
{
    FLastHint = QString::fromStdString(text);
    if (OnApplicationHint)
        OnApplicationHint(FLastHint);
}

bool QtGameHost::AskQuestion(const std::string &text)
{
    const QString question = QString::fromStdString(text);
    if (OnAskQuestion)
        return OnAskQuestion(question);
    QString shown = question;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return QMessageBox::question(FBoard.window(), QStringLiteral("Lumo"), shown,
               QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
        == QMessageBox::Yes;
}

void QtGameHost::CloseMenu()
{
    if (OnCloseMenu)
        OnCloseMenu();
}

void QtGameHost::StopAnimation()
{
    if (OnStopAnimation)
        OnStopAnimation();
}

void QtGameHost::OfferHighScoreEntry(int points)
{
    if (OnOfferHighScoreEntry)
        OnOfferHighScoreEntry(points);
}

void QtGameHost::DiscardKeyboardMessages()
{
    lumo::DiscardKeyboardMessages();
}

bool QtGameHost::MainWindowActivated()
{
    return OnMainWindowActivated ? OnMainWindowActivated() : true;
}

TablePoint QtGameHost::PointerOnTable()
{
    const QPoint p = FBoard.mapFromGlobal(FPointer.GlobalPos());
    return TablePoint{p.x(), p.y()};
}

} // namespace lumo
