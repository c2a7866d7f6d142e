#include "sound/ToneStream.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>
#include <QTimer>

#include <algorithm>

namespace lumo {

namespace {
constexpr int kTrailingSilenceMs = 40;  // keeps the stream running past the sound's end
constexpr int kPumpMs = 2;
constexpr int kLingerMs = 500;          // what the server may still hold when its clock says done
constexpr int kStallSlackMs = 2000;     // a server that stops playing must not keep the caller waiting
} // namespace

ToneStream::ToneStream(QObject* parent) : QObject(parent), pump_(new QTimer(this)) {
    pump_->setTimerType(Qt::PreciseTimer);
    pump_->setInterval(kPumpMs);
    connect(pump_, &QTimer::timeout, this, &ToneStream::Pump);
}

ToneStream::~ToneStream() {
    Finish(false);
    pump_->stop();
    if (sink_ != nullptr) sink_->stop();
    // Lingering streams are children and go with this object.
}

void ToneStream::Play(const PcmSound& sound, std::shared_ptr<PlaybackTicket> ticket) {
    Finish(false);  // the caller of an earlier sound has given up on it
    Retire();
    ticket_ = std::move(ticket);
    if (sound.samples.empty()) {
        Finish(true);
        return;
    }
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull() || sound.sampleRate <= 0) {
        Finish(false);
        return;
    }
    QAudioFormat format;
    format.setSampleRate(sound.sampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);

    const qsizetype soundBytes = static_cast<qsizetype>(sound.samples.size() * sizeof(std::int16_t));
    const qsizetype silenceBytes = static_cast<qsizetype>(sound.sampleRate) * 2 * kTrailingSilenceMs / 1000;
    pending_ = QByteArray(reinterpret_cast<const char*>(sound.samples.data()), soundBytes);
    pending_.append(QByteArray(silenceBytes, '\0'));

    sink_ = new QAudioSink(device, format, this);
    sink_->setBufferSize(pending_.size());
    io_ = sink_->start();
    if (io_ == nullptr || sink_->error() != QAudio::NoError) {
        Retire();
        Finish(false);
        return;
    }
    endUs_ = static_cast<qint64>(sound.samples.size()) * 1000000 / sound.sampleRate;
    minMs_ = sound.DurationUs() / 1000;
    playClock_.start();
    Pump();
    pump_->start();
}

void ToneStream::Pump() {
    if (sink_ == nullptr || !ticket_) {
        pump_->stop();
        return;
    }
    const QAudio::Error error = sink_->error();
    if (error != QAudio::NoError && error != QAudio::UnderrunError) {
        Retire();
        Finish(false);
        return;
    }
    if (!pending_.isEmpty()) {
        const qint64 free = std::min<qint64>(sink_->bytesFree() & ~qint64(1), pending_.size());
        if (free > 0) {
            const qint64 n = io_->write(pending_.constData(), free);
            if (n > 0) pending_.remove(0, n);
        }
    }
    const qint64 elapsedMs = playClock_.elapsed();
    const bool allHanded = pending_.size() <= static_cast<qsizetype>(sink_->format().bytesForDuration(
                                                  qint64(kTrailingSilenceMs) * 1000));
    if (allHanded && sink_->processedUSecs() >= endUs_ && elapsedMs >= minMs_) {
        Finish(true);
    } else if (elapsedMs > minMs_ + kStallSlackMs) {
        // The server took the sound but its clock stands still: it will play
        // it when it can. Only a sound it never took counts as not played.
        Finish(allHanded);
    }
    if (!ticket_) {
        pump_->stop();
        Retire();
    }
}

void ToneStream::Retire() {
    if (sink_ == nullptr) return;
    QAudioSink* sink = sink_;
    sink_ = nullptr;
    io_ = nullptr;
    pending_.clear();
    QTimer::singleShot(kLingerMs, sink, [sink] {
        sink->stop();
        sink->deleteLater();
    });
}

void ToneStream::Finish(bool played) {
    if (!ticket_) return;
    ticket_->played = played;
    ticket_->done.release();
    ticket_.reset();
}

} // namespace lumo
