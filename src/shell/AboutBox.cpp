#include "shell/AboutBox.h"

#include "common/QtTextHelpers.h"
#include "shell/TForm_Ueber.h"

namespace lumo {

void ShowAboutText(const QString &text)
{
    if (Trim(text).isEmpty())
        return;
    TForm_Ueber box;
    box.SetText(text);
    box.exec();
}

} // namespace lumo
