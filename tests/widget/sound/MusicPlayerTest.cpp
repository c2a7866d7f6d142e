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

#include <QtTest>

#include <cmath>

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
