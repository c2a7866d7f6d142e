#pragma once
// Settings of a balloon tip; each ShowBalloon opens a fresh balloon window
// with them. Earlier balloons stay open: callers close them first.

#include "companion/BalloonTypes.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QWidget>

namespace lumo {

class TBalloon;

class TBalloonControl : public QObject {
    Q_OBJECT

public:
    explicit TBalloonControl(QObject *parent = nullptr);

    QStringList Text;          // one entry per line
    QString Title;             // empty: no title and no icon
    int Duration = 0;          // seconds; 0 keeps the balloon until clicked or closed
    TBalloonHoriz Horizontal = blnLeft;  // kept only
    TBalloonVert Vertical = blnTop;      // kept only
    TBalloonPosition Position = blnArrowTopLeft;
    QPointer<QWidget> Control;           // kept only
    int PixelCoordinateX = 0;
    int PixelCoordinateY = 0;
    int BalloonType = blnInfo;  // an unknown value shows the info icon

    // Opens a balloon with the current settings; the lines are joined with
    // CR LF and trimmed. Returns once the balloon is on the screen, painted.
    // The balloon owns itself; the pointer is for looking (null when a timer
    // closed it while it was being shown).
    TBalloon *ShowBalloon();

    // Closes every open balloon of this program; returns how many.
    int CloseAllBalloons();
};

} // namespace lumo
