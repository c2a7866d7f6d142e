// Program entry. For now a plain window in the card table's colours; the real
// start-up sequence replaces it.
#include <QApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QWidget>

namespace {
class TableWindow : public QWidget {
protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        QLinearGradient g(0, 0, 0, height());
        g.setColorAt(0, QColor(58, 110, 165));
        g.setColorAt(1, QColor(0, 128, 64));
        p.fillRect(rect(), g);
    }
};
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    TableWindow w;
    w.resize(792, 541);
    w.setWindowTitle(QStringLiteral("Lumo"));
    w.show();
    return app.exec();
}
