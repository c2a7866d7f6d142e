#pragma once
// The name entry dialog for the high-score list: a frameless, slightly
// transparent window with a heading, one name field, "ok" and "Abbruch".

#include "persistence/InfoFunction.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QAbstractButton;

namespace lumo {

class TEingabeForm : public QDialog {
    Q_OBJECT
public:
    TEingabeForm(const QString &mode, InfoFunction showInfo, QWidget *mainWindow = nullptr);

    QLineEdit *edt_name() const { return m_name; }
    QAbstractButton *btn_ok() const { return m_ok; }
    QAbstractButton *btn_cancel() const { return m_cancel; }
    // The heading as stored, with "\r\n" line breaks.
    const QString &HeadingText() const { return m_headingText; }
    // The trimmed name after "ok"; empty after a cancel.
    const QString &FResult() const { return m_result; }

protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void SetHeading(const QString &text);
    void ApplyMode();
    void btn_okClick();
    void btn_cancelClick();
    void PlaceOver(QWidget *mainWindow);

    QString m_mode;      // FMode
    QString m_result;    // FResult
    QString m_headingText;
    InfoFunction m_showInfo;
    bool m_modeApplied = false;
    QLabel *m_heading = nullptr;
    QLineEdit *m_name = nullptr;
    QAbstractButton *m_ok = nullptr;
    QAbstractButton *m_cancel = nullptr;
};

// Shows the dialog modally in the given mode ("punkte" in any letter case)
// and returns the trimmed name, or an empty text when it was cancelled.
// Centred over the main window when that is visible, else on the screen.
QString ShowInputDialog(const QString &mode, InfoFunction showInfo = {},
                        QWidget *mainWindow = nullptr);

} // namespace lumo
