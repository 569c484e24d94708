// SPDX-License-Identifier: MIT
// Asks the game's beep for the end-of-game sound seven times back to back,
// on whatever platform Qt runs, prints which bell it used and how long the
// seven requests took, then keeps the process alive for the sound to play.
//   beep_check [SECONDS_TO_STAY]

#include "qt/bell.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const int stay = argc > 1 ? std::atoi(argv[1]) : 2;
    zindle::qt::BellBeep bell;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < 7; ++i)
        bell.beep();
    std::printf("bell: %s\nseven requests took %.1f ms\n",
                bell.usesPlatformBell() ? "platform" : "sound theme",
                static_cast<double>(timer.nsecsElapsed()) / 1e6);
    std::fflush(stdout);
    QTimer::singleShot(stay * 1000, &app, &QCoreApplication::quit);
    return QApplication::exec();
}
