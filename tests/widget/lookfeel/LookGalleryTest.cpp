// Draws every piece of table art and a mock-up of the main window into PNG files
// under the build tree (tests/widget/lookfeel/gallery/) for looking at, and
// checks that the pieces show where the window places them.

#include "lookfeel/FlatTextButton.h"
#include "lookfeel/GlassButton.h"
#include "lookfeel/GradientButton.h"
#include "lookfeel/GradientPanel.h"
#include "lookfeel/ImageButton.h"
#include "lookfeel/LookColors.h"
#include "lookfeel/LookFonts.h"
#include "lookfeel/MenuPainter.h"
#include "lookfeel/SvgArt.h"
#include "lookfeel/TableArt.h"

#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QTest>

using namespace lumo;

namespace {

QString GalleryDir()
{
    const QString dir = QStringLiteral(LUMO_GALLERY_DIR);
    QDir().mkpath(dir);
    return dir;
}

QLabel *Picture(QWidget *parent, const char *path, QSize size, QPoint at)
{
    auto *label = new QLabel(parent);
    label->setPixmap(SvgArt::Render(QString::fromLatin1(path), size, parent->devicePixelRatioF()));
    label->setGeometry(QRect(at, size));
    label->setAttribute(Qt::WA_TranslucentBackground);
    return label;
}

GradientPanel *Separator(QWidget *parent, QRect geometry)
{
    auto *line = new GradientPanel(parent);
    line->SetColor(LookColors::SeparatorBlue());
    line->setGeometry(geometry);
    return line;
}

} // namespace

class LookGalleryTest : public QObject {
    Q_OBJECT

private slots:
    void artSheetAtDoubleDensity()
    {
        struct Piece {
            const char *path;
            QSize size;
        };
        const Piece pieces[] = {
            {TableArt::PileFrame, TableArt::FrameSize},         {TableArt::PileFrameHighlighted, TableArt::FrameSize},
            {TableArt::FoundationKaro, TableArt::FrameSize},    {TableArt::FoundationHerz, TableArt::FrameSize},
            {TableArt::FoundationPik, TableArt::FrameSize},     {TableArt::FoundationKreuz, TableArt::FrameSize},
            {TableArt::ReshuffleGo, TableArt::ReshuffleGoSize}, {TableArt::ReshuffleStop, TableArt::ReshuffleStopSize},
            {TableArt::TitleHelp, TableArt::TitleButtonSize},   {TableArt::TitleUpdate, TableArt::TitleButtonSize},
            {TableArt::TitleMinimize, TableArt::TitleButtonSize}, {TableArt::TitleClose, TableArt::TitleButtonSize},
        };
        const qreal dpr = 2.0;
        QImage sheet(QSize(6 * 100, 2 * 125) * dpr, QImage::Format_ARGB32_Premultiplied);
        sheet.setDevicePixelRatio(dpr);
        {
            QPainter painter(&sheet);
            QLinearGradient table(0, 0, 0, 250);
            table.setColorAt(0, LookColors::FrameBlue());
            table.setColorAt(1, LookColors::TableGreen());
            painter.fillRect(QRect(0, 0, 600, 250), table);
            int i = 0;
            for (const Piece &piece : pieces) {
                const QPoint at(7 + (i % 6) * 100, 7 + (i / 6) * 125);
                painter.drawPixmap(at, SvgArt::Render(QString::fromLatin1(piece.path), piece.size, dpr));
                ++i;
            }
        }
        const QString file = GalleryDir() + QStringLiteral("/table_art@2x.png");
        QVERIFY(sheet.save(file));
        QVERIFY(QFileInfo(file).size() > 1000);
    }

