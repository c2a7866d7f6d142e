#pragma once
// The temporary file that holds the piece being played: every track load
// overwrites it with the stored piece's bytes.

#include <string>

namespace lumo {

class TrackStore {
public:
    virtual ~TrackStore() = default;
    // Writes piece 1..9 into the file; false when the piece or the file failed
    // (the file then keeps its previous content).
    virtual bool SaveTrack(int track) = 0;
    virtual bool FileExists() const = 0;
    virtual std::string FilePath() const = 0;
};

} // namespace lumo
