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
    // Writing a large value takes long on a busy machine.
    EXPECT_TRUE(cli.waitForFinished(120000));
    return QString::fromUtf8(cli.readAllStandardOutput() + cli.readAllStandardError());
}

QString KeyLines(const QString& password) {
    return QStringLiteral("PRAGMA key='") + password +
           QStringLiteral("';\nPRAGMA cipher_compatibility = 3;\n");
}

QString RunKeyed(const QString& file, const QString& statements) {
    const QString output =
        Run(file, KeyLines(QString::fromLatin1(kDefaultDatabasePassword)) + statements + u'\n');
    // The shell answers the key with a line of its own.
    return output.startsWith(QStringLiteral("ok\n")) ? output.mid(3) : output;
}

} // namespace SqlcipherCli
