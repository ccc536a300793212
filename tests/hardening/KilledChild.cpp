#include "KilledChild.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QThread>

bool KillAfter(const QString& program, const QStringList& arguments, int milliseconds,
               const QStringList& environment) {
    QProcess child;
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    for (const QString& assignment : environment) {
        variables.insert(assignment.section(u'=', 0, 0), assignment.section(u'=', 1));
    }
    child.setProcessEnvironment(variables);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(program, arguments);
    QByteArray output;
    while (!output.contains("started") && child.waitForReadyRead(30000)) {
        output += child.readAllStandardOutput();
    }
    QThread::msleep(static_cast<unsigned long>(milliseconds));
    const bool running = child.state() == QProcess::Running;
    if (running) {
        child.kill();
    }
    child.waitForFinished(30000);
    return running;
}
