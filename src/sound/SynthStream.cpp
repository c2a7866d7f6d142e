#include "sound/SynthStream.h"

#include "common/RegularFileRead.h"
#include "sound/SoundServerStream.h"
#include "sound/TrackStore.h"

#include <QFile>

#include <fluidsynth.h>

#include <cstring>

namespace lumo {

namespace {

constexpr int kBytesPerFrame = 4;               // 16-bit stereo
constexpr int kOutputBufferMs = 250;            // generous: tones block the main thread, not this one
constexpr int kChunkFrames = 1024;              // rendered per write
constexpr qint64 kTailFrames = SynthStream::kSampleRate * 3 / 2;
constexpr double kGain = 0.35;                  // background music, not a concert

void SilenceFluidLog() {
    // Failures reach the music bar as texts; nothing goes to the terminal.
    for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
        fluid_set_log_function(level, nullptr, nullptr);
}

} // namespace

SynthStream::SynthStream(QObject* parent) : QIODevice(parent) {
    SilenceFluidLog();
}

SynthStream::~SynthStream() {
    StopOutput();
    CloseFile();
    if (synth_ != nullptr) delete_fluid_synth(synth_);
    if (settings_ != nullptr) delete_fluid_settings(settings_);
}

bool SynthStream::EnsureSynth(const QString& soundFont) {
    if (synth_ != nullptr && loadedFont_ == soundFont) return true;
    if (synth_ != nullptr) delete_fluid_synth(synth_);
    synth_ = nullptr;
    loadedFont_.clear();
    if (settings_ == nullptr) {
        settings_ = new_fluid_settings();
        if (settings_ == nullptr) return false;
        fluid_settings_setnum(settings_, "synth.sample-rate", kSampleRate);
        fluid_settings_setnum(settings_, "synth.gain", kGain);
    }
    synth_ = new_fluid_synth(settings_);
    if (synth_ == nullptr) return false;
    if (soundFont.isEmpty() || fluid_synth_sfload(synth_, QFile::encodeName(soundFont).constData(), 1) == FLUID_FAILED) {
        delete_fluid_synth(synth_);
        synth_ = nullptr;
        return false;
    }
    loadedFont_ = soundFont;
    return true;
}

std::string SynthStream::OpenFile(const QString& path, const QString& soundFont) {
    // One piece at a time: a finished piece still open is closed by the caller first.
    if (player_ != nullptr) return "Das Musikgerät ist noch mit einem Musiktitel belegt.";
    // Only a regular file of this user and no larger than a stored piece.
    const RegularFileContent content =
        ReadRegularFile(QFile::encodeName(path).toStdString(), kMaxTrackBytes, FileOwner::Me);
    if (content.outcome != ReadOutcome::Read)
        return "Die Musikdatei kann nicht gelesen werden.";
    QByteArray bytes = QByteArray::fromStdString(content.bytes);
    if (!bytes.startsWith("MThd")) return "Die Musikdatei ist keine MIDI-Datei.";
    if (!EnsureSynth(soundFont)) return "Die Klangdatei für die Musik kann nicht geladen werden.";
    player_ = new_fluid_player(synth_);
    if (player_ == nullptr) return "Die Musik kann nicht gestartet werden.";
    file_ = std::move(bytes);
    if (fluid_player_add_mem(player_, file_.constData(), static_cast<size_t>(file_.size())) != FLUID_OK) {
        CloseFile();
        return "Die Musikdatei ist keine MIDI-Datei.";
    }
    tailFrames_ = 0;
    return {};
}

std::string SynthStream::Start() {
    if (player_ == nullptr) return "Es ist kein Musiktitel geöffnet.";
    StopOutput();
    auto stream = std::make_shared<SoundServerStream>();
    if (!stream->Open(kSampleRate, 2, "Musik", kSampleRate * kBytesPerFrame * kOutputBufferMs / 1000))
        return "Kein Ausgabegerät für Musik vorhanden.";
    if (fluid_player_play(player_) != FLUID_OK) return "Die Musik kann nicht gestartet werden.";
    if (!isOpen()) open(QIODevice::ReadOnly);
    broken_ = false;
    writing_ = true;
    writer_ = std::thread([this, stream] {
        QByteArray chunk(kChunkFrames * kBytesPerFrame, '\0');
        while (writing_) {
            readData(chunk.data(), chunk.size());
            if (!stream->Write(chunk.constData(), static_cast<std::size_t>(chunk.size()))) {
                broken_ = true;
                return;
            }
        }
    });
    return {};
}

MusicMode SynthStream::Mode() const {
    if (player_ == nullptr) return MusicMode::Failed;
    if (broken_) return MusicMode::Stopped;
    const int status = fluid_player_get_status(player_);
    if (status == FLUID_PLAYER_PLAYING) return MusicMode::Playing;
    if (status == FLUID_PLAYER_DONE && writing_ && tailFrames_ < kTailFrames) return MusicMode::Playing;
    return MusicMode::Stopped;
}

void SynthStream::StopOutput() {
    // A write blocks for at most the server's buffer, so the writer ends soon;
    // its stream closes with it, dropping what the server had not played.
    writing_ = false;
    if (writer_.joinable()) writer_.join();
}

bool SynthStream::CloseFile() {
    if (player_ == nullptr) return false;
    StopOutput();
    fluid_player_stop(player_);
    delete_fluid_player(player_);
    player_ = nullptr;
    file_.clear();
    if (synth_ != nullptr) fluid_synth_all_sounds_off(synth_, -1);
    tailFrames_ = 0;
    return true;
}

QByteArray SynthStream::RenderFrames(int frames) {
    if (player_ == nullptr || frames <= 0) return {};
    if (fluid_player_get_status(player_) == FLUID_PLAYER_READY) fluid_player_play(player_);
    QByteArray buffer(static_cast<qsizetype>(frames) * kBytesPerFrame, '\0');
    readData(buffer.data(), buffer.size());
    return buffer;
}

qint64 SynthStream::readData(char* data, qint64 maxSize) {
    const int frames = static_cast<int>(maxSize / kBytesPerFrame);
    if (frames <= 0) return 0;
    const std::lock_guard<std::mutex> lock(render_);
    if (synth_ == nullptr) {
        std::memset(data, 0, static_cast<size_t>(frames) * kBytesPerFrame);
    } else {
        fluid_synth_write_s16(synth_, frames, data, 0, 2, data, 1, 2);
    }
    if (player_ != nullptr && fluid_player_get_status(player_) == FLUID_PLAYER_DONE) tailFrames_ += frames;
    return static_cast<qint64>(frames) * kBytesPerFrame;
}

} // namespace lumo
