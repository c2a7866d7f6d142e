#pragma once
// The frame sh_bester at the top right of the card table with the three
// columns of the high-score list: names, dates, points.

#include <QFrame>

class QLabel;

namespace lumo {

class HighScoreDisplay : public QFrame {
    Q_OBJECT
public:
    // Places itself on the card table at (600, 51), 187 x 72.
    explicit HighScoreDisplay(QWidget *table = nullptr);

    QLabel *lb_bester() const { return m_names; }
    QLabel *lb_datum() const { return m_dates; }
    QLabel *lb_bp() const { return m_points; }

    // Texts with "\r\n" line breaks, in Windows-1252 bytes as the list holds them.
    void ShowColumns(const std::string &names, const std::string &dates,
                     const std::string &points);

private:
    QLabel *m_names = nullptr;
    QLabel *m_dates = nullptr;
    QLabel *m_points = nullptr;
};

} // namespace lumo
