#pragma once
// The sequencer the music logic drives: one piece at a time from a file.

#include <string>

namespace lumo {

enum class MusicMode {
    Playing,
    Stopped,  // opened and not (or no longer) playing
    Failed,   // the query failed, as when nothing is open
};

class MusicPlayer {
public:
    virtual ~MusicPlayer() = default;
    // Each returns an empty text on success, else a one-line description of the failure.
    virtual std::string Open(const std::string& path) = 0;
    virtual std::string Play() = 0;
    virtual MusicMode Mode() = 0;
    // False when nothing was open.
    virtual bool Close() = 0;
};

} // namespace lumo
