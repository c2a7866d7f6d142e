// Runs the main window's widget tests against one application object.
#include "BoardMouseTest.h"
#include "FrameTest.h"

#include <QApplication>
#include <QTest>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    int failed = 0;
    {
        lumo::testing::FrameTest frame;
        failed += QTest::qExec(&frame, argc, argv);
    }
    {
        lumo::testing::BoardMouseTest board;
        failed += QTest::qExec(&board, argc, argv);
    }
    return failed == 0 ? 0 : 1;
}
