#include <QApplication>

#include "app/form1.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ninebox::Form1 form1;
    form1.show();
    return QApplication::exec();
}
