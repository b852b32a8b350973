#include "display_check.h"

#include <QDir>
#include <QLibraryInfo>

#include <cerrno>
#include <cstddef>
#include <cstdlib>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

// Connects a socket to the address, waiting at most two seconds; false when nothing answers there.
bool answers(int family, const sockaddr* address, socklen_t length)
{
    const int socket = ::socket(family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (socket < 0)
        return false;
    bool connected = ::connect(socket, address, length) == 0;
    if (!connected && errno == EINPROGRESS) {
        pollfd waiting{socket, POLLOUT, 0};
        int error = 0;
        socklen_t size = sizeof error;
        connected = ::poll(&waiting, 1, 2000) == 1 &&
                    ::getsockopt(socket, SOL_SOCKET, SO_ERROR, &error, &size) == 0 && error == 0;
    }
    ::close(socket);
    return connected;
}

// A local socket by path; abstract names start with a zero byte.
bool answersAt(const std::string& path, bool abstract = false)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() + 1 >= sizeof address.sun_path)
        return false;
    path.copy(address.sun_path + (abstract ? 1 : 0), path.size());
    const auto length = socklen_t(offsetof(sockaddr_un, sun_path) + path.size() + (abstract ? 1 : 0));
    return answers(AF_UNIX, reinterpret_cast<sockaddr*>(&address), length);
}

// DISPLAY is [host]:number[.screen]; a local server listens on /tmp/.X11-unix/X<number>.
bool xDisplayAnswers(const std::string& display)
{
    const auto colon = display.rfind(':');
    if (colon == std::string::npos)
        return false;
    const std::string host = display.substr(0, colon);
    const int number = std::atoi(display.c_str() + colon + 1);
    if (host.empty() || host == "unix") {
        const std::string path = "/tmp/.X11-unix/X" + std::to_string(number);
        return answersAt(path) || answersAt(path, true);
    }
    addrinfo* found = nullptr;
    addrinfo wanted{};
    wanted.ai_socktype = SOCK_STREAM;
    if (::getaddrinfo(host.c_str(), std::to_string(6000 + number).c_str(), &wanted, &found) != 0)
        return false;
    bool any = false;
    for (const addrinfo* each = found; each && !any; each = each->ai_next)
        any = answers(each->ai_family, each->ai_addr, each->ai_addrlen);
    ::freeaddrinfo(found);
    return any;
}

bool waylandDisplayAnswers(const std::string& display)
{
    return answersAt(display.front() == '/' ? display : environment("XDG_RUNTIME_DIR") + "/" + display);
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
