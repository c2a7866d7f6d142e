// Program entry: the application and its main window.
#include "shell/LumoForm.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    lumo::TLumoForm form;
    form.show();
    return app.exec();
}
