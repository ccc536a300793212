// qvledger-admin FAMILY COMMAND ARGUMENTS: the administrator's command-line tool. Each
// family of commands lives in its own file and answers with one JSON line.
#include "admin/BackupCommands.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const QString family = args.value(0);
    if (family == u"backup") {
        return BackupCommands::Run(args.mid(1));
    }
    std::fputs("usage: qvledger-admin backup now|verify FOLDER\n", stderr);
    return 2;
}
