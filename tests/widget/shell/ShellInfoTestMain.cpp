// Runs the single-instance and start-up refusal tests in one program with
// one QApplication.
#include <QApplication>

int RunSingleInstanceTests(int argc, char **argv);
int RunStartupRefusalTests(int argc, char **argv);

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    int failures = RunSingleInstanceTests(argc, argv);
    failures += RunStartupRefusalTests(argc, argv);
    return failures == 0 ? 0 : 1;
}
