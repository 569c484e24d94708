// SPDX-License-Identifier: MIT
#include "qt/bell.h"

#include <QApplication>
#include <QTimer>

#include <csignal>

#include <fcntl.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace zindle::qt {

namespace {

// How long the sound server has to take a bell before it is dropped.
constexpr int kBellDeadlineMs = 900;
// When the helper starts, after the game's own start.
constexpr int kHelperStartMs = 1000;

// The helper: beside the program in a build, and where the installation
// puts it relative to the program's folder.
QString helperPath()
{
    const QString here = QCoreApplication::applicationDirPath();
    for (const QString& path : {here + QLatin1String("/zindle-bell"),
                                here + QLatin1String("/" ZINDLE_BELL_FROM_GAMES)}) {
        if (access(path.toLocal8Bit().constData(), X_OK) == 0)
            return path;
    }
    return {};
}

// A descriptor above the standard three, closed on exec.
int aboveStandard(int fd)
{
    const int moved = fcntl(fd, F_DUPFD_CLOEXEC, 3);
    close(fd);
    return moved;
}

}  // namespace

// The helper process (zindle-bell), started at the first bell. Each bell is
// one byte on a socket to it, sent without waiting; it answers one byte for
// each bell the sound server has taken. When the deadline finds a bell not
// yet taken, the helper is killed, and with it every bell it holds; the
// next bell starts a new one.
class BellBeep::Helper {
public:
    Helper()
    {
        deadline_.setSingleShot(true);
        deadline_.setInterval(kBellDeadlineMs);
        QObject::connect(&deadline_, &QTimer::timeout, &deadline_, [this] { checkTaken(); });
    }
    ~Helper() { stop(); }

    // Starts the helper unless it runs.
    bool start()
    {
        return pid_ > 0 || spawn();
    }

    void ring()
    {
        if (!start())
            return;
        const char bell = 1;
        if (send(socket_, &bell, 1, MSG_DONTWAIT | MSG_NOSIGNAL) != 1) {
            stop();   // it is gone, or so far behind that its socket is full
            return;
        }
        ++asked_;
        if (!deadline_.isActive())
            deadline_.start();
    }

private:
    bool spawn()
    {
        const QByteArray path = helperPath().toLocal8Bit();
        int ends[2];
        if (path.isEmpty() || socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0)
            return false;
        socket_ = aboveStandard(ends[0]);
        const int theirs = aboveStandard(ends[1]);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, theirs, STDIN_FILENO);
        char name[] = "zindle-bell";
        char* argv[] = {name, nullptr};
        if (socket_ < 0 || theirs < 0 ||
            posix_spawn(&pid_, path.constData(), &actions, nullptr, argv, environ) != 0)
            pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        if (theirs >= 0)
            close(theirs);
        if (pid_ <= 0)
            stop();
        return pid_ > 0;
    }

    void checkTaken()
    {
        char answers[64];
        ssize_t n = 0;
        int taken = 0;
        while ((n = recv(socket_, answers, sizeof answers, MSG_DONTWAIT)) > 0)
            taken += static_cast<int>(n);
        if (taken < asked_)
            stop();
        asked_ = 0;
    }

    // Killed, never waited for while it may be waiting for the server: a
    // killed process is reaped at once.
    void stop()
    {
        deadline_.stop();
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        if (socket_ >= 0)
            close(socket_);
        pid_ = -1;
        socket_ = -1;
        asked_ = 0;
    }

    pid_t pid_ = -1;
    int socket_ = -1;
    int asked_ = 0;   // bells sent since the deadline was set
    QTimer deadline_;
};

// Where the bell is the helper's, it is started a second after the game,
// off the way to the first frame, so that it is connected long before the
// first end of a game, even on a slow machine.
BellBeep::BellBeep()
    : platformBell_(QGuiApplication::platformName() == QLatin1String("xcb"))
{
    if (!platformBell_)
        QTimer::singleShot(kHelperStartMs, &delayedStart_, [this] { helper().start(); });
}

BellBeep::~BellBeep() = default;

BellBeep::Helper& BellBeep::helper()
{
    if (!helper_)
        helper_ = std::make_unique<Helper>();
    return *helper_;
}

void BellBeep::beep()
{
    if (platformBell_) {
        QApplication::beep();
        return;
    }
    helper().ring();
}

}  // namespace zindle::qt
