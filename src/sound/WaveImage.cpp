#include "sound/WaveImage.h"

#include <cstring>

namespace lumo {

namespace {

std::uint32_t ReadU32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

std::uint16_t ReadU16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

struct Format {
    int channels = 0;
    int rate = 0;
    int bits = 0;
};

} // namespace

std::int64_t PcmSound::DurationUs() const {
    if (sampleRate <= 0) return 0;
    return static_cast<std::int64_t>(samples.size()) * 1000000 / sampleRate;
}

std::optional<PcmSound> DecodeWave(const std::uint8_t* data, std::size_t size) {
    if (data == nullptr || size < 12) return std::nullopt;
    if (std::memcmp(data, "RIFF", 4) != 0 || std::memcmp(data + 8, "WAVE", 4) != 0) return std::nullopt;

    std::optional<Format> format;
    const std::uint8_t* pcm = nullptr;
    std::size_t pcmSize = 0;
    std::size_t pos = 12;
    while (pos + 8 <= size) {
        const std::uint8_t* chunk = data + pos;
        const std::size_t declared = ReadU32(chunk + 4);
        const std::size_t available = size - pos - 8;
        const std::size_t length = declared < available ? declared : available;
        if (std::memcmp(chunk, "fmt ", 4) == 0) {
            if (length < 16) return std::nullopt;
            if (ReadU16(chunk + 8) != 1) return std::nullopt;  // only plain PCM
            format = Format{ReadU16(chunk + 10), static_cast<int>(ReadU32(chunk + 12)), ReadU16(chunk + 22)};
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            pcm = chunk + 8;
            pcmSize = length;
            break;
        }
        // Chunks are padded to an even length.
        const std::size_t step = 8 + declared + (declared & 1);
        if (step > size - pos) break;
        pos += step;
    }
    if (!format || pcm == nullptr) return std::nullopt;
    if (format->channels < 1 || format->channels > 2) return std::nullopt;
    if (format->bits != 8 && format->bits != 16) return std::nullopt;
    if (format->rate < 1000 || format->rate > 192000) return std::nullopt;

    const std::size_t bytesPerFrame = static_cast<std::size_t>(format->channels) * (format->bits / 8);
    const std::size_t frames = pcmSize / bytesPerFrame;
    PcmSound sound;
    sound.sampleRate = format->rate;
    sound.samples.reserve(frames);
    for (std::size_t f = 0; f < frames; ++f) {
        const std::uint8_t* frame = pcm + f * bytesPerFrame;
        int sum = 0;
        for (int c = 0; c < format->channels; ++c) {
            if (format->bits == 8) {
                sum += (static_cast<int>(frame[c]) - 128) * 256;
            } else {
                sum += static_cast<std::int16_t>(ReadU16(frame + 2 * c));
            }
        }
        sound.samples.push_back(static_cast<std::int16_t>(sum / format->channels));
    }
    return sound;
}

std::optional<PcmSound> DecodeWave(const std::vector<std::uint8_t>& image) {
    return DecodeWave(image.data(), image.size());
}

} // namespace lumo
