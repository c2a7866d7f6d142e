// Runs without a sound server (the test environment points PulseAudio nowhere):
// every call must return at once, silently, and the stored sounds must be intact.
#include "sound/ResourceLookup.h"
#include "sound/SoundDevices.h"
#include "sound/SoundPlayback.h"
#include "sound/WaveImage.h"

#include <QtTest>

using namespace lumo;

class SoundPlaybackTest : public QObject {
    Q_OBJECT
private slots:
    void noServerMeansNoDevices() {
        QVERIFY(!WaveOutputPresent());
        QVERIFY(!MidiOutputPresent());
    }

    void toneAboveTheLimitShowsTheEnglishRefusal() {
        QStringList shown;
        SetToneErrorPresenter([&shown](const QString& text) { shown << text; });
        PlayTone(7000, 10, 5);
        PlayTone(6615, 10, 5);  // allowed: no message, and without a device no sound
        PlayTone(2000, 5, 20);
        SetToneErrorPresenter({});
        QCOMPARE(shown, QStringList{"Sample rate of 11025 is too Low to play a tone of 7000Hz"});
    }

    void recordingsWithoutDeviceReportNotPlayed() {
        QVERIFY(!PlayResourceSoundReported("HALLO"));
        PlayResourceSound("Applaus");  // silent, returns
        QVERIFY(!PlayResourceSoundReported("gibt es nicht"));
    }

    void recordingsAreFoundIgnoringCase_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("seconds");
        QTest::newRow("Applaus") << "Applaus" << 4.5;
        QTest::newRow("APPLAUS") << "APPLAUS" << 4.5;
        QTest::newRow("hallo") << "hallo" << 0.34;
    }

    void recordingsAreFoundIgnoringCase() {
        QFETCH(QString, name);
        QFETCH(double, seconds);
        const auto bytes = ReadResourceByName(":/sound", name);
        QVERIFY(bytes.has_value());
        const auto sound = DecodeWave(reinterpret_cast<const std::uint8_t*>(bytes->constData()),
                                      static_cast<std::size_t>(bytes->size()));
        QVERIFY(sound.has_value());
        QCOMPARE(sound->sampleRate, 11025);
        QVERIFY(std::abs(sound->DurationUs() / 1e6 - seconds) < 0.05);
        // Not silence: a root mean square well above the noise floor.
        double sum = 0;
        for (auto s : sound->samples) sum += double(s) * s;
        QVERIFY(std::sqrt(sum / sound->samples.size()) > 1000.0);
    }

    void unknownNamesAreNotFound() {
        QVERIFY(FindResourceByName(":/sound", "APPLAUSE").isEmpty());
        QVERIFY(FindResourceByName(":/sound", "").isEmpty());
        QVERIFY(!ReadResourceByName(":/music", "data_10").has_value());
        QCOMPARE(FindResourceByName(":/music", "data_7"), QString(":/music/DATA_7.mid"));
    }
};

QTEST_MAIN(SoundPlaybackTest)
#include "SoundPlaybackTest.moc"
