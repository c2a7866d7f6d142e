// Drives the program's sound classes against the running sound server, for
// recordings of the server's output and for measuring how long a tone blocks.
//
//   lumo_sound_probe devices
//   lumo_sound_probe tone FREQ MS VOLUME [COUNT]   prints each call's start-to-return time
//   lumo_sound_probe recording NAME
//   lumo_sound_probe music TRACK SECONDS           plays a stored piece through the music player
#include "sound/FluidMusicPlayer.h"
#include "sound/ResourceTrackStore.h"
#include "sound/SoundDevices.h"
#include "sound/SoundOutput.h"
#include "sound/SoundPlayback.h"

#include "common/EventHelpers.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace lumo;

namespace {

int Usage() {
    std::fprintf(stderr, "usage: lumo_sound_probe devices | tone FREQ MS VOLUME [COUNT] | recording NAME | "
                         "music TRACK SECONDS\n");
    return 2;
}

int Tones(int frequency, int ms, int volume, int count) {
    std::vector<double> times;
    for (int i = 0; i < count; ++i) {
        QElapsedTimer clock;
        clock.start();
        PlayTone(frequency, ms, volume);
        times.push_back(clock.nsecsElapsed() / 1e6);
        Delay(20);  // a gap, so the recording shows separate tones
    }
    std::vector<double> sorted = times;
    std::sort(sorted.begin(), sorted.end());
    std::printf("tone %d Hz %d ms: %d calls, return after min %.1f ms, median %.1f ms, max %.1f ms (first %.1f ms)\n",
                frequency, ms, count, sorted.front(), sorted[sorted.size() / 2], sorted.back(), times.front());
    return 0;
}

int Music(int track, int seconds) {
    SoundOutput* output = SoundOutput::Instance();
    if (output == nullptr) return 1;
    QTemporaryDir dir;
    ResourceTrackStore store(dir.filePath("~LUMO.TMP"));
    if (!store.SaveTrack(track)) {
        std::printf("music: piece %d not stored\n", track);
        return 1;
    }
    FluidMusicPlayer player(SoundDevices::Instance(), *output);
    QElapsedTimer clock;
    clock.start();
    std::string error = player.Open(store.FilePath());
    if (error.empty()) error = player.Play();
    std::printf("music: piece %d open+play took %.1f ms: %s\n", track, clock.nsecsElapsed() / 1e6,
                error.empty() ? "playing" : error.c_str());
    if (!error.empty()) return 1;
    Delay(static_cast<std::uint32_t>(seconds) * 1000);
    const bool playing = player.Mode() == MusicMode::Playing;
    player.Close();
    std::printf("music: still playing after %d s: %s\n", seconds, playing ? "yes" : "no");
    return playing ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    // Sound needs no window: run headless unless told otherwise.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) return Usage();
    const QString command = args[0];
    if (command == "devices") {
        std::printf("wave output: %s, music output: %s, soundfont: %s\n", WaveOutputPresent() ? "yes" : "no",
                    MidiOutputPresent() ? "yes" : "no", qPrintable(SoundDevices::Instance().SoundFontPath()));
        return 0;
    }
    if (command == "tone" && args.size() >= 4)
        return Tones(args[1].toInt(), args[2].toInt(), args[3].toInt(), args.size() > 4 ? args[4].toInt() : 1);
    if (command == "recording" && args.size() >= 2) {
        QElapsedTimer clock;
        clock.start();
        const bool played = PlayResourceSoundReported(args[1]);
        std::printf("recording %s: %s, returned after %.1f ms\n", qPrintable(args[1]), played ? "played" : "not played",
                    clock.nsecsElapsed() / 1e6);
        return played ? 0 : 1;
    }
    if (command == "music" && args.size() >= 3) return Music(args[1].toInt(), args[2].toInt());
    return Usage();
}
