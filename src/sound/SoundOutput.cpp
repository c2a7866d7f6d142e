#include "sound/SoundOutput.h"

#include "sound/ToneStream.h"

#include <QCoreApplication>
#include <QThread>

namespace lumo {

namespace {

SoundOutput* g_instance = nullptr;
bool g_ended = false;

void EndSoundOutput() {
    delete g_instance;
    g_instance = nullptr;
    g_ended = true;
}

} // namespace

SoundOutput* SoundOutput::Instance() {
    if (g_instance == nullptr && !g_ended && QCoreApplication::instance() != nullptr) {
        g_instance = new SoundOutput();
        qAddPostRoutine(EndSoundOutput);
    }
    return g_instance;
}

SoundOutput::SoundOutput() : thread_(new QThread()) {
    thread_->setObjectName(QStringLiteral("LumoAudio"));
    anchor_ = new QObject();
    anchor_->moveToThread(thread_);
    tones_ = new ToneStream();
    tones_->moveToThread(thread_);
    thread_->start(QThread::TimeCriticalPriority);
}

SoundOutput::~SoundOutput() {
    ToneStream* tones = tones_;
    RunOnAudioThread([tones] { delete tones; });
    tones_ = nullptr;
    thread_->quit();
    thread_->wait();
    delete anchor_;  // its thread has ended and it holds no timers
    delete thread_;
}

void SoundOutput::RunOnAudioThread(const std::function<void()>& work) {
    if (QThread::currentThread() == thread_) {
        work();
        return;
    }
    QMetaObject::invokeMethod(anchor_, work, Qt::BlockingQueuedConnection);
}

bool SoundOutput::PlaySync(const PcmSound& sound) {
    if (sound.samples.empty()) return true;
    auto ticket = std::make_shared<PlaybackTicket>();
    ToneStream* tones = tones_;
    QMetaObject::invokeMethod(tones, [tones, sound, ticket] { tones->Play(sound, ticket); }, Qt::QueuedConnection);
    // A server that stops playing keeps the stream's drain waiting; the
    // caller gives up on the sound after its length and five seconds.
    const int limitMs = static_cast<int>(sound.DurationUs() / 1000) + 5000;
    if (!ticket->done.tryAcquire(1, limitMs)) return false;
    return ticket->played;
}

} // namespace lumo
