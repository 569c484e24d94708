// SPDX-License-Identifier: MIT
#include "qt/application.h"
#include "qt/form_window.h"
#include "qt/session_bus.h"
#include "game/frmzindle.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    // The game takes no command line: the toolkit sees the program's name
    // alone, so its own options (-title, -geometry, -style, -platform …)
    // change nothing either.
    static char fallbackName[] = "zindle";
    int toolkitArgc = 1;
    char* toolkitArgv[] = {argc > 0 && argv[0] != nullptr ? argv[0] : fallbackName, nullptr};

    zindle::qt::preventSessionBusAutolaunch();
    QApplication app(toolkitArgc, toolkitArgv);
    zindle::qt::describeApplication(app);

    zindle::qt::FormWindow window(zindle::game::frmzindleLayout());
    QObject::connect(&window, &zindle::qt::FormWindow::firstFramePainted, &zindle::qt::afterFirstFrame);
    zindle::game::Frmzindle game(window.controls());
    window.load(game);
    window.showCentred();
    return QApplication::exec();
}
