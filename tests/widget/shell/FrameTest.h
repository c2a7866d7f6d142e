#pragma once
#include <QObject>

namespace lumo::testing {

// The window frame: layout, title marquee, staying on the desktop, the menu
// by click and by hovering, and the end buttons.
class FrameTest : public QObject {
    Q_OBJECT
private slots:
    void layoutFollowsTheDesign();
    void marqueeReturnsToItsStartAfterOneTickPerCharacter();
    void marqueeWaitsForTheFirstActivation();
    void windowOffTheDesktopIsPulledBack_data();
    void windowOffTheDesktopIsPulledBack();
    void titleTickPullsTheWindowBackByItself();
    void menuOpensOnHoverAndClosesOnTheTable();
    void menuDoesNotOpenWhileANewGameIsDealt();
    void endButtonsSaveButClosingOtherwiseDoesNot();
    void nativeToolTipsAreSuppressed();
};

} // namespace lumo::testing
