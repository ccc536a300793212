// Makes an empty database beside the program when there is none; never replaces one.
#include "platform/ado/Ado.h"
#include "store/ModuleDataBase.h"
#include "store/Schema.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString path =
        args.size() > 1 ? args.at(1) : QDir(app.applicationDirPath()).filePath("data.db");
    try {
        if (Schema::CreateEmptyDatabase(path, QString::fromLatin1(kDefaultDatabasePassword))) {
            std::printf("created %s\n", qPrintable(QDir::toNativeSeparators(path)));
        }
        return 0;
    } catch (const ado::Error& error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.Description()));
        return 1;
    }
}
