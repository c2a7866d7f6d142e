#include "online/ConnectionState.h"

#include <QNetworkInformation>
#include <QNetworkInterface>

namespace lumo {

namespace {

QString g_source;

QNetworkInformation *Backend()
{
    // Loaded once per process; later calls find the same instance.
    static const bool loaded
        = QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability);
    return loaded ? QNetworkInformation::instance() : nullptr;
}

} // namespace

bool AnyInterfaceConnected()
{
    const auto interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &interface : interfaces) {
        const auto flags = interface.flags();
        if (flags.testFlag(QNetworkInterface::IsLoopBack) || !flags.testFlag(QNetworkInterface::IsUp)
            || !flags.testFlag(QNetworkInterface::IsRunning))
            continue;
        for (const QNetworkAddressEntry &entry : interface.addressEntries()) {
            if (!entry.ip().isNull() && !entry.ip().isLoopback())
                return true;
        }
    }
    return false;
}

bool IsConnected()
{
    if (QNetworkInformation *backend = Backend()) {
        const auto reachability = backend->reachability();
        if (reachability != QNetworkInformation::Reachability::Unknown) {
            g_source = backend->backendName();
            return reachability != QNetworkInformation::Reachability::Disconnected;
        }
    }
    g_source = QStringLiteral("interfaces");
    return AnyInterfaceConnected();
}

QString ConnectionSource()
{
    return g_source;
}

} // namespace lumo
