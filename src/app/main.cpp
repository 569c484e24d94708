// SPDX-License-Identifier: MIT
#include "app/application.h"
#include "app/form_window.h"
#include "app/session_bus.h"
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

    zindle::app::preventSessionBusAutolaunch();
    QApplication app(toolkitArgc, toolkitArgv);
    zindle::app::describeApplication(app);

    zindle::app::FormWindow window;
    zindle::game::Frmzindle game(window.controls());
    window.load(game);
    window.showCentred();
    return QApplication::exec();
}
