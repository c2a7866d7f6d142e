#include "sound/ToneStream.h"

#include "sound/SoundServerStream.h"

#include <QTimer>

namespace lumo {

namespace {
constexpr int kLingerMs = 500; // what the server may still hold when it says drained

void Finish(PlaybackTicket& ticket, bool played)
{
    ticket.played = played;
    ticket.done.release();
}
} // namespace

ToneStream::ToneStream(QObject* parent) : QObject(parent) {}

// Lingering streams are held by their timers, which go with this object.
ToneStream::~ToneStream() = default;

void ToneStream::Play(const PcmSound& sound, std::shared_ptr<PlaybackTicket> ticket)
{
    if (sound.samples.empty()) {
        Finish(*ticket, true);
        return;
    }
    const std::size_t bytes = sound.samples.size() * sizeof(std::int16_t);
    auto stream = std::make_shared<SoundServerStream>();
    // The whole sound fits the server's buffer, so it is taken in one write
    // and starts at once (streams fed piecemeal stall at their start).
    const bool played = stream->Open(sound.sampleRate, 1, "Ton", bytes) &&
        stream->Write(sound.samples.data(), bytes) && stream->Drain();
    Finish(*ticket, played);
    if (!played)
        return;
    QTimer::singleShot(kLingerMs, this, [stream] { stream->Close(); });
}

} // namespace lumo
