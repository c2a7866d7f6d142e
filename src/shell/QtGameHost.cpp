#include "shell/QtGameHost.h"

#include "common/EventHelpers.h"
#include "common/ScreenCursor.h"
#include "companion/MessageDialog.h"
#include "persistence/UserSettings.h"
#include "shell/PointerTracker.h"
#include "sound/ToneOutput.h"
#include "table/Board.h"
#include "table/TPlayingCards.h"

#include <QCoreApplication>
#include <QCursor>
#include <QEvent>
#include <QScreen>

#include <chrono>
#include <thread>

namespace lumo {

QtGameHost::QtGameHost(Board &board, PointerTracker &pointer, ToneOutput &tones,
    const UserSettings &settings, const int &activationMark, RandomSource &random,
    MonotonicClock &clock)
    : FBoard(board),
      FPointer(pointer),
      FTones(tones),
      FSettings(settings),
      FActivationMark(activationMark),
      FGame(*this, random, clock)
{
}

void QtGameHost::Render()
{
    FBoard.Render(FGame.Board());
    emit Rendered();
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
    if (!FBoard.Card(card))
        return;
    FBoard.RenderCard(FGame.Board(), card);
    PaintPendingNow();
}

void QtGameHost::PresentFrame()
{
    // The flight processes no events, so nothing else puts its steps on the
    // screen. Asking the display where the pointer is costs a round trip, and
    // its answer comes only after the repainted card has been drawn. Then the
    // step stays for the rest of one display frame.
    (void)QCursor::pos();
    const QScreen *screen = FBoard.screen();
    const qreal hz = screen && screen->refreshRate() >= 24 ? screen->refreshRate() : 60.0;
    const auto frame = std::chrono::nanoseconds(static_cast<std::int64_t>(1e9 / hz));
    std::this_thread::sleep_until(FLastFrame + frame);
    FLastFrame = std::chrono::steady_clock::now();
}

void QtGameHost::PlayTone(int frequencyHz, int durationMs, int volume)
{
    FTones.PlayTone(frequencyHz, durationMs, volume);
}

void QtGameHost::PlayApplause()
{
    FTones.PlayApplause();
}

bool QtGameHost::WaveOutputPresent()
{
    return FTones.WaveOutputPresent();
}

bool QtGameHost::SoundSwitchOn()
{
    return FSettings.FSoundOn;
}

void QtGameHost::SetWaitCursor(bool on)
{
    SetScreenCursor(on ? ScreenCursorShape::Wait : ScreenCursorShape::Normal);
}

void QtGameHost::SetApplicationHint(const std::string &text)
{
    FLastHint = QString::fromStdString(text);
    emit ApplicationHintChanged(FLastHint);
}

bool QtGameHost::AskQuestion(const std::string &text)
{
    return lumo::AskQuestion(QString::fromStdString(text), true);
}

void QtGameHost::CloseMenu()
{
    emit CloseMenuRequested();
}

void QtGameHost::StopAnimation()
{
    emit AnimationStopRequested();
}

void QtGameHost::OfferHighScoreEntry(int points)
{
    emit HighScoreEntryOffered(points);
}

void QtGameHost::DiscardKeyboardMessages()
{
    lumo::DiscardKeyboardMessages();
}

bool QtGameHost::MainWindowActivated()
{
    return FActivationMark != 0;
}

TablePoint QtGameHost::PointerOnTable()
{
    const QPoint p = FBoard.mapFromGlobal(FPointer.GlobalPos());
    return TablePoint{p.x(), p.y()};
}

} // namespace lumo
