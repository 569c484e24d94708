// SPDX-License-Identifier: MIT
#include "qt/session_bus.h"

#include <cstdlib>
#include <string>

#include <sys/stat.h>

namespace zindle::qt {

namespace {

bool isSet(const char* variable)
{
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0';
}

// The user's bus of a systemd or dbus-user-session desktop, which the
// D-Bus library finds on its own.
bool userBusExists()
{
    if (!isSet("XDG_RUNTIME_DIR"))
        return false;
    const std::string path = std::string(std::getenv("XDG_RUNTIME_DIR")) + "/bus";
    struct stat status{};
    return stat(path.c_str(), &status) == 0 && S_ISSOCK(status.st_mode);
}

// A socket path below a file can never exist: connecting fails at once.
constexpr const char* kNoBus = "unix:path=/dev/null/no-session-bus";

}  // namespace

void preventSessionBusAutolaunch()
{
    if (!isSet("DBUS_SESSION_BUS_ADDRESS") && !userBusExists())
        setenv("DBUS_SESSION_BUS_ADDRESS", kNoBus, 1);
}

}  // namespace zindle::qt
