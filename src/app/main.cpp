#include <QApplication>

#include "app/form1.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Ties the window to its desktop entry and icon on desktops that ask for it.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.ninebox.Ninebox"));
    ninebox::Form1 form1;
    form1.show();
    return QApplication::exec();
}
