#include "helpers/SqlcipherCli.h"

#include "store/ModuleDataBase.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace SqlcipherCli {

QString Run(const QString& file, const QString& script) {
    QProcess cli;
    cli.start(QStringLiteral("sqlcipher"), {file});
    cli.write(script.toUtf8());
    cli.closeWriteChannel();
    EXPECT_TRUE(cli.waitForFinished(20000));
    return QString::fromUtf8(cli.readAllStandardOutput() + cli.readAllStandardError());
}

QString RunKeyed(const QString& file, const QString& statements) {
    return Run(file, QStringLiteral("PRAGMA key='") +
                         QString::fromLatin1(kDefaultDatabasePassword) + QStringLiteral("';\n") +
                         statements + u'\n');
}

} // namespace SqlcipherCli
