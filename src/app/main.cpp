#include "app/application.h"
#include "app/form_window.h"
#include "game/frmzindle.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    zindle::app::describeApplication(app);

    zindle::app::FormWindow window;
    zindle::game::Frmzindle game(window.controls());
    window.load(game);
    window.showCentred();
    return QApplication::exec();
}
