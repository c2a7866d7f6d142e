#pragma once
// The temporary file that holds the piece being played: every track load
// overwrites it with the stored piece's bytes.

#include <cstddef>
#include <string>

namespace lumo {

// The largest piece the store writes and the player reads back: far above the
// stored pieces (a few KiB each), far below what could stall the player.
inline constexpr std::size_t kMaxTrackBytes = 512 * 1024;

class TrackStore {
public:
    virtual ~TrackStore() = default;
    // Writes piece 1..9 into the file; false when the piece or the file failed
    // (the file then keeps its previous content) or the piece is larger than
    // kMaxTrackBytes.
    virtual bool SaveTrack(int track) = 0;
    virtual bool FileExists() const = 0;
    virtual std::string FilePath() const = 0;
};

} // namespace lumo
