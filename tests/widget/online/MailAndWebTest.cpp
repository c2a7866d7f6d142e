// The mail to the author and the web link with the desktop's real handlers:
// xdg-mime and xdg-open in a private XDG home where a fake mail program and a
// fake browser are registered; each records the link it was given.

#include "FakeOnlineHost.h"

#include "online/AuthorMail.h"
#include "online/MailClient.h"
#include "online/MailTo.h"
#include "online/WebLink.h"
#include "common/ScreenCursor.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace lumo;

namespace {

const QString kNoMailClient
    = QStringLiteral("Es kann keine E-Mail gesendet werden, da kein E-Mail Client installiert ist.");
const QString kNoConnection = QStringLiteral("Es kann zur Zeit keine Verbindung\r\nzum Internet hergestellt werden.\r\n"
                                             "Prüfen sie die Ursachen\r\nund versuchen Sie es erneut!");
// What the menu entry sends, percent-encoded as a mailto link must be.
const QString kAuthorLink = QStringLiteral(
    "mailto:lumo@example.org?subject=Programm%20Lumo%20Vers.26.4.6.0"
    "&body=Hier%20Ihren%20Text%20%28Meinungen%2CAnfragen%20e.t.c%29%3A");

bool Write(const QString &path, const QByteArray &content, bool executable = false)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return false;
    file.close();
    return !executable
        || file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

QByteArray Read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class MailAndWebTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> FHome;
    QString Config() const { return FHome->filePath(QStringLiteral("config")); }
    QString Data() const { return FHome->filePath(QStringLiteral("data")); }
    QString Record() const { return FHome->filePath(QStringLiteral("handler-got")); }

