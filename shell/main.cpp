#include "shell/Startup.h"
#include "shell/flogin.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Startup::PrepareApplication(app);
    flogin startup;
    return QApplication::exec();
}
