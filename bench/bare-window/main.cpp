// A window of the main window's size with nothing in it: what any Qt Widgets program costs to
// start in a page.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.resize(502, 225);
    window.showNormal();
    return QApplication::exec();
}
