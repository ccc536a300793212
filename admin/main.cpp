// qvledger-admin: the administrator's command-line tool, for scripted checks. It reads the
// database with the program's default password and never starts a window.
#include "admin/AuditCommands.h"
#include "admin/BackupCommands.h"
#include "admin/MatrixCommands.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>
#include <functional>
#include <map>

namespace {
using Family = std::function<int(const QStringList&, QTextStream&, QTextStream&)>;

const std::map<QString, Family>& families() {
    static const std::map<QString, Family> all = {
        {QStringLiteral("audit"), AuditCommands::Run},
        {QStringLiteral("matrix"), MatrixCommands::Run},
        {QStringLiteral("backup"), BackupCommands::Run},
    };
    return all;
}
} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    const auto family = arguments.isEmpty() ? families().end() : families().find(arguments.first());
    if (family == families().end()) {
        err << QStringLiteral("用法：qvledger-admin 命令 参数…，命令：");
        for (const auto& [name, run] : families()) {
            err << ' ' << name;
        }
        err << '\n';
        return 64;
    }
    arguments.removeFirst();
    return family->second(arguments, out, err);
}
