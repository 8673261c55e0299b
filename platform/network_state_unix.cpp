#include "network_state.h"

#include <QNetworkConfiguration>
#include <QNetworkConfigurationManager>

namespace platform {

namespace {

// The toolkit's bearer API is the one way it offers to ask this; it is
// marked deprecated in this toolkit version but still works.
QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED
bool defaultConfigurationOnline()
{
    QNetworkConfigurationManager manager;
    const QNetworkConfiguration::StateFlags state = manager.defaultConfiguration().state();
    if (state & (QNetworkConfiguration::Defined | QNetworkConfiguration::Discovered))
        return true;
    return manager.isOnline();
}
QT_WARNING_POP

} // namespace

bool networkAvailable()
{
    const QByteArray forced = qgetenv(kNetworkStateVariable);
    if (forced == "online")
        return true;
    if (forced == "offline")
        return false;
    return defaultConfigurationOnline();
}

} // namespace platform
