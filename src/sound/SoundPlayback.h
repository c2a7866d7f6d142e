#pragma once
// The program's sound calls: synthesized tones, the stored recordings and the
// device presence they depend on. All play synchronously: the caller goes on
// when the sound has ended, and the main thread handles no events meanwhile.
// Without an output they return at once and print nothing.

#include <QString>

#include <functional>

namespace lumo {

bool WaveOutputPresent();
bool MidiOutputPresent();

// One sine tone (Hz, ms, peak amplitude up to 127). A frequency the tone
// format cannot carry is refused with a plain message box and plays nothing.
void PlayTone(int frequency, int durationMs, int volume);

// The stored recording of that name ("Applaus", "HALLO"); failures are silent.
void PlayResourceSound(const QString& name);
// The same, reporting whether the recording was played (the bird's greeting
// shows an error when it was not).
bool PlayResourceSoundReported(const QString& name);

// Shows the tone frequency refusal. The default is a plain message box; tests
// replace it to read the text without blocking. An empty function restores the default.
using ToneErrorPresenter = std::function<void(const QString& text)>;
void SetToneErrorPresenter(ToneErrorPresenter presenter);

} // namespace lumo
