#include "sound/SoundServerStream.h"

#include <pulse/simple.h>

#include <cstdint>

namespace lumo {

SoundServerStream::~SoundServerStream()
{
    Close();
}

bool SoundServerStream::Open(int sampleRate, int channels, const char *what, std::size_t bufferBytes)
{
    Close();
    if (sampleRate <= 0 || channels <= 0)
        return false;
    pa_sample_spec sample{};
    sample.format = PA_SAMPLE_S16LE;
    sample.rate = static_cast<std::uint32_t>(sampleRate);
    sample.channels = static_cast<std::uint8_t>(channels);
    pa_buffer_attr buffer{};
    buffer.maxlength = static_cast<std::uint32_t>(-1);
    buffer.tlength = static_cast<std::uint32_t>(bufferBytes);
    buffer.prebuf = static_cast<std::uint32_t>(-1);
    buffer.minreq = static_cast<std::uint32_t>(-1);
    buffer.fragsize = static_cast<std::uint32_t>(-1);
    int error = 0;
    FStream =
        pa_simple_new(nullptr, "Lumo", PA_STREAM_PLAYBACK, nullptr, what, &sample, nullptr, &buffer, &error);
    return FStream != nullptr;
}

bool SoundServerStream::Write(const void *data, std::size_t bytes)
{
    if (FStream == nullptr)
        return false;
    if (bytes == 0)
        return true;
    int error = 0;
    return pa_simple_write(FStream, data, bytes, &error) == 0;
}

bool SoundServerStream::Drain()
{
    if (FStream == nullptr)
        return false;
    int error = 0;
    return pa_simple_drain(FStream, &error) == 0;
}

void SoundServerStream::Close()
{
    if (FStream == nullptr)
        return;
    pa_simple_free(FStream);
    FStream = nullptr;
}

} // namespace lumo
