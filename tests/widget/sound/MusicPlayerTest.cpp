// The music player parts that work without a sound server: the stored pieces,
// the temporary file, the synthesizer rendering offline, and the refusals
// when no output exists.
#include "sound/FluidMusicPlayer.h"
#include "sound/MusicController.h"
#include "sound/ResourceLookup.h"
#include "sound/ResourceTrackStore.h"
#include "sound/SoundDevices.h"
#include "sound/SoundFontLocator.h"
#include "sound/SoundOutput.h"
#include "sound/SynthStream.h"

#include <QDir>
#include <QtTest>

#include <cmath>
#include <cstdlib>

#include <sys/stat.h>
#include <unistd.h>

using namespace lumo;

namespace {

// Length of a standard MIDI file with one tempo: last event tick -> seconds.
double MidiSeconds(const QByteArray& smf) {
    auto u32 = [&](int at) {
        return (quint32(quint8(smf[at])) << 24) | (quint32(quint8(smf[at + 1])) << 16) |
               (quint32(quint8(smf[at + 2])) << 8) | quint32(quint8(smf[at + 3]));
    };
    const int division = (quint8(smf[12]) << 8) | quint8(smf[13]);
    double tempo = 500000;
    quint64 lastTick = 0;
    int pos = 14;
    while (pos + 8 <= smf.size() && smf.mid(pos, 4) == "MTrk") {
        const int end = pos + 8 + int(u32(pos + 4));
        int p = pos + 8;
        quint64 tick = 0;
        quint8 status = 0;
        while (p < end) {
            quint32 delta = 0;
            quint8 b;
            do { b = quint8(smf[p++]); delta = (delta << 7) | (b & 0x7F); } while (b & 0x80);
            tick += delta;
            if (quint8(smf[p]) & 0x80) status = quint8(smf[p++]);
            if (status == 0xFF) {
                const quint8 type = quint8(smf[p++]);
                quint32 len = 0;
                do { b = quint8(smf[p++]); len = (len << 7) | (b & 0x7F); } while (b & 0x80);
                if (type == 0x51) tempo = (quint8(smf[p]) << 16) | (quint8(smf[p + 1]) << 8) | quint8(smf[p + 2]);
                p += int(len);
            } else {
                p += ((status & 0xF0) == 0xC0 || (status & 0xF0) == 0xD0) ? 1 : 2;
            }
        }
        lastTick = std::max(lastTick, tick);
        pos = end;
    }
    return double(lastTick) / division * tempo / 1e6;
}

double Rms(const QByteArray& pcm) {
    const auto* s = reinterpret_cast<const qint16*>(pcm.constData());
    const qsizetype n = pcm.size() / 2;
    double sum = 0;
    for (qsizetype i = 0; i < n; ++i) sum += double(s[i]) * s[i];
    return n ? std::sqrt(sum / n) : 0.0;
}

struct RecordingView : MusicView {
    QStringList labels;
    void SetMusicLabel(const std::string& t) override { labels << QString::fromStdString(t); }
    void SetMusicLabelHint(const std::string&) override {}
    void SetTrackButtonsVisible(bool) override {}
    void SetMusicSwitch(const std::string&, const std::string&, int) override {}
    void SetMusicTimerEnabled(bool) override {}
};

} // namespace

class MusicPlayerTest : public QObject {
    Q_OBJECT
private slots:
    void piecesAreStoredMidiFilesOfOneToThreeMinutes() {
        for (int n = 1; n <= 9; ++n) {
            const auto bytes = ReadResourceByName(":/music", QString("Data_%1").arg(n));
            QVERIFY2(bytes.has_value(), qPrintable(QString::number(n)));
            QVERIFY(bytes->startsWith("MThd"));
            QVERIFY2(bytes->size() < 16 * 1024, "keep the pieces small");
            const double seconds = MidiSeconds(*bytes);
            QVERIFY2(seconds >= 60 && seconds <= 180, qPrintable(QString("piece %1: %2 s").arg(n).arg(seconds)));
        }
    }