    // A handler program and its desktop entry (ID relative to applications/).
    void Register(const QString &entryPath, const QString &scheme, const QString &desktopId)
    {
        const QString handler = FHome->filePath(QStringLiteral("handler.sh"));
        QVERIFY(Write(handler, "#!/bin/sh\nprintf '%s' \"$1\" > '" + Record().toUtf8() + "'\n", true));
        QVERIFY(Write(Data() + QStringLiteral("/applications/") + entryPath,
                      "[Desktop Entry]\nType=Application\nName=Fake\nExec=" + handler.toUtf8() + " %u\n"
                      "MimeType=x-scheme-handler/" + scheme.toUtf8() + ";\n"));
        QFile list(Config() + QStringLiteral("/mimeapps.list"));
        QByteArray content = Read(list.fileName());
        if (content.isEmpty())
            content = "[Default Applications]\n";
        content += "x-scheme-handler/" + scheme.toUtf8() + "=" + desktopId.toUtf8() + "\n";
        QVERIFY(Write(list.fileName(), content));
    }

private slots:
    void init()
    {
        FHome = std::make_unique<QTemporaryDir>();
        QVERIFY(FHome->isValid());
        QDir().mkpath(Config());
        QDir().mkpath(Data());
        // Only this private home counts: no system-wide defaults or entries.
        qputenv("XDG_CONFIG_HOME", Config().toUtf8());
        qputenv("XDG_CONFIG_DIRS", FHome->filePath(QStringLiteral("no-config-dirs")).toUtf8());
        qputenv("XDG_DATA_HOME", Data().toUtf8());
        qputenv("XDG_DATA_DIRS", FHome->filePath(QStringLiteral("no-data-dirs")).toUtf8());
        qunsetenv("XDG_CURRENT_DESKTOP");
        qunsetenv("DESKTOP_SESSION");
        qunsetenv("BROWSER");
        qunsetenv("DEFAULT_BROWSER");
        // xdg-open asks the desktop's handlers only when a display is named;
        // the fake handlers themselves need none.
        if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
            qputenv("DISPLAY", ":lumo-test-no-display");
        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("xdg-mime")).isEmpty(), "xdg-mime (xdg-utils) is missing");
    }

    void linkIsPercentEncoded()
    {
        FakeOnlineHost host;
        AuthorMail mail(host, QStringLiteral("lumo@example.org"), QStringLiteral("Lumo"), QStringLiteral("26.4.6.0"));
        QCOMPARE(MailToUrl(mail.AuthorRequest()), kAuthorLink);
        MailRequest odd;
        odd.insert(QStringLiteral("to"), QStringLiteral("a b@example.org"));
        odd.insert(QStringLiteral("subject"), QString());
        odd.insert(QStringLiteral("body"), QStringLiteral("Grüße & mehr?\r\n=100%"));
        QCOMPARE(MailToUrl(odd), QStringLiteral("mailto:a%20b@example.org?body=Gr%C3%BC%C3%9Fe%20%26%20mehr%3F%0D%0A%3D100%25"));
    }

    void mailClientIsTheDefaultHandlerWithAnEntry()
    {
        QVERIFY(!MailClientInstalled());
        Register(QStringLiteral("fake-mail.desktop"), QStringLiteral("mailto"), QStringLiteral("fake-mail.desktop"));
        QCOMPARE(DefaultMailHandler(), QStringLiteral("fake-mail.desktop"));
        QVERIFY(MailClientInstalled());
        // A registered handler whose entry is gone counts as none.
        QVERIFY(QFile::remove(Data() + QStringLiteral("/applications/fake-mail.desktop")));
        QVERIFY(!MailClientInstalled());
    }

    void entryInAVendorFolderCounts()
    {
        Register(QStringLiteral("vendor/mail.desktop"), QStringLiteral("mailto"), QStringLiteral("vendor-mail.desktop"));
        QVERIFY(MailClientInstalled());
        QVERIFY(!DesktopEntryExists(QStringLiteral("../vendor/mail.desktop")));
        QVERIFY(!DesktopEntryExists(QStringLiteral("vendor-mail")));
    }

    void menuEntryHandsTheExactLinkToTheMailProgram()
    {
        Register(QStringLiteral("fake-mail.desktop"), QStringLiteral("mailto"), QStringLiteral("fake-mail.desktop"));
        FakeOnlineHost host;
        AuthorMail mail(host, QStringLiteral("lumo@example.org"), QStringLiteral("Lumo"), QStringLiteral("26.4.6.0"));
        mail.bt_mailClick();
        QCOMPARE(host.menuClosed, 1);
        QVERIFY(host.infos.isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(QString::fromUtf8(Read(Record())), kAuthorLink, 20000);
        QVERIFY(ScreenCursorIsNormal());
    }

    void withoutMailProgramTheMessageComesAndNothingStarts()
    {
        FakeOnlineHost host;
        AuthorMail mail(host, QStringLiteral("lumo@example.org"), QStringLiteral("Lumo"), QStringLiteral("26.4.6.0"));
        int opened = 0;
        mail.SetUrlOpener([&opened](const QString &) { return ++opened > 0; });
        mail.bt_mailClick();
        QCOMPARE(host.infos, QStringList{kNoMailClient});
        QCOMPARE(opened, 0);
    }

    void aHandlerThatCannotBeStartedGivesTheMessage()
    {
        Register(QStringLiteral("fake-mail.desktop"), QStringLiteral("mailto"), QStringLiteral("fake-mail.desktop"));
        FakeOnlineHost host;
        AuthorMail mail(host, QStringLiteral("lumo@example.org"), QStringLiteral("Lumo"), QStringLiteral("26.4.6.0"));
        mail.SetUrlOpener([](const QString &) { return false; });
        mail.bt_mailClick();
        QCOMPARE(host.infos, QStringList{kNoMailClient});
    }

    void webLinkWithoutConnectionStartsNothing()
    {
        Register(QStringLiteral("fake-browser.desktop"), QStringLiteral("https"), QStringLiteral("fake-browser.desktop"));
        FakeOnlineHost host;
        WebLink link(host, QStringLiteral("https://lumo.example.org/"), [] { return false; });
        link.i_logoClick();
        QCOMPARE(host.infos, QStringList{kNoConnection});
        QCOMPARE(host.menuClosed, 1);
        QTest::qWait(1500);
        QVERIFY(!QFileInfo::exists(Record()));
        QVERIFY(ScreenCursorIsNormal());
    }

    void webLinkOpensTheSiteInTheBrowser()
    {
        Register(QStringLiteral("fake-browser.desktop"), QStringLiteral("https"), QStringLiteral("fake-browser.desktop"));
        FakeOnlineHost host;
        WebLink link(host, QStringLiteral("https://lumo.example.org/"), [] { return true; });
        link.i_logoClick();
        QVERIFY(host.infos.isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(QString::fromUtf8(Read(Record())), QStringLiteral("https://lumo.example.org/"), 20000);
    }

    void webLinkThatCannotOpenGivesTheConnectionMessage()
    {
        FakeOnlineHost host;
        WebLink link(host, QStringLiteral("https://lumo.example.org/"), [] { return true; });
        link.SetUrlOpener([](const QString &) { return false; });
        link.i_logoClick();
        QCOMPARE(host.infos, QStringList{kNoConnection});
    }
};

QTEST_MAIN(MailAndWebTest)
#include "MailAndWebTest.moc"
