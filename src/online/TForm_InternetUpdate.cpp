#include "online/TForm_InternetUpdate.h"

#include "common/FileHelpers.h"
#include "common/QtTextHelpers.h"
#include "lookfeel/GradientPanel.h"
#include "lookfeel/LookColors.h"
#include "lookfeel/LookFonts.h"
#include "online/FileDownload.h"
#include "online/UpdateTempFile.h"
#include "online/UpdateVersion.h"
#include "online/cDownloadStatusCallback.h"
#include "persistence/Windows1252.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLoggingCategory>
#include <QMouseEvent>
#include <QProgressBar>
#include <QScreen>
#include <QStringDecoder>
#include <QUrl>
#include <QWindow>

#include <stdexcept>

namespace lumo {

namespace {

Q_LOGGING_CATEGORY(lcUpdate, "lumo.update")

const QColor kStatusColor(51, 95, 168);
// A version text from the server is shown in a self-sizing dialog.
constexpr int kVersionTextLimit = 64;

QString ForLabel(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

// The server's bytes as text: UTF-8 when they are valid UTF-8, else the
// program's Windows-1252; control characters dropped, the length capped.
QString VersionText(const std::string &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(QByteArray::fromStdString(bytes));
    if (utf8.hasError())
        text = QString::fromStdString(Windows1252ToUtf8(bytes));
    QString clean;
    for (const QChar c : text) {
        if (c.category() != QChar::Other_Control)
            clean += c;
    }
    return clean.left(kVersionTextLimit);
}

} // namespace

TForm_InternetUpdate::TForm_InternetUpdate(UpdateSource source, ConnectionCheck isConnected, QWidget *mainWindow)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      FSource(std::move(source)),
      FIsConnected(std::move(isConnected)),
      FDownload(std::make_unique<FileDownload>())
{
    setObjectName(QStringLiteral("TForm_InternetUpdate"));
    setWindowTitle(QStringLiteral("Internetupdate"));
    setFixedSize(FormWidth, FormHeight);
    setWindowOpacity(240 / 255.0);
    setFocusPolicy(Qt::StrongFocus);

    PanUpdate = new GradientPanel(LookColors::LightBlue(), QColor(51, 95, 168),
                                  GradientPanel::Direction::Vertical, this);
    PanUpdate->setObjectName(QStringLiteral("PanUpdate"));
    PanUpdate->setGeometry(0, 0, FormWidth, FormHeight);
    PanUpdate->SetBorder(Qt::black, 1);
    PanUpdate->setMouseTracking(true);
    PanUpdate->installEventFilter(this);

    lb_update = new QLabel(PanUpdate);
    lb_update->setObjectName(QStringLiteral("lb_update"));
    lb_update->setGeometry(5, 35, 281, 57);
    lb_update->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lb_update->setWordWrap(true);
    lb_update->setTextFormat(Qt::PlainText);
    lb_update->setFont(LookFonts::Dialog(8, true));
    lb_update->setAttribute(Qt::WA_TransparentForMouseEvents);
    lb_update->setText(QStringLiteral("Internetupdate"));
    QPalette palette = lb_update->palette();
    palette.setColor(QPalette::WindowText, kStatusColor);
    lb_update->setPalette(palette);

    QRect area;
    if (mainWindow && mainWindow->isActiveWindow()) {
        area = mainWindow->frameGeometry();
    } else if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        area = screen->geometry();
    }
    if (area.isValid())
        move(area.left() + (area.width() - FormWidth) / 2, area.top() + (area.height() - FormHeight) / 2);
}

TForm_InternetUpdate::~TForm_InternetUpdate() = default;

QProgressBar *TForm_InternetUpdate::ProgressBar() const
{
    return FCallback ? FCallback->FProgressBar.data() : nullptr;
}

bool TForm_InternetUpdate::IsConnected() const
{
    return FIsConnected && FIsConnected();
}

void TForm_InternetUpdate::Abort()
{
    FDownload->Abort();
}

void TForm_InternetUpdate::ShowStatus(const QString &text)
{
    lb_update->setText(ForLabel(text));
}

void TForm_InternetUpdate::RunUpdate()
{
    if (IsConnected()) {
        FSetupFile = CheckAndDownload();
        FSuccess = !Trim(FSetupFile).isEmpty() && QFileInfo::exists(FSetupFile);
    } else {
        FSuccess = false;
        FMessage = QStringLiteral("Es besteht keine Verbindung zum Internet.");
    }
}

QString TForm_InternetUpdate::CheckAndDownload()
{
    FMessage.clear();
    if (Trim(FSource.UpdateCategory).isEmpty()) {
        FMessage = QStringLiteral("Für dieses Programm ist keine Kategorie qualifiziert.\r\n"
                                  "Bitte wenden Sie sich an den Autor!");
        return {};
    }
    const QUrl informationUrl(FSource.InformationUrl());
    const QUrl setupUrl(FSource.SetupUrl());
    if (!IsConnected()) {
        FMessage = QStringLiteral("Es kann zur Zeit keine Verbindung\r\nzum Internet hergestellt werden.\r\n"
                                  "Prüfen sie die Ursachen\r\nund versuchen Sie es erneut!");
        return {};
    }

    QCoreApplication::processEvents();
    FCallback = std::make_unique<cDownloadStatusCallback>();
    // The callback and its progress bar go whatever happens below.
    struct CallbackCleanUp {
        std::unique_ptr<cDownloadStatusCallback> &callback;
        ~CallbackCleanUp() { callback.reset(); }
    } cleanUp{FCallback};

    QString result;
    FSuccess = false;
    FMessage.clear();
    FTick = UpdateTickCount();
    ShowStatus(QStringLiteral("Bitte warten!\r\nPrüfe auf neue Version ..."));

    QString informationFile;
    const bool gotInformation
        = DownloadFile(informationUrl, FSource.baseName.toLower() + QStringLiteral(".ini"), informationFile);
    if (gotInformation) {
        QCoreApplication::processEvents();
        if (IsNewerVersion(informationFile)) {
            ShowStatus(QStringLiteral("Neuere Version %1 gefunden.\r\nDownload wird gestartet...").arg(FNewVersion));
            QCoreApplication::processEvents();
        } else {
            FMessage = QStringLiteral("Es steht keine aktuellere Version als diese (%1) zur Verfügung.")
                           .arg(FSource.ownVersion);
        }
        QFile::remove(informationFile);
    }
    if (!gotInformation && Trim(FMessage).isEmpty()) {
        FMessage = QStringLiteral("Es steht keine Information über eine aktuellere%1Version als diese (%2) zur Verfügung.")
                       .arg(QStringLiteral("\r\n"), FSource.ownVersion);
    }

    if (FMessage.isEmpty()) {
        auto *bar = new QProgressBar(PanUpdate);
        bar->setObjectName(QStringLiteral("ProgressBar"));
        bar->setGeometry(5, 68, 280, 20);
        bar->setRange(0, 100);
        bar->reset();
        bar->show();
        FCallback->FProgressBar = bar;

        const QString setup = Download(setupUrl, FSource.fileName, SetupSizeLimit, true);
        FSuccess = !setup.isEmpty();
        if (FSuccess) {
            result = setup;
        } else if (FCallback->FCancel || FDownload->Failure() == QLatin1String("stopped")) {
            FMessage = FCallback->FStatusText;
        } else {
            FMessage = QStringLiteral("Download Vers. %1 fehlgeschlagen.\r\nBitte versuchen Sie es später erneut!")
                           .arg(FNewVersion);
        }
    }
    return result;
}

bool TForm_InternetUpdate::DownloadFile(const QUrl &url, const QString &name, QString &localPath)
{
    QCoreApplication::processEvents();
    localPath = Download(url, name, InformationSizeLimit, false);
    return !localPath.isEmpty();
}

QString TForm_InternetUpdate::Download(const QUrl &url, const QString &name, qint64 limit, bool withProgress)
{
    const CreatedFile created = CreateUpdateTempFile(QFile::encodeName(FSource.tempFolder).toStdString(), FTick,
                                                     QFile::encodeName(name).toStdString());
    if (created.fd < 0) {
        qCWarning(lcUpdate) << "cannot create a file for" << name << "in" << FSource.tempFolder;
        return {};
    }
    const QString path = QFile::decodeName(QByteArray::fromStdString(created.path));
    QFile file;
    file.open(created.fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle);

    FDownload->SetSizeLimit(limit);
    if (withProgress) {
        FDownload->SetReport([this](FileDownload::Stage stage, qint64 progress, qint64 maximum) {
            const int statusCode = static_cast<int>(stage);
            const bool goOn = !FCallback || FCallback->OnProgress(progress, maximum, statusCode);
            emit Reported(statusCode);
            return goOn;
        });
    } else {
        FDownload->SetReport({});
    }
    bool whole = FDownload->Run(url, file);
    whole = file.flush() && whole;
    file.close();
    if (!whole) {
        qCInfo(lcUpdate) << "download of" << url.toDisplayString() << "failed:" << FDownload->Failure();
        QFile::remove(path);
        return {};
    }
    return path;
}

bool TForm_InternetUpdate::IsNewerVersion(const QString &file)
{
    if (!QFileInfo::exists(file))
        return false;
    std::string content;
    try {
        content = ReadTextFile(QFile::encodeName(file).toStdString());
    } catch (const std::runtime_error &) {
        content.clear();
    }
    const UpdateOffer offer = EvaluateUpdateInfo(content, FSource.ownVersion.toStdString());
    FNewVersion = VersionText(offer.newVersion);
    QFile::remove(file);
    return offer.newer;
}

void TForm_InternetUpdate::keyPressEvent(QKeyEvent *event)
{
    if (FCallback)
        FCallback->FCancel = event->key() == Qt::Key_Escape;
    event->accept();
}

void TForm_InternetUpdate::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

void TForm_InternetUpdate::FormActivate()
{
    QCoreApplication::processEvents();
    FSavedCursor = CurrentScreenCursor();
    QPalette palette = lb_update->palette();
    palette.setColor(QPalette::WindowText, kStatusColor);
    lb_update->setPalette(palette);
    repaint();
}

bool TForm_InternetUpdate::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == PanUpdate) {
        if (event->type() == QEvent::MouseButtonPress) {
            auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() != Qt::RightButton) {
                SetScreenCursor(ScreenCursorShape::SizeAll);
                FCursorChanged = true;
            }
            if ((mouse->button() == Qt::LeftButton || mouse->button() == Qt::RightButton) && windowHandle())
                windowHandle()->startSystemMove();
            return true;
        }
        // The window system may keep the release; the next move shows it.
        const bool released = event->type() == QEvent::MouseButtonRelease
            || (event->type() == QEvent::MouseMove && static_cast<QMouseEvent *>(event)->buttons() == Qt::NoButton)
            || event->type() == QEvent::Enter;
        if (released && FCursorChanged) {
            FCursorChanged = false;
            SetScreenCursor(FSavedCursor);
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace lumo
