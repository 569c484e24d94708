// SPDX-License-Identifier: MIT
// Asks the game's beep for the end-of-game sound seven times back to back,
// as a game's end does, BURSTS times 2 s apart, on whatever platform Qt
// runs; prints which bell it used and when each burst was asked for (the
// Unix time) and how long its seven requests took, then keeps the process
// alive for SECONDS_TO_STAY after the last burst.
//   beep_check [SECONDS_TO_STAY] [BURSTS]

#include "qt/bell.h"

#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {

void burst(zindle::qt::BellBeep& bell)
{
    const double at = static_cast<double>(QDateTime::currentMSecsSinceEpoch()) / 1000;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < 7; ++i)
        bell.beep();
    std::printf("burst at %.3f: seven requests took %.1f ms\n", at,
                static_cast<double>(timer.nsecsElapsed()) / 1e6);
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const int stay = argc > 1 ? std::atoi(argv[1]) : 2;
    const int bursts = argc > 2 ? std::atoi(argv[2]) : 1;
    zindle::qt::BellBeep bell;
    std::printf("bell: %s\n", bell.usesPlatformBell() ? "platform" : "sound theme");
    for (int i = 0; i < bursts; ++i)
        QTimer::singleShot(i * 2000, &app, [&bell] { burst(bell); });
    QTimer::singleShot((bursts - 1) * 2000 + stay * 1000, &app, &QCoreApplication::quit);
    return QApplication::exec();
}
