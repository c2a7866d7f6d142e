#pragma once
// The setup download's progress reports: they move the progress bar and carry
// the user's cancel request to the download. Escape asks for the cancel, any
// other key before the next report withdraws it; the request acts at the next
// report of a kind that checks it.

#include <QPointer>
#include <QString>

class QProgressBar;

namespace lumo {

class cDownloadStatusCallback {
public:
    // The classic status codes of the reports.
    static constexpr int FindingResource = 1;
    static constexpr int Connecting = 2;
    static constexpr int BeginDownloadData = 4;
    static constexpr int DownloadingData = 5;

    cDownloadStatusCallback() = default;
    // The progress bar goes with the callback.
    ~cDownloadStatusCallback();
    cDownloadStatusCallback(const cDownloadStatusCallback &) = delete;
    cDownloadStatusCallback &operator=(const cDownloadStatusCallback &) = delete;

    // False means: stop the download (it then fails).
    bool OnProgress(qint64 progress, qint64 progressMax, int statusCode);

    // The position for progress of maximum, rounded; -1 for a maximum of 0 or less.
    static int ProgressPosition(qint64 progress, qint64 maximum);

    bool FCancel = false;
    QString FStatusText;
    QPointer<QProgressBar> FProgressBar;
};

} // namespace lumo
