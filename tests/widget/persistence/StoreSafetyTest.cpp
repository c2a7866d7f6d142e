// The high-score file and the settings file against a full disk and against
// whatever else can stand at their paths: the old file stays, a FIFO, device,
// folder, link or oversized file counts as missing and is never written
// through, and the settings report a failed save with their message.

#include "FakeSettingsHost.h"
#include "TinyDisk.h"

#include "persistence/HighScoreList.h"
#include "persistence/HighScoreStore.h"
#include "persistence/SettingsController.h"
#include "persistence/SettingsPanel.h"
#include "persistence/SettingsStore.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include <sys/stat.h>

using namespace lumo;

namespace {

const QString kWriteFailure =
    QStringLiteral("Sie verfügen nicht über ausreichende Berechtigungen um Benutzerdaten zu speichern.\r\n"
                   "Verständigen Sie den Systemadministrator!");

std::string ListFile(const char *name, int points)
{
    HighScoreList list;
    list.setEntries({HighScoreEntry{1250, "Anna", "08.12.2026"}, HighScoreEntry{980, "Ben", "07.12.2026"},
        HighScoreEntry{}});
    return *list.SaveBytes(name, 2, points, "09.12.2026");
}

QByteArray Content(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void Put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// The kinds of things that are not a store file. Each makes its thing at path
// (the folder holds a file "victim" that a link may point to).
enum class Kind { Fifo, LinkToFile, LinkToZero, Folder, Oversized };

void Make(Kind kind, const QString &path)
{
    const QString victim = QFileInfo(path).absolutePath() + QStringLiteral("/victim");
    switch (kind) {
    case Kind::Fifo:
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        break;
    case Kind::LinkToFile:
        Put(victim, "export A=1\n");
        QVERIFY(QFile::link(victim, path));
        break;
    case Kind::LinkToZero:
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
        break;
    case Kind::Folder:
        QVERIFY(QDir().mkpath(path));
        break;
    case Kind::Oversized:
        Put(path, "x");
        QVERIFY(QFile::resize(path, 100 * 1024 * 1024)); // sparse
        break;
    }
}

// What stands at the path (not followed) and what a link's victim holds.
struct Snapshot {
    unsigned mode;
    qint64 size;
    QByteArray victim;
};

Snapshot Take(const QString &path)
{
    struct stat info {};
    lstat(QFile::encodeName(path).constData(), &info);
    const QString victim = QFileInfo(path).absolutePath() + QStringLiteral("/victim");
    return Snapshot{static_cast<unsigned>(info.st_mode), static_cast<qint64>(info.st_size),
        QFileInfo::exists(victim) ? Content(victim) : QByteArray()};
}

void AddKinds()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("FIFO") << int(Kind::Fifo);
    QTest::newRow("link to a file of the player") << int(Kind::LinkToFile);
    QTest::newRow("link to /dev/zero") << int(Kind::LinkToZero);
    QTest::newRow("folder") << int(Kind::Folder);
    QTest::newRow("100 MB file") << int(Kind::Oversized);
}

struct SettingsRig {
    explicit SettingsRig(const QString &storePath)
        : host(settings), mainPanel(new QWidget), panel(new SettingsPanel(settings, host, mainPanel.get())),
          controller(SettingsStore(storePath), settings, *panel, host)
    {}
    UserSettings settings;
    FakeSettingsHost host;
    std::unique_ptr<QWidget> mainPanel;
    SettingsPanel *panel;
    SettingsController controller;
};

} // namespace

class StoreSafetyTest : public QObject {
    Q_OBJECT

private slots:
    void highScoresSurviveAFullDisk()
    {
        test::TinyDisk disk;
        LUMO_REQUIRE_TINY_DISK(disk);
        const HighScoreStore store = HighScoreStore::InFolder(disk.path(), QStringLiteral("Lumo"));
        const std::string oldList = ListFile("Zoe", 1000);
        QVERIFY(store.Write(oldList));
        disk.Fill();
        QVERIFY(!store.Write(ListFile("Maximilian", 1100)));
        QCOMPARE(store.Read(), oldList);
        QStringList left = QDir(disk.path()).entryList(QDir::Files | QDir::Hidden);
        left.sort();
        QCOMPARE(left, (QStringList{QStringLiteral("Lumo.HSC"), QStringLiteral("fill")}));
        disk.FreeOnePage();
        QVERIFY(store.Write(ListFile("Maximilian", 1100)));
        QCOMPARE(store.Read(), ListFile("Maximilian", 1100));
    }

    void settingsSurviveAFullDiskAndSaySo()
    {
        test::TinyDisk disk;
        LUMO_REQUIRE_TINY_DISK(disk);
        const QString path = disk.path() + QStringLiteral("/vemu/LUMO.conf");
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        const QByteArray stored("[General]\nOptAni=1\nOptMidi=1\nOptSound=1\n");
        Put(path, stored);
        disk.Fill();

        SettingsRig rig(path);
        rig.controller.ReadSettings();
        rig.host.ready = true;
        rig.panel->bt_aniClick(); // something to save
        rig.controller.WriteSettings();
        QCOMPARE(rig.host.infos, QStringList{kWriteFailure});
        QCOMPARE(Content(path), stored);

        // One page free, as in a nearly full disk: the save goes through whole.
        disk.FreeOnePage();
        rig.host.infos.clear();
        rig.controller.WriteSettings();
        QVERIFY(rig.host.infos.isEmpty());
        QCOMPARE(Content(path), QByteArray("[General]\nOptAni=0\nOptMidi=1\nOptSound=1\n"));
    }

    void highScoresOnlyFromARegularFile_data() { AddKinds(); }
    void highScoresOnlyFromARegularFile()
    {
        QFETCH(int, kind);
        QTemporaryDir dir;
        const HighScoreStore store = HighScoreStore::InFolder(dir.path(), QStringLiteral("Lumo"));
        Make(Kind(kind), store.filePath());
        const Snapshot before = Take(store.filePath());
        QCOMPARE(store.Read(), std::string());
        if (Kind(kind) == Kind::Oversized) {
            // A regular file that cannot be a list: the new list replaces it.
            QVERIFY(store.Write(ListFile("Zoe", 1000)));
            QCOMPARE(store.Read(), ListFile("Zoe", 1000));
            return;
        }
        QVERIFY(!store.Write(ListFile("Zoe", 1000)));
        const Snapshot after = Take(store.filePath());
        QCOMPARE(after.mode, before.mode);
        QCOMPARE(after.size, before.size);
        QCOMPARE(after.victim, before.victim);
    }

    void settingsOnlyFromARegularFile_data() { AddKinds(); }
    void settingsOnlyFromARegularFile()
    {
        QFETCH(int, kind);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("LUMO.conf"));
        Make(Kind(kind), path);
        const Snapshot before = Take(path);

        SettingsRig rig(path);
        rig.controller.ReadSettings();
        // Counted as no store: nothing read, the sound button untouched.
        QCOMPARE(rig.panel->bt_soundonoff()->text(), QStringLiteral("Sound ausschalten"));
        QCOMPARE(rig.host.tones, 0);
        rig.settings.FSoundOn = true;
        rig.controller.WriteSettings();
        QCOMPARE(rig.host.infos, QStringList{kWriteFailure});
        const Snapshot after = Take(path);
        QCOMPARE(after.mode, before.mode);
        QCOMPARE(after.size, before.size);
        QCOMPARE(after.victim, before.victim);
    }
};

QTEST_MAIN(StoreSafetyTest)
#include "StoreSafetyTest.moc"
