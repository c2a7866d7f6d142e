#include "online/UpdateSource.h"

#include "LumoAddresses.h"
#include "LumoVersion.h"
#include "common/FileHelpers.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace lumo {

UpdateSource UpdateSource::ForProgram()
{
    UpdateSource source;
    const QString testBase = qEnvironmentVariable("LUMO_TEST_UPDATE_BASE");
    source.serverBase = testBase.isEmpty() ? QStringLiteral(LUMO_UPDATE_BASE) : testBase;
    if (!source.serverBase.endsWith(QLatin1Char('/')))
        source.serverBase += QLatin1Char('/');
    source.baseName = QString::fromStdString(ProgramBaseName());
    source.fileName = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    source.ownVersion = QStringLiteral(LUMO_VERSION);
    source.tempFolder = QString::fromStdString(TempFolderPath());
    return source;
}

QString UpdateSource::InformationUrl() const
{
    return serverBase + QStringLiteral("downloads/") + UpdateCategory + QLatin1Char('/') + baseName.toLower()
        + QStringLiteral(".ini");
}

QString UpdateSource::SetupUrl() const
{
    return serverBase + QStringLiteral("downloads/") + UpdateCategory + QLatin1Char('/') + fileName;
}

} // namespace lumo
