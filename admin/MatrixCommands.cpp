#include "admin/MatrixCommands.h"

#include "matrix/MatrixListing.h"
#include "matrix/MatrixStore.h"
#include "platform/ado/Connection.h"
#include "platform/clock/Clock.h"
#include "store/ModuleDataBase.h"

namespace MatrixCommands {
namespace {
constexpr int kUsage = 64;
constexpr int kFailed = 1;

QString usage() {
    return QStringLiteral("用法：qvledger-admin matrix DB [--today yyyy-mm-dd]\n");
}
} // namespace

int Run(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    QDate today = Clock::Today();
    if (arguments.size() == 3 && arguments.at(1) == u"--today") {
        today = QDate::fromString(arguments.at(2), Qt::ISODate);
    }
    if ((arguments.size() != 1 && arguments.size() != 3) || !today.isValid()) {
        err << usage();
        return kUsage;
    }
    try {
        ado::Connection connection;
        connection.Open(
            ConnectionString(arguments.at(0), QString::fromLatin1(kDefaultDatabasePassword)) +
            QStringLiteral(";Mode=Read"));
        const Matrix::Input input = MatrixStore::Load(connection);
        for (const QString& line : MatrixListing::Lines(input, Matrix::Compute(input, today))) {
            out << line << '\n';
        }
        return 0;
    } catch (const ado::Error& error) {
        err << error.Description() << '\n';
        return kFailed;
    }
}

} // namespace MatrixCommands