    void trackStoreCopiesEachPieceUnchangedAndReplacesTheFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath("~LUMO.TMP");
        ResourceTrackStore store(path);
        QVERIFY(!store.FileExists());
        QCOMPARE(QString::fromStdString(store.FilePath()), path);
        for (int n : {3, 1, 9}) {
            QVERIFY(store.SaveTrack(n));
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), *ReadResourceByName(":/music", QString("DATA_%1").arg(n)));
        }
        QVERIFY(!store.SaveTrack(10));
        QVERIFY(store.FileExists());
        QVERIFY(ResourceTrackStore::DefaultFilePath().endsWith("/~LUMO.TMP"));
    }

    void unwritableFolderFailsAndKeepsNothingHalfWritten() {
        ResourceTrackStore store("/nonexistent-folder/~LUMO.TMP");
        QVERIFY(!store.SaveTrack(1));
        QVERIFY(!store.FileExists());
    }

    // The critical case of a shared temporary folder: another user's link at
    // the piece's name. The default file is in the user's own folder, and
    // wherever it is, a link there is neither written through nor played.
    void anotherUsersLinkInTheSharedFolderIsNeitherWrittenNorPlayed()
    {
        if (geteuid() != 0) {
            if (qgetenv("CI") == "true")
                QFAIL("(CI, would skip) a second user needs root for setpriv");
            QSKIP("a second user needs root for setpriv");
        }
        QTemporaryDir dir;
        QVERIFY(QFile::setPermissions(dir.path(),
            QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                QFileDevice::ReadOther | QFileDevice::ExeOther));
        const QString shared = dir.filePath("tmp");
        QVERIFY(QDir().mkdir(shared));
        QVERIFY(chmod(QFile::encodeName(shared).constData(), 01777) == 0);
        const QString victim = dir.filePath("bashrc");
        {
            QFile f(victim);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("export A=1\n");
        }
        const QString plant = "setpriv --reuid=65534 --regid=65534 --clear-groups ln -s " + victim + " " +
            shared + "/~LUMO.TMP";
        QCOMPARE(std::system(plant.toLocal8Bit().constData()), 0);

        const QByteArray oldTmp = qgetenv("TMPDIR"), oldRuntime = qgetenv("XDG_RUNTIME_DIR");
        qputenv("TMPDIR", shared.toLocal8Bit());
        qunsetenv("XDG_RUNTIME_DIR");
        ResourceTrackStore store;
        const bool saved = store.SaveTrack(1);
        qputenv("TMPDIR", oldTmp);
        if (oldRuntime.isEmpty())
            qunsetenv("XDG_RUNTIME_DIR");
        else
            qputenv("XDG_RUNTIME_DIR", oldRuntime);

        QVERIFY(saved);
        QCOMPARE(
            QString::fromStdString(store.FilePath()), shared + QString("/lumo-%1/~LUMO.TMP").arg(geteuid()));
        QFile v(victim);
        QVERIFY(v.open(QIODevice::ReadOnly));
        QCOMPARE(v.readAll(), QByteArray("export A=1\n"));

        // The planted link itself, named directly: not written, not played.
        ResourceTrackStore planted(shared + "/~LUMO.TMP");
        QVERIFY(!planted.SaveTrack(1));
        QVERIFY(!planted.FileExists());
        // Even when the link leads to a real piece.
        QVERIFY(QFile::remove(victim) && QFile::copy(QString::fromStdString(store.FilePath()), victim));
        SynthStream synth;
        QCOMPARE(synth.OpenFile(shared + "/~LUMO.TMP", "no.sf2"),
            std::string("Die Musikdatei kann nicht gelesen werden."));
    }

    // Only the user's own regular file no larger than a stored piece is read.
    void onlyOwnRegularPiecesWithinTheLimitArePlayed()
    {
        QTemporaryDir dir;
        const QString piece = dir.filePath("piece.mid");
        {
            QFile f(piece);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("MThd");
        }
        QVERIFY(QFile::resize(piece, 2LL << 30)); // sparse 2 GB that starts like a piece
        QVERIFY(mkfifo(QFile::encodeName(dir.filePath("fifo.mid")).constData(), 0600) == 0);
        SynthStream synth;
        const std::string refused("Die Musikdatei kann nicht gelesen werden.");
        QCOMPARE(synth.OpenFile(piece, "no.sf2"), refused);
        QCOMPARE(synth.OpenFile(dir.filePath("fifo.mid"), "no.sf2"), refused);
        QVERIFY(QFile::resize(piece, 100));
        if (geteuid() == 0) {
            QVERIFY(chown(QFile::encodeName(piece).constData(), 65534, 65534) == 0);
            QCOMPARE(synth.OpenFile(piece, "no.sf2"), refused);
        }
        for (int n = 1; n <= 9; ++n)
            QVERIFY(std::size_t(ReadResourceByName(":/music", QString("DATA_%1").arg(n))->size()) <=
                kMaxTrackBytes);
    }

    void synthesizerRendersEveryPieceAudibly() {
        const QString font = FindGeneralMidiSoundFont();
        if (font.isEmpty()) QSKIP("no General MIDI soundfont installed");
        QTemporaryDir dir;
        ResourceTrackStore store(dir.filePath("piece.mid"));
        SynthStream synth;
        for (int n = 1; n <= 9; ++n) {
            QVERIFY(store.SaveTrack(n));
            QCOMPARE(synth.OpenFile(QString::fromStdString(store.FilePath()), font), std::string());
            QCOMPARE(synth.Mode(), MusicMode::Stopped);  // opened, not started
            QByteArray pcm;
            for (int i = 0; i < 8; ++i) pcm += synth.RenderFrames(SynthStream::kSampleRate / 2);
            QCOMPARE(synth.Mode(), MusicMode::Playing);
            const double rms = Rms(pcm);
            QVERIFY2(rms > 300.0, qPrintable(QString("piece %1 rms %2").arg(n).arg(rms)));
            QVERIFY2(rms < 12000.0, qPrintable(QString("piece %1 rms %2").arg(n).arg(rms)));
            QVERIFY(synth.CloseFile());
            QCOMPARE(synth.Mode(), MusicMode::Failed);
            QVERIFY(!synth.CloseFile());
        }
    }

    void synthesizerRefusals() {
        const QString font = FindGeneralMidiSoundFont();
        if (font.isEmpty()) QSKIP("no General MIDI soundfont installed");
        QTemporaryDir dir;
        SynthStream synth;
        QCOMPARE(synth.OpenFile(dir.filePath("missing.mid"), font), std::string("Die Musikdatei kann nicht gelesen werden."));
        QFile text(dir.filePath("text.mid"));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("not music");
        text.close();
        QCOMPARE(synth.OpenFile(text.fileName(), font), std::string("Die Musikdatei ist keine MIDI-Datei."));
        ResourceTrackStore store(dir.filePath("piece.mid"));
        QVERIFY(store.SaveTrack(2));
        QCOMPARE(synth.OpenFile(dir.filePath("piece.mid"), dir.filePath("no.sf2")),
                 std::string("Die Klangdatei für die Musik kann nicht geladen werden."));
        QCOMPARE(synth.OpenFile(dir.filePath("piece.mid"), font), std::string());
        QVERIFY(!synth.OpenFile(dir.filePath("piece.mid"), font).empty());  // one piece at a time
        // No server: starting has no output to play into.
        QCOMPARE(synth.Start(), std::string("Kein Ausgabegerät für Musik vorhanden."));
        QVERIFY(synth.CloseFile());
        QCOMPARE(synth.Start(), std::string("Es ist kein Musiktitel geöffnet."));
    }

    void withoutOutputTheMusicBarSaysSoAndNothingStaysOpen() {
        SoundOutput* output = SoundOutput::Instance();
        QVERIFY(output != nullptr);
        FluidMusicPlayer player(SoundDevices::Instance(), *output);
        QTemporaryDir dir;
        ResourceTrackStore store(dir.filePath("~LUMO.TMP"));
        RecordingView view;
        MusicController music(view, player, store, [] { return 3; });
        music.SetMusic(true);
        music.PollMusic();
        QCOMPARE(view.labels, (QStringList{"Bitte warten! Musiktitel: 1 wird geladen.",
                                           "Kein Ausgabegerät für Musik vorhanden."}));
        QCOMPARE(player.Mode(), MusicMode::Failed);
        QVERIFY(!player.Close());
        music.SetMusic(false);
        QCOMPARE(view.labels.last(), QString("Musik ausgeschaltet"));
    }
};

QTEST_MAIN(MusicPlayerTest)
#include "MusicPlayerTest.moc"
