#include "sound/ToneStream.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QTimer>

#include <algorithm>

namespace lumo {

namespace {
constexpr int kBufferMs = 20;       // what sits queued ahead of a new sound
constexpr int kPumpMs = 2;
constexpr int kIdleCloseMs = 3000;
constexpr int kStallSlackMs = 1500; // a server that stops playing must not keep the caller waiting
} // namespace

ToneStream::ToneStream(QObject* parent) : QObject(parent), pump_(new QTimer(this)) {
    pump_->setTimerType(Qt::PreciseTimer);
    pump_->setInterval(kPumpMs);
    connect(pump_, &QTimer::timeout, this, &ToneStream::Pump);
}

ToneStream::~ToneStream() {
    Shutdown();
}

bool ToneStream::Open(int sampleRate) {
    if (sink_ != nullptr && rate_ == sampleRate && sink_->state() != QAudio::StoppedState) return true;
    Close();
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) return false;
    QAudioFormat format;
    format.setSampleRate(sampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    sink_ = new QAudioSink(device, format, this);
    sink_->setBufferSize(std::max(64, sampleRate * 2 * kBufferMs / 1000) & ~1);
    io_ = sink_->start();
    if (io_ == nullptr || sink_->error() != QAudio::NoError) {
        Close();
        return false;
    }
    rate_ = sampleRate;
    written_ = 0;
    pump_->start();
    return true;
}

void ToneStream::Close() {
    pump_->stop();
    if (sink_ != nullptr) {
        sink_->stop();
        delete sink_;
    }
    sink_ = nullptr;
    io_ = nullptr;
    rate_ = 0;
    pending_.clear();
}

void ToneStream::Shutdown() {
    Close();
    Finish(false);
}

void ToneStream::Play(const PcmSound& sound, std::shared_ptr<PlaybackTicket> ticket) {
    Finish(false);  // the caller of an earlier sound has given up on it
    ticket_ = std::move(ticket);
    if (sound.samples.empty()) {
        Finish(true);
        return;
    }
    if (!Open(sound.sampleRate)) {
        Finish(false);
        return;
    }
    pending_ = QByteArray(reinterpret_cast<const char*>(sound.samples.data()),
                          static_cast<qsizetype>(sound.samples.size() * sizeof(std::int16_t)));
    const qint64 endBytes = written_ + pending_.size();
    endUs_ = endBytes / 2 * 1000000 / rate_;
    minMs_ = sound.DurationUs() / 1000;
    playClock_.start();
    Pump();
}

void ToneStream::Pump() {
    if (sink_ == nullptr) return;
    if (sink_->error() != QAudio::NoError && sink_->error() != QAudio::UnderrunError) {
        Close();
        Finish(false);
        return;
    }
    qint64 free = sink_->bytesFree() & ~qint64(1);
    if (!pending_.isEmpty() && free > 0) {
        const qint64 n = io_->write(pending_.constData(), std::min<qint64>(free, pending_.size()));
        if (n > 0) {
            pending_.remove(0, n);
            written_ += n;
            free -= n;
        }
    }
    if (pending_.isEmpty() && free > 0) {
        // Silence keeps the stream running so the next sound starts without delay.
        const QByteArray silence(free, '\0');
        const qint64 n = io_->write(silence);
        if (n > 0) written_ += n;
    }

    if (ticket_) {
        idleClock_.start();
        const qint64 elapsedMs = playClock_.elapsed();
        if (pending_.isEmpty() && sink_->processedUSecs() >= endUs_ && elapsedMs >= minMs_) {
            Finish(true);
        } else if (elapsedMs > minMs_ + kStallSlackMs) {
            Close();
            Finish(false);
        }
    } else if (!idleClock_.isValid() || idleClock_.elapsed() > kIdleCloseMs) {
        Close();
    }
}

void ToneStream::Finish(bool played) {
    if (!ticket_) return;
    ticket_->played = played;
    ticket_->done.release();
    ticket_.reset();
}

} // namespace lumo
