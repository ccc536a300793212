#include "shell/MDIForm1.h"
#include "shell/Startup.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Startup::PrepareApplication(app);
    auto* main = new MDIForm1;
    main->setAttribute(Qt::WA_DeleteOnClose);
    main->show();
    return QApplication::exec();
}
