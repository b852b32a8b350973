#include "display_check.h"

#include <QDir>
#include <QLibraryInfo>

#include <wayland-client.h>
#include <xcb/xcb.h>

#include <cstdlib>

namespace {

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

// The libraries Qt's own platforms connect with answer the question the way Qt would meet it.
bool xDisplayAnswers(const std::string& display)
{
    xcb_connection_t* connection = xcb_connect(display.c_str(), nullptr);
    const bool answers = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return answers;
}

bool waylandDisplayAnswers(const std::string& display)
{
    // A relative name lies in XDG_RUNTIME_DIR; without one libwayland would only complain on stderr.
    if (display.front() != '/' && environment("XDG_RUNTIME_DIR").empty())
        return false;
    wl_display* connection = wl_display_connect(display.c_str());
    if (!connection)
        return false;
    wl_display_disconnect(connection);
    return true;
}

bool waylandPlatformInstalled()
{
    return !QDir(QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms"))
                .entryList({QStringLiteral("*qwayland*")})
                .isEmpty();
}

} // namespace

std::string checkDisplay()
{
    // A compositor that started the program handed it a connection; connecting here would use it up.
    if (!environment("WAYLAND_SOCKET").empty())
        return "";
    const std::string platform = environment("QT_QPA_PLATFORM");
    const std::string x = environment("DISPLAY");
    const std::string wayland = environment("WAYLAND_DISPLAY");
    const bool xAnswers = !x.empty() && xDisplayAnswers(x);
    const bool waylandAnswers = !wayland.empty() && waylandDisplayAnswers(wayland);
    const std::string noX = x.empty() ? "DISPLAY is unset" : "the X display " + x + " cannot be reached";
    const std::string noWayland =
        wayland.empty() ? "WAYLAND_DISPLAY is unset" : "the Wayland display " + wayland + " cannot be reached";

    if (platform == "xcb")
        return xAnswers ? "" : "QT_QPA_PLATFORM is xcb, but " + noX + ".";
    if (platform == "wayland")
        return waylandAnswers ? "" : "QT_QPA_PLATFORM is wayland, but " + noWayland + ".";
    if (!platform.empty() || xAnswers)
        return ""; // another platform, or X11 as Qt would choose
    if (x.empty() && wayland.empty())
        return "no graphical display was found (DISPLAY and WAYLAND_DISPLAY are unset); start it from a desktop session.";
    if (!waylandAnswers)
        return noX + " and " + noWayland + ".";
    if (!waylandPlatformInstalled())
        return noX + ", and Qt's Wayland platform is not installed (on Debian: qt6-wayland).";
    ::setenv("QT_QPA_PLATFORM", "wayland", 1);
    return "";
}
