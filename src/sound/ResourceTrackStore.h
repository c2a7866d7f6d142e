#pragma once
// The temporary file "~LUMO.TMP" that the music player reads: each load copies
// one stored piece (DATA_1 .. DATA_9) into it unchanged.

#include "sound/TrackStore.h"

#include <QString>

namespace lumo {

class ResourceTrackStore : public TrackStore {
public:
    // The default file: the user's temporary folder + "~LUMO.TMP".
    static QString DefaultFilePath();

    explicit ResourceTrackStore(QString filePath = DefaultFilePath());

    bool SaveTrack(int track) override;
    bool FileExists() const override;
    std::string FilePath() const override;

private:
    QString filePath_;
};

} // namespace lumo
