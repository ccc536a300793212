#include "store/ModuleDataBase.h"

#include "platform/ado/Connection.h"
#include "platform/app/Strings.h"
#include "platform/ui/MessageBox.h"

#include <QFileInfo>

QString DatabasePath;

namespace {
// The advice to install the engine does not help when another copy of the program holds
// the file.
QString openFailure(const ado::Error& error) {
    const QString text = QStringLiteral("连接数据库出错：") + error.Description();
    if (error.Locked()) {
        return text;
    }
    return text + QStringLiteral("\r\n请下载安装AccessDatabaseEngine2010数据库引擎！");
}

bool open(ado::Connection& connection, const QString& path, const QString& connectionString) {
    try {
        if (!CheckFileExists(path)) {
            ui::Critical(QStringLiteral("找不到数据库文件!"));
            return false;
        }
        if (connection.State() == ado::adStateOpen) {
            connection.Close();
        }
        connection.Open(connectionString, QString(), QString(), -1);
        if (connection.State() == ado::adStateOpen) {
            return true;
        }
        connection.Close();
        ui::Critical(QStringLiteral("连接数据库失败！"));
        return false;
    } catch (const ado::Error& error) {
        connection.Close();
        ui::Critical(openFailure(error));
        return false;
    }
}

} // namespace

QString ConnectionString(const QString& path, const QString& password) {
    return QStringLiteral("Provider=Microsoft.ACE.OLEDB.12.0;Data Source=") + path +
           QStringLiteral(";Persist Security Info=False;jet oledb:database password=") + password;
}

bool OpenDatabase(ado::Connection& connection, QString path, QString password) {
    if (path.isEmpty()) {
        path = DatabasePath;
    }
    if (password.isEmpty()) {
        password = QString::fromLatin1(kDefaultDatabasePassword);
    }
    return open(connection, path, ConnectionString(path, password));
}

bool OpenDatabaseToRead(ado::Connection& connection, const QString& path) {
    return open(connection, path,
                ConnectionString(path, QString::fromLatin1(kDefaultDatabasePassword)) +
                    QStringLiteral(";Mode=Read"));
}

bool IsOwnDatabase(const QString& path) {
    if (path.toLower() == DatabasePath.toLower()) {
        return true;
    }
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(DatabasePath).canonicalFilePath();
}

void ReportDatabaseError(const ado::Error& error) {
    ui::Critical(QStringLiteral("数据库操作出错：") + error.Description());
}

QString SqlQuote(const QString& text) {
    return QString(text).replace(u'\'', QStringLiteral("''"));
}

bool CheckFileExists(const QString& path) {
    QString local = Vb::Trim(path);
    // file:///home/a/data.db names /home/a/data.db: keep the slash that starts the path.
    if (local.left(8).toLower() == u"file:///") {
        local = local.mid(7);
    }
    if (local.isEmpty()) {
        return false;
    }
    return QFileInfo(local).isFile();
}
