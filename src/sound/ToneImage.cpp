#include "sound/ToneImage.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace lumo {

namespace {

void PutText(std::vector<std::uint8_t>& out, const char* text) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(text[i]));
}

void PutU16(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    PutU16(out, value & 0xFFFF);
    PutU16(out, value >> 16);
}

} // namespace

bool ToneFrequencyAllowed(int frequency) {
    // Compared in floating point: the limit is 0.6 of the sample rate.
    return static_cast<double>(frequency) <= kToneSampleRate * 0.6;
}

int ToneSampleCount(int durationMs) {
    if (durationMs <= 0) return 0;
    const std::int64_t n = static_cast<std::int64_t>(durationMs) * kToneSampleRate / 1000;
    return static_cast<int>(std::min<std::int64_t>(n, 0x7FFFFFFF - kToneHeaderSize));
}

std::optional<std::vector<std::uint8_t>> BuildToneImage(int frequency, int durationMs, int volume) {
    if (!ToneFrequencyAllowed(frequency)) return std::nullopt;
    const int n = ToneSampleCount(durationMs);
    const int amplitude = std::clamp(volume, 0, 127);

    std::vector<std::uint8_t> image;
    image.reserve(static_cast<std::size_t>(kToneHeaderSize) + static_cast<std::size_t>(n));
    PutText(image, "RIFF");
    PutU32(image, 38u + static_cast<std::uint32_t>(n));
    PutText(image, "WAVE");
    PutText(image, "fmt ");
    PutU32(image, 18);
    PutU16(image, 1);                 // PCM
    PutU16(image, 1);                 // mono
    PutU32(image, kToneSampleRate);
    PutU32(image, kToneSampleRate);   // block align 1 x sample rate
    PutU16(image, 1);                 // block align
    PutU16(image, 8);                 // bits per sample
    PutU16(image, 0);                 // extra size
    PutText(image, "data");
    PutU32(image, static_cast<std::uint32_t>(n));

    // The angular step is rounded to a double first; the phase itself is kept
    // in extended precision so long tones keep their exact sample values.
    const double w = static_cast<double>(frequency) * 2.0 * std::numbers::pi;
    for (int i = 0; i < n; ++i) {
        const long double x = static_cast<long double>(i) * static_cast<long double>(w) / kToneSampleRate;
        const int s = static_cast<int>(std::trunc(amplitude * std::sin(x)));
        image.push_back(static_cast<std::uint8_t>((s + 127) & 0xFF));
    }
    return image;
}

std::string ToneFrequencyErrorText(int frequency) {
    return "Sample rate of " + std::to_string(kToneSampleRate) + " is too Low to play a tone of " +
           std::to_string(frequency) + "Hz";
}

} // namespace lumo
