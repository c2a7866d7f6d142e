// Killing the program in the middle of saving the high-score list must leave
// either the old or the new list on disk, never a torn or empty file.
// A child process saves two lists alternately until the parent kills it with
// SIGKILL at a random moment; the file must then hold one of the two exactly.

#include "persistence/HighScoreList.h"
#include "persistence/HighScoreStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <random>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

using namespace lumo;

namespace {

std::string ListFile(const char *name, int points)
{
    HighScoreList list;
    list.setEntries({HighScoreEntry{1250, "Anna", "08.12.2026"},
                     HighScoreEntry{980, "J\xF6rg", "07.12.2026"},
                     HighScoreEntry{3, "Ben", "01.01.2026"}});
    return *list.SaveBytes(name, 2, points, "09.12.2026");
}

// The child: report the first finished save through the pipe, then keep
// saving until killed.
[[noreturn]] void SaveForever(const HighScoreStore &store, const std::string &a,
                              const std::string &b, int readyPipe)
{
    bool reported = false;
    for (long i = 0; i < 10'000'000; ++i) {
        if (!store.Write(i % 2 == 0 ? b : a))
            _exit(2);
        if (!reported) {
            const char byte = 1;
            if (write(readyPipe, &byte, 1) != 1)
                _exit(3);
            reported = true;
        }
    }
    _exit(0);
}

} // namespace

class AtomicSaveTest : public QObject {
    Q_OBJECT

private slots:
    void killedWriterLeavesOldOrNewList()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const HighScoreStore store = HighScoreStore::InFolder(dir.path(), QStringLiteral("Lumo"));
        // Different lengths, so a torn file could not pass for either.
        const std::string oldList = ListFile("Zoe", 1000);
        const std::string newList = ListFile("Maximilian", 1100);
        QVERIFY(store.Write(oldList));

        std::mt19937 random(1324);
        std::uniform_int_distribution<int> delayMicroseconds(0, 3000);
        constexpr int kRounds = 300;
        int sawOld = 0;
        int sawNew = 0;
        for (int round = 0; round < kRounds; ++round) {
            int pipeEnds[2];
            QCOMPARE(pipe(pipeEnds), 0);
            const pid_t child = fork();
            QVERIFY(child >= 0);
            if (child == 0) {
                close(pipeEnds[0]);
                SaveForever(store, oldList, newList, pipeEnds[1]);
            }
            close(pipeEnds[1]);
            char byte = 0;
            const bool childSaved = read(pipeEnds[0], &byte, 1) == 1;
            close(pipeEnds[0]);
            usleep(static_cast<useconds_t>(delayMicroseconds(random)));
            kill(child, SIGKILL);
            int status = 0;
            QCOMPARE(waitpid(child, &status, 0), child);
            QVERIFY2(childSaved, "the writer never finished a save");
            QVERIFY2(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL,
                     "the writer stopped by itself instead of being killed");

            const std::string onDisk = store.Read();
            QVERIFY2(onDisk == oldList || onDisk == newList,
                     qPrintable(QStringLiteral("round %1: %2 bytes that are neither list")
                                    .arg(round)
                                    .arg(onDisk.size())));
            ++(onDisk == oldList ? sawOld : sawNew);
        }
        const QStringList leftovers = QDir(dir.path()).entryList(QDir::Files);
        qInfo("%d kills: %d left the old list, %d the new one; files in the folder afterwards: %s",
              kRounds, sawOld, sawNew, qPrintable(leftovers.join(QStringLiteral(", "))));
    }
};

QTEST_MAIN(AtomicSaveTest)
#include "AtomicSaveTest.moc"
