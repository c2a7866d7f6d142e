#include "sound/SoundPlayback.h"

#include "sound/ResourceLookup.h"
#include "sound/SoundDevices.h"
#include "sound/SoundOutput.h"
#include "sound/ToneImage.h"
#include "sound/WaveImage.h"

#include <QMessageBox>

namespace lumo {

namespace {

ToneErrorPresenter& Presenter() {
    static ToneErrorPresenter presenter;
    return presenter;
}

void ShowToneError(const QString& text) {
    if (Presenter()) {
        Presenter()(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QString(), text, QMessageBox::Ok);
    box.exec();
}

bool PlayImage(const QByteArray& image) {
    const auto sound = DecodeWave(reinterpret_cast<const std::uint8_t*>(image.constData()),
                                  static_cast<std::size_t>(image.size()));
    if (!sound) return false;
    SoundOutput* output = SoundOutput::Instance();
    return output != nullptr && output->PlaySync(*sound);
}

} // namespace

bool WaveOutputPresent() {
    return SoundDevices::Instance().WaveOutputPresent();
}

bool MidiOutputPresent() {
    return SoundDevices::Instance().MidiOutputPresent();
}

void SetToneErrorPresenter(ToneErrorPresenter presenter) {
    Presenter() = std::move(presenter);
}

void PlayTone(int frequency, int durationMs, int volume) {
    const auto image = BuildToneImage(frequency, durationMs, volume);
    if (!image) {
        ShowToneError(QString::fromStdString(ToneFrequencyErrorText(frequency)));
        return;
    }
    if (!WaveOutputPresent()) return;
    PlayImage(QByteArray(reinterpret_cast<const char*>(image->data()), static_cast<qsizetype>(image->size())));
}

bool PlayResourceSoundReported(const QString& name) {
    const auto image = ReadResourceByName(QStringLiteral(":/sound"), name);
    if (!image || !WaveOutputPresent()) return false;
    return PlayImage(*image);
}

void PlayResourceSound(const QString& name) {
    PlayResourceSoundReported(name);
}

} // namespace lumo
