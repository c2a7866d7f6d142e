#include "persistence/StoreBaseName.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace lumo {

QString StoreBaseName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

} // namespace lumo
