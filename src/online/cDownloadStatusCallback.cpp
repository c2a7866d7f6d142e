#include "online/cDownloadStatusCallback.h"

#include <QProgressBar>

#include <cmath>

namespace lumo {

cDownloadStatusCallback::~cDownloadStatusCallback()
{
    delete FProgressBar.data();
}

int cDownloadStatusCallback::ProgressPosition(qint64 progress, qint64 maximum)
{
    if (maximum <= 0)
        return -1;
    return static_cast<int>(std::llround(static_cast<double>(progress) * 100.0 / static_cast<double>(maximum)));
}

bool cDownloadStatusCallback::OnProgress(qint64 progress, qint64 progressMax, int statusCode)
{
    switch (statusCode) {
    case FindingResource:
        return !FCancel;
    case Connecting:
    case BeginDownloadData:
    case DownloadingData:
        if (FProgressBar && statusCode == BeginDownloadData)
            FProgressBar->setValue(0);
        if (FProgressBar && statusCode == DownloadingData) {
            const int position = ProgressPosition(progress, progressMax);
            if (position < 0)
                FProgressBar->reset();
            else
                FProgressBar->setValue(position);
        }
        if (FCancel) {
            FStatusText = QStringLiteral("Abbruch durch Benutzer");
            return false;
        }
        return true;
    default:
        return true;
    }
}

} // namespace lumo
