#include "WriteLock.h"

#include "helpers/SqlcipherCli.h"

#include <QDeadlineTimer>

WriteLock::WriteLock(const QString& path, const QString& password, Readers readers) {
    shell_.start(QStringLiteral("sqlcipher"), {path});
    if (!shell_.waitForStarted()) {
        return;
    }
    shell_.write(SqlcipherCli::KeyLines(password).toUtf8() +
                 (readers == Readers::Barred ? "BEGIN EXCLUSIVE;\n" : "BEGIN IMMEDIATE;\n") +
                 "INSERT INTO 部门表 (部门名称) VALUES ('锁定期间');\n"
                 "SELECT 'held';\n");
    QByteArray output;
    const QDeadlineTimer deadline(30000);
    while (!output.contains("held") && !deadline.hasExpired() &&
           shell_.state() == QProcess::Running) {
        shell_.waitForReadyRead(100);
        output += shell_.readAllStandardOutput();
    }
    held_ = output.contains("held");
}

WriteLock::~WriteLock() {
    if (shell_.state() == QProcess::Running) {
        shell_.write("ROLLBACK;\n.quit\n");
        shell_.closeWriteChannel();
        if (!shell_.waitForFinished(10000)) {
            shell_.kill();
            shell_.waitForFinished();
        }
    }
}
