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
        if (m_dir.isValid() && geteuid() == 0)
            m_mounted = mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", 0, "size=64k") == 0;
        if (!m_mounted)
            m_error = QString::fromLocal8Bit(std::strerror(errno));
    }
    ~TinyDisk()
    {
        if (m_mounted)
            umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
    }
    TinyDisk(const TinyDisk &) = delete;
    TinyDisk &operator=(const TinyDisk &) = delete;

    bool mounted() const { return m_mounted; }
    QString error() const { return m_error; }
    QString path() const { return m_dir.path(); }

    // Writes a filler file until the disk takes no more.
    void Fill()
    {
        QFile fill(m_dir.filePath(QStringLiteral("fill")));
        if (!fill.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
            return;
        const QByteArray block(4096, 'f');
        while (fill.write(block) == block.size()) {
        }
    }

    // Gives one page back.
    void FreeOnePage()
    {
        QFile fill(m_dir.filePath(QStringLiteral("fill")));
        fill.resize(fill.size() > 4096 ? fill.size() - 4096 : 0);
    }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
    QString m_error;
};

} // namespace lumo::test

#define LUMO_REQUIRE_TINY_DISK(disk)                                                        \
    do {                                                                                    \
        if (!(disk).mounted()) {                                                            \
            if (qgetenv("CI") == "true")                                                    \
                QFAIL(qPrintable(QStringLiteral("(CI, would skip) no tmpfs: ") + (disk).error())); \
            QSKIP(qPrintable(QStringLiteral("no tmpfs (needs root): ") + (disk).error()));  \
        }                                                                                   \
    } while (false)
