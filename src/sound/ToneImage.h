#pragma once
// The in-memory WAV image of one sine tone: 8-bit unsigned mono at 11025 Hz,
// swinging around 127, no envelope. The layout is fixed (46-byte header with
// an 18-byte format block), so the image can be compared byte for byte.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lumo {

inline constexpr int kToneSampleRate = 11025;
inline constexpr int kToneHeaderSize = 46;

// True when the frequency can be rendered at 11025 Hz (at most 6615 Hz).
bool ToneFrequencyAllowed(int frequency);

// Number of samples for a duration: (ms * 11025) div 1000, truncated toward zero.
int ToneSampleCount(int durationMs);

// The complete WAV image, 46 + N bytes. Empty optional when the frequency is
// above the limit. Negative durations give an empty data block; the volume is
// the peak amplitude in sample units and is clamped to 0..127 so every sample
// stays a valid byte.
std::optional<std::vector<std::uint8_t>> BuildToneImage(int frequency, int durationMs, int volume);

// The English refusal shown for a frequency above the limit.
std::string ToneFrequencyErrorText(int frequency);

} // namespace lumo
