#include "global_state.h"

#include <QApplication>
#include <QDebug>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    qDebug() << "Application started successfully.";
    return 0;
}
