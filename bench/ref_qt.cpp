// SPDX-License-Identifier: MIT
// The toolkit's floor: a bare Qt Widgets window of the game's size with one
// label whose text changes on each key press.

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>

class Window final : public QLabel {
public:
    Window()
    {
        setWindowTitle(QStringLiteral("Reference Qt"));
        setAlignment(Qt::AlignCenter);
        setAutoFillBackground(true);
        QPalette p = palette();
        p.setColor(QPalette::Window, QColor(0x33, 0x66, 0xCC));
        p.setColor(QPalette::WindowText, Qt::white);
        setPalette(p);
        setText(QStringLiteral("0"));
        resize(620, 456);
    }

protected:
    void keyPressEvent(QKeyEvent*) override { setText(QString::number(++presses_)); }

private:
    int presses_ = 0;
};

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    Window w;
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    w.move(area.center() - QPoint(310, 228));
    w.show();
    return QApplication::exec();
}
