#pragma once
// A real full disk for a test: a 64 KiB tmpfs mounted on a fresh folder,
// which Fill() fills to the last page. Mounting needs root; elsewhere the test
// is skipped, and under CI that fails it.

#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <cstring>

#include <sys/mount.h>
#include <unistd.h>

namespace lumo::test {

class TinyDisk {
public:
    TinyDisk()
    {
        if (FDir.isValid() && geteuid() == 0)
            FMounted =
                mount("tmpfs", QFile::encodeName(FDir.path()).constData(), "tmpfs", 0, "size=64k") == 0;
        if (!FMounted)
            FError = QString::fromLocal8Bit(std::strerror(errno));
    }
    ~TinyDisk()
    {
        if (FMounted)
            umount2(QFile::encodeName(FDir.path()).constData(), MNT_DETACH);
    }
    TinyDisk(const TinyDisk &) = delete;
    TinyDisk &operator=(const TinyDisk &) = delete;

    bool mounted() const { return FMounted; }
    QString error() const { return FError; }
    QString path() const { return FDir.path(); }

    // Writes a filler file until the disk takes no more.
    void Fill()
    {
        QFile fill(FDir.filePath(QStringLiteral("fill")));
        if (!fill.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
            return;
        const QByteArray block(4096, 'f');
        while (fill.write(block) == block.size()) {
        }
    }

    // Gives one page back.
    void FreeOnePage()
    {
        QFile fill(FDir.filePath(QStringLiteral("fill")));
        fill.resize(fill.size() > 4096 ? fill.size() - 4096 : 0);
    }

private:
    QTemporaryDir FDir;
    bool FMounted = false;
    QString FError;
};

} // namespace lumo::test

#define LUMO_REQUIRE_TINY_DISK(disk)                                                                         \
    do {                                                                                                     \
        if (!(disk).mounted()) {                                                                             \
            if (qgetenv("CI") == "true")                                                                     \
                QFAIL(qPrintable(QStringLiteral("(CI, would skip) no tmpfs: ") + (disk).error()));           \
            QSKIP(qPrintable(QStringLiteral("no tmpfs (needs root): ") + (disk).error()));                   \
        }                                                                                                    \
    } while (false)
