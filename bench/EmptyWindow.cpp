// The yardstick for the program's start-up: the least a Qt Widgets program that shows one
// window does, built with the program's own flags.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.show();
    return QApplication::exec();
}