    void mainWindowMockUp()
    {
        GradientPanel haupt;
        haupt.resize(792, 541);
        haupt.SetRaisedBevel(1);
        haupt.SetBorder(LookColors::FrameBlue(), 1);

        auto *title = new GradientPanel(&haupt);
        title->setGeometry(2, 2, 788, 38);
        title->SetRaisedBevel(1);
        auto *menu = new FlatTextButton(QStringLiteral("Menü"), title);
        menu->setFont(LookFonts::Dialog(10, true));
        menu->SetAlignment(Qt::AlignCenter);
        menu->setGeometry(46, 19, 60, 19);
        auto *caption = new QLabel(QStringLiteral("Lumo - Schwierigkeitstufe 1"), title);
        caption->setFont(LookFonts::ArialPixels(16, true));
        caption->setStyleSheet(QStringLiteral("color: white"));
        caption->move(118, 16);
        const char *titleButtons[] = {TableArt::TitleHelp, TableArt::TitleUpdate, TableArt::TitleMinimize,
                                      TableArt::TitleClose};
        QList<ImageButton *> buttons;
        for (int i = 0; i < 4; ++i) {
            auto *button = new ImageButton(QString::fromLatin1(titleButtons[i]), title);
            button->setGeometry(675 + 27 * i, 7, 25, 25);
            buttons << button;
        }

        auto *table = new GradientPanel(LookColors::FrameBlue(), LookColors::TableGreen(),
                                        GradientPanel::Direction::Vertical, &haupt);
        table->setGeometry(2, 40, 788, 482);
        for (int f = 1; f <= 4; ++f)
            Picture(table, TableArt::FoundationPicture(f), TableArt::FrameSize, QPoint(145 + 120 * (f - 1), 5));
        Picture(table, TableArt::ReshuffleGo, TableArt::ReshuffleGoSize, QPoint(32, 20));
        for (int k = 1; k <= 18; ++k)
            Picture(table, k == 8 ? TableArt::PileFrameHighlighted : TableArt::PileFrame, TableArt::FrameSize,
                    QPoint(25 + 120 * ((k - 1) % 6), 125 + 115 * ((k - 1) / 6)));

        auto *sound = new GradientPanel(QColor(0, 128, 64), LookColors::FrameBlue(),
                                        GradientPanel::Direction::Vertical, &haupt);
        sound->setGeometry(2, 522, 788, 17);
        auto *prev = new FlatTextButton(QStringLiteral("<<"), sound);
        prev->setFont(LookFonts::Dialog(8, true));
        prev->SetAlignment(Qt::AlignCenter);
        prev->setGeometry(0, 0, 25, 17);

        haupt.show();
        QVERIFY(QTest::qWaitForWindowExposed(&haupt));
        const QImage closed = haupt.grab().toImage();
        QVERIFY(closed.save(GalleryDir() + QStringLiteral("/main_window.png")));

        // The pile frames and foundations show on the cloth.
        const QColor cloth = closed.pixelColor(2 + 5, 40 + 300);
        const QColor frameEdge = closed.pixelColor(2 + 25 + 4, 40 + 125 + 50);
        QVERIFY2(frameEdge != cloth, qPrintable(frameEdge.name()));
        const QColor herz = closed.pixelColor(2 + 265 + 43, 40 + 5 + 58);
        QVERIFY2(herz.red() > 150 && herz.green() < 100, qPrintable(herz.name()));
        const QColor lit = closed.pixelColor(2 + 145 + 5, 40 + 240 + 50);
        QVERIFY2(lit.red() > 200 && lit.green() > 180 && lit.blue() < 120, qPrintable(lit.name()));

        // Menu panel and settings panel opened over the table.
        auto *menuPanel = new GradientPanel(table);
        menuPanel->setGeometry(0, 0, 155, 240);
        menuPanel->SetRaisedBevel(2);
        const struct {
            int top;
            const char *caption;
        } entries[] = {{6, "&Neues Spiel"},        {29, "Schwierigkeitstufe 1"}, {52, "Schwierigkeitstufe 2"},
                       {75, "Schwierigkeitstufe 3"}, {104, "Einstellungen"},      {135, "E-Mail an den Autor"},
                       {159, "Download Update"},   {183, "Hilfe"},               {214, "&Ende"}};
        FlatTextButton *hovered = nullptr;
        for (const auto &entry : entries) {
            auto *button = new FlatTextButton(QString::fromUtf8(entry.caption), menuPanel);
            button->setGeometry(6, entry.top, 144, 20);
            if (entry.top == 52)
                hovered = button;
        }
        for (int top : {98, 127, 207})
            Separator(menuPanel, QRect(6, top, 144, 3));
        menuPanel->show();

        auto *engine = new GradientPanel(table);
        engine->setGeometry(170, 0, 167, 197);
        engine->SetRaisedBevel(1);
        auto *heading = new QLabel(QStringLiteral("Einstellungen"), engine);
        heading->setFont(LookFonts::Dialog(10, true));
        heading->setStyleSheet(QStringLiteral("color: white"));
        heading->move(36, 7);
        Separator(engine, QRect(1, 27, 164, 3));
        const char *switches[] = {"Sound ausschalten", "Musik ausschalten", "Hilfstexte nicht anzeigen",
                                  "Animation einschalten"};
        for (int i = 0; i < 4; ++i)
            (new GradientButton(QString::fromUtf8(switches[i]), engine))->setGeometry(9, 35 + 29 * i, 149, 25);
        Separator(engine, QRect(2, 154, 163, 3));
        (new GradientButton(QStringLiteral("ok"), engine))->setGeometry(50, 162, 65, 25);
        engine->show();

        // The message dialog's bottom bar with a question's buttons.
        auto *bar = new GradientPanel(LookColors::DarkBlue(), LookColors::LightBlue(),
                                      GradientPanel::Direction::Vertical, table);
        bar->setGeometry(350, 20, 290, 40);
        auto *yes = new GlassButton(QStringLiteral("&Ja"), bar);
        yes->setGeometry(290 - 160 - 20, 7, 80, 25);
        yes->SetShineColor(LookColors::HoverLime());
        (new GlassButton(QStringLiteral("&Nein"), bar))->setGeometry(290 - 80 - 10, 7, 80, 25);
        (new GlassButton(QStringLiteral("&Schließen"), bar))->setGeometry(10, 7, 80, 25);
        bar->show();

        // Two buttons lit at once, which one pointer cannot do: each is marked
        // under the mouse and told so, as the application does on entry.
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        for (QWidget *pointed : {static_cast<QWidget *>(hovered), static_cast<QWidget *>(buttons[3])}) {
            pointed->setAttribute(Qt::WA_UnderMouse, true);
            QCoreApplication::sendEvent(pointed, &enter);
        }
        QTest::qWait(20);
        const QImage open = haupt.grab().toImage();
        QVERIFY(open.save(GalleryDir() + QStringLiteral("/main_window_menu.png")));
        QVERIFY(open != closed);
    }

    void popupMenu()
    {
        QMenu menu;
        MenuPainter::Apply(&menu);
        menu.addAction(QStringLiteral("ESC - Schließen"));
        menu.addSeparator();
        QAction *lit = menu.addAction(QStringLiteral("Ein markierter Eintrag"));
        menu.setActiveAction(lit);
        menu.resize(menu.sizeHint());
        const QImage image = menu.grab().toImage();
        QVERIFY(!image.isNull());
        QVERIFY(image.save(GalleryDir() + QStringLiteral("/popup_menu.png")));
    }
};

QTEST_MAIN(LookGalleryTest)
#include "LookGalleryTest.moc"
