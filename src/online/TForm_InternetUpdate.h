#pragma once
// The small window of one internet update: it looks for a newer version on
// the update server, downloads its setup with a progress bar and lets the user
// cancel with Escape. Created for one update and destroyed afterwards; the
// caller reads the outcome and asks about the installation.

#include "common/ScreenCursor.h"
#include "online/UpdateSource.h"

#include <QWidget>

#include <functional>
#include <memory>

class QLabel;
class QProgressBar;
class QUrl;

namespace lumo {

class FileDownload;
class GradientPanel;
class cDownloadStatusCallback;

class TForm_InternetUpdate : public QWidget {
    Q_OBJECT

public:
    static constexpr int FormWidth = 295;
    static constexpr int FormHeight = 155;
    // Far above any real file: an information file has a few lines, a setup
    // a few megabytes.
    static constexpr qint64 InformationSizeLimit = 64 * 1024;
    static constexpr qint64 SetupSizeLimit = 512LL * 1024 * 1024;

    using ConnectionCheck = std::function<bool()>;

    // Centred over mainWindow when that is the active window, else on the screen.
    TForm_InternetUpdate(UpdateSource source, ConnectionCheck isConnected, QWidget *mainWindow = nullptr);
    ~TForm_InternetUpdate() override;

    // Sets Success(), SetupFile(), Message() and NewVersion().
    void RunUpdate();
    // The downloaded setup's path, or empty.
    QString CheckAndDownload();
    // Reads and deletes the information file; sets NewVersion().
    bool IsNewerVersion(const QString &file);
    bool IsConnected() const;

    // Ends a running download at once, as failed and without a message (the
    // program is closing).
    void Abort();

    bool Success() const { return FSuccess; }
    QString SetupFile() const { return FSetupFile; }
    QString Message() const { return FMessage; }
    QString NewVersion() const { return FNewVersion; }

    GradientPanel *PanUpdate = nullptr;
    QLabel *lb_update = nullptr;
    // The setup download's progress bar while it runs, else none.
    QProgressBar *ProgressBar() const;

signals:
    // After each progress report of the setup download, with its status code.
    void Reported(int statusCode);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Downloads url into a new local file named "$$$TEMP" + tick + name;
    // the file's path when all of it arrived, else empty (and no file).
    QString Download(const QUrl &url, const QString &name, qint64 limit, bool withProgress);
    bool DownloadFile(const QUrl &url, const QString &name, QString &localPath);
    void FormActivate();
    void ShowStatus(const QString &text);

    UpdateSource FSource;
    ConnectionCheck FIsConnected;
    std::unique_ptr<FileDownload> FDownload;
    std::unique_ptr<cDownloadStatusCallback> FCallback;
    std::uint64_t FTick = 0;

    QString FMessage;
    QString FSetupFile;
    bool FSuccess = false;
    QString FNewVersion;
    ScreenCursorShape FSavedCursor = ScreenCursorShape::Normal;
    bool FCursorChanged = false;
};

} // namespace lumo
