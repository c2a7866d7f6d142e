#include "persistence/HighScoreDisplay.h"

#include "lookfeel/LookFonts.h"
#include "persistence/Windows1252.h"

#include <QLabel>
#include <QPalette>

namespace lumo {

namespace {

constexpr int kLeft = 600;
constexpr int kTop = 51;
constexpr int kLabelTop = 53;
constexpr int kPointsRightEdge = 780;

QLabel *ColumnLabel(QWidget *parent, const QString &name, const QString &caption,
                    Qt::Alignment alignment)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setAlignment(alignment | Qt::AlignTop);
    label->setFont(LookFonts::Dialog(8, true));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(22, 56, 95));
    label->setPalette(palette);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

QString DisplayText(const std::string &bytes)
{
    return QString::fromStdString(Windows1252ToUtf8(bytes)).replace(QStringLiteral("\r\n"),
                                                                    QStringLiteral("\n"));
}

} // namespace

HighScoreDisplay::HighScoreDisplay(QWidget *table) : QFrame(table)
{
    setObjectName(QStringLiteral("sh_bester"));
    setGeometry(kLeft, kTop, 187, 72);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, Qt::gray);
    setPalette(palette);
    setAutoFillBackground(false);

    m_names = ColumnLabel(this, QStringLiteral("lb_bester"), QStringLiteral("Bester:"), Qt::AlignLeft);
    m_dates = ColumnLabel(this, QStringLiteral("lb_datum"), QStringLiteral("Datum:"), Qt::AlignLeft);
    m_points = ColumnLabel(this, QStringLiteral("lb_bp"), QStringLiteral("Punkte:"), Qt::AlignRight);
    ShowColumns("Bester:", "Datum:", "Punkte:");
}

void HighScoreDisplay::ShowColumns(const std::string &names, const std::string &dates,
                                   const std::string &points)
{
    // The labels keep their table coordinates; the frame is their parent.
    m_names->setText(DisplayText(names));
    m_names->adjustSize();
    m_names->move(608 - kLeft, kLabelTop - kTop);
    m_dates->setText(DisplayText(dates));
    m_dates->adjustSize();
    m_dates->move(680 - kLeft, kLabelTop - kTop);
    m_points->setText(DisplayText(points));
    m_points->adjustSize();
    m_points->move(kPointsRightEdge - kLeft - m_points->width(), kLabelTop - kTop);
}

} // namespace lumo
