#pragma once
// One playback stream to the desktop's sound server, 16-bit samples at the
// default output. Every stream is a connection of its own, made when it is
// opened: a server that was restarted in between is simply the one reached.

#include <cstddef>

struct pa_simple;

namespace lumo {

class SoundServerStream {
public:
    SoundServerStream() = default;
    ~SoundServerStream();
    SoundServerStream(const SoundServerStream &) = delete;
    SoundServerStream &operator=(const SoundServerStream &) = delete;

    // `what` names the stream in the server's mixer. bufferBytes is what the
    // server holds ahead of playback. False when no server takes the stream.
    bool Open(int sampleRate, int channels, const char *what, std::size_t bufferBytes);
    bool IsOpen() const { return FStream != nullptr; }

    // Blocks until the server has taken all bytes; false once the stream broke.
    bool Write(const void *data, std::size_t bytes);
    // Blocks until everything written has been played.
    bool Drain();
    void Close();

private:
    pa_simple *FStream = nullptr;
};

} // namespace lumo
