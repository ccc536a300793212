// The administrator's tool: qvledger-admin FAMILY COMMAND ARGUMENTS...
#include "admin/AuditCommands.h"
#include "admin/CommandFamily.h"

#include <QCoreApplication>
#include <cstdio>

namespace {
const CommandFamily* const kFamilies[] = {
    &AuditCommands::kFamily,
};

int usage() {
    std::fputs("usage:\n", stderr);
    for (const CommandFamily* family : kFamilies) {
        std::fputs(family->usage, stderr);
    }
    return kCannotRun;
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    for (const CommandFamily* family : kFamilies) {
        if (args.size() > 1 && args[1] == QLatin1String(family->name)) {
            return family->run(args.mid(2));
        }
    }
    return usage();
}
