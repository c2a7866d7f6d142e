#pragma once
// Reads RIFF/WAVE images (the recordings stored in the program and the tone
// images) into 16-bit mono samples that the sound output plays.

#include <cstdint>
#include <optional>
#include <vector>

namespace lumo {

struct PcmSound {
    int sampleRate = 0;
    std::vector<std::int16_t> samples;  // mono

    // Length in microseconds.
    std::int64_t DurationUs() const;
};

// Decodes uncompressed PCM WAV data with 8 or 16 bits and one or two channels
// (two are mixed down to one). Anything else, and every malformed or truncated
// image, gives an empty optional; a data chunk that claims more bytes than the
// image holds is cut to what is there.
std::optional<PcmSound> DecodeWave(const std::uint8_t* data, std::size_t size);
std::optional<PcmSound> DecodeWave(const std::vector<std::uint8_t>& image);

} // namespace lumo
