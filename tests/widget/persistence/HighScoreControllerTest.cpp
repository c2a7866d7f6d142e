#include "persistence/HighScoreController.h"
#include "persistence/HighScoreDisplay.h"
#include "persistence/HighScoreStore.h"
#include "persistence/ScrambleText.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace lumo;

namespace {

QByteArray ReadBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The unscrambled text of a high-score file.
QByteArray PlainOf(const QByteArray &file)
{
    return QByteArray::fromStdString(ScrambleText(file.toStdString()));
}

QByteArray FileOf(const QByteArray &plain)
{
    return QByteArray::fromStdString(ScrambleText(plain.toStdString())) + "\r\n";
}

} // namespace

class HighScoreControllerTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_path = m_dir->filePath(QStringLiteral("Lumo.HSC"));
        m_table = std::make_unique<QWidget>();
        m_table->resize(788, 486);
        m_display = new HighScoreDisplay(m_table.get());
        m_askCount = 0;
        m_answer.clear();
        m_controller = std::make_unique<HighScoreController>(
            HighScoreStore::InFolder(m_dir->path(), QStringLiteral("Lumo")), m_display,
            [this] {
                ++m_askCount;
                return m_answer;
            },
            [] { return QDate(2026, 12, 8); });
    }

    void noFileShowsOnlyTheHeadings()
    {
        m_controller->LoadHighScores();
        QCOMPARE(m_display->lb_bester()->text(), QStringLiteral("Bestenliste:\nName:\n\n\n"));
        QCOMPARE(m_display->lb_datum()->text(), QStringLiteral("\nDatum:\n\n\n"));
        QCOMPARE(m_display->lb_bp()->text(), QStringLiteral("\nPunkte:\n\n\n"));
        QVERIFY(!QFileInfo::exists(m_path));
    }

    void displaySitsOnTheTable()
    {
        QCOMPARE(m_display->geometry(), QRect(600, 51, 187, 72));
        m_controller->LoadHighScores();
        const QWidget *table = m_table.get();
        QCOMPARE(m_display->lb_bester()->mapTo(table, QPoint(0, 0)), QPoint(608, 53));
        QCOMPARE(m_display->lb_datum()->mapTo(table, QPoint(0, 0)), QPoint(680, 53));
        const QLabel *points = m_display->lb_bp();
        QCOMPARE(points->mapTo(table, QPoint(points->width(), 0)), QPoint(780, 53));
    }

    void firstEntryIntoAnEmptyList()
    {
        m_controller->LoadHighScores();
        m_answer = QStringLiteral("Anna");
        m_controller->OfferHighScoreEntry(1);
        QCOMPARE(m_askCount, 1);
        QCOMPARE(PlainOf(ReadBytes(m_path)), QByteArray("1;Anna;08.12.2026\r0;;\r0;;"));
        QVERIFY(ReadBytes(m_path).endsWith("\r\n"));
        QCOMPARE(m_display->lb_bester()->text(), QStringLiteral("Bestenliste:\nName:\nAnna\n\n"));
        QCOMPARE(m_display->lb_datum()->text(), QStringLiteral("\nDatum:\n08.12.26\n\n"));
        QCOMPARE(m_display->lb_bp()->text(), QStringLiteral("\nPunkte:\n1\n\n"));
        // Saving writes a new file and renames it; nothing else is left behind.
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{QStringLiteral("Lumo.HSC")});
    }

    void noPointsNoDialog()
    {
        m_controller->LoadHighScores();
        m_answer = QStringLiteral("Anna");
        m_controller->OfferHighScoreEntry(0);
        m_controller->OfferHighScoreEntry(-20);
        QCOMPARE(m_askCount, 0);
        QVERIFY(!QFileInfo::exists(m_path));
    }

    void notGoodEnoughNoDialog()
    {
        WriteBytes(m_path, FileOf("500;A;01.01.2026\r300;B;02.01.2026\r100;C;03.01.2026"));
        m_controller->LoadHighScores();
        m_answer = QStringLiteral("Anna");
        m_controller->OfferHighScoreEntry(100);
        QCOMPARE(m_askCount, 0);
    }

    void cancelOrBlankNameLeavesTheFileAlone_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::newRow("cancelled") << QString();
        QTest::newRow("blanks only") << QStringLiteral("   ");
    }

    void cancelOrBlankNameLeavesTheFileAlone()
    {
        QFETCH(QString, answer);
        const QByteArray before = FileOf("500;A;01.01.2026\r300;B;02.01.2026\r0;;");
        WriteBytes(m_path, before);
        const QDateTime written = QFileInfo(m_path).lastModified();
        m_controller->LoadHighScores();
        m_answer = answer;
        m_controller->OfferHighScoreEntry(900);
        QCOMPARE(m_askCount, 1);
        QCOMPARE(ReadBytes(m_path), before);
        QCOMPARE(QFileInfo(m_path).lastModified(), written);
    }

    void placesInAListOf500And300_data()
    {
        QTest::addColumn<int>("points");
        QTest::addColumn<QByteArray>("plain");
        QTest::newRow("300 ranks below the stored 300")
            << 300 << QByteArray("500;A;01.01.2026\r300;B;02.01.2026\r300;Neu;08.12.2026");
        QTest::newRow("500 pushes 300 down, the empty line drops")
            << 500 << QByteArray("500;A;01.01.2026\r500;Neu;08.12.2026\r300;B;02.01.2026");
    }

    void placesInAListOf500And300()
    {
        QFETCH(int, points);
        QFETCH(QByteArray, plain);
        WriteBytes(m_path, FileOf("500;A;01.01.2026\r300;B;02.01.2026\r0;;"));
        m_controller->LoadHighScores();
        m_answer = QStringLiteral("Neu");
        m_controller->OfferHighScoreEntry(points);
        QCOMPARE(PlainOf(ReadBytes(m_path)), plain);
        QCOMPARE(m_controller->list().entries()[points == 500 ? 1 : 2].name, std::string("Neu"));
    }

    void nameWithBlanksIsTrimmedAndLosesInnerBlanksOnReload()
    {
        m_controller->LoadHighScores();
        m_answer = QStringLiteral("  Anna Maria  ");
        m_controller->OfferHighScoreEntry(40);
        QCOMPARE(PlainOf(ReadBytes(m_path)), QByteArray("40;Anna Maria;08.12.2026\r0;;\r0;;"));
        QCOMPARE(m_display->lb_bester()->text(), QStringLiteral("Bestenliste:\nName:\nAnnaMaria\n\n"));
    }

    void semicolonInNameShowsOnlyItsFirstPart()
    {
        m_controller->LoadHighScores();
        m_answer = QStringLiteral("a;b");
        m_controller->OfferHighScoreEntry(40);
        QCOMPARE(m_display->lb_bester()->text(), QStringLiteral("Bestenliste:\nName:\na\n\n"));
        QCOMPARE(m_display->lb_datum()->text(), QStringLiteral("\nDatum:\nb;08.120\n\n"));
    }

    void umlautNameIsStoredAsOneByteAndShownBack()
    {
        // Built by hand from the scrambling rule: "700;Jörg;08.12.2026" CR "0;;"
        // CR "0;;" in Windows-1252, scrambled, then CR LF.
        const QByteArray expected = QByteArray::fromHex(
            "DB87BAB6CE64F88BD3A2EFE9DED280A0BA9EEDAAE38CF5B8E5B9FE0D0A");
        m_controller->LoadHighScores();
        m_answer = QStringLiteral(" J\u00f6rg ");
        m_controller->OfferHighScoreEntry(700);
        QCOMPARE(ReadBytes(m_path), expected);
        QCOMPARE(m_display->lb_bester()->text(), QStringLiteral("Bestenliste:\nName:\nJ\u00f6rg\n\n"));
    }

    void saveIgnoresBadPlacesAndNames()
    {
        m_controller->LoadHighScores();
        m_controller->SaveHighScore(QStringLiteral("Anna"), 0, 10);
        m_controller->SaveHighScore(QStringLiteral("Anna"), 4, 10);
        m_controller->SaveHighScore(QStringLiteral(" "), 1, 10);
        QVERIFY(!QFileInfo::exists(m_path));
    }

    void writeFailureIsSilentAndTheListStays()
    {
        const QString blocked = m_dir->filePath(QStringLiteral("blocked"));
        WriteBytes(blocked, "a file, not a folder");
        HighScoreController controller(
            HighScoreStore::InFolder(blocked, QStringLiteral("Lumo")), m_display,
            [] { return QStringLiteral("Anna"); }, [] { return QDate(2026, 12, 8); });
        controller.LoadHighScores();
        controller.OfferHighScoreEntry(50);
        QCOMPARE(controller.list().entries()[0].points, 0);
        QCOMPARE(m_display->lb_bp()->text(), QStringLiteral("\nPunkte:\n\n\n"));
    }

    void dateIsGermanWhateverTheLocale()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        m_controller->LoadHighScores();
        m_answer = QStringLiteral("Anna");
        m_controller->OfferHighScoreEntry(5);
        QLocale::setDefault(QLocale::c());
        QCOMPARE(PlainOf(ReadBytes(m_path)), QByteArray("5;Anna;08.12.2026\r0;;\r0;;"));
    }

    void installedProgramKeepsTheListInTheDataFolder()
    {
        const QString data = m_dir->filePath(QStringLiteral("data"));
        QCOMPARE(HighScoreStore::ChooseFolder(m_dir->path(), data), m_dir->path());
        QCOMPARE(HighScoreStore::ChooseFolder(m_dir->filePath(QStringLiteral("missing")), data), data);
        // The data folder is created on the first save.
        HighScoreController controller(
            HighScoreStore::InFolder(data, QStringLiteral("Lumo")), nullptr,
            [] { return QStringLiteral("Anna"); }, [] { return QDate(2026, 12, 8); });
        controller.LoadHighScores();
        controller.OfferHighScoreEntry(5);
        QVERIFY(QFileInfo::exists(data + QStringLiteral("/Lumo.HSC")));
        QCOMPARE(controller.list().entries()[0].name, std::string("Anna"));
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
    std::unique_ptr<QWidget> m_table;
    HighScoreDisplay *m_display = nullptr;
    std::unique_ptr<HighScoreController> m_controller;
    int m_askCount = 0;
    QString m_answer;
};

QTEST_MAIN(HighScoreControllerTest)
#include "HighScoreControllerTest.moc"
