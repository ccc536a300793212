#include "platform/ado/EngineError.h"

#include "platform/app/ErrorText.h"

#include <sqlite3.h>

namespace ado {

bool Error::Locked() const {
    const int primary = code_ & 0xff;
    return primary == SQLITE_BUSY || primary == SQLITE_LOCKED;
}

namespace detail {
namespace {
QString ioCause(int code) {
    switch (code) {
    case SQLITE_IOERR_READ:
    case SQLITE_IOERR_SHORT_READ:
        return QStringLiteral("读取数据库文件时出错。");
    case SQLITE_IOERR_WRITE:
    case SQLITE_IOERR_FSYNC:
    case SQLITE_IOERR_TRUNCATE:
        return QStringLiteral("写入数据库文件时出错，磁盘可能已满。");
    default:
        return QStringLiteral("读写数据库文件时出错。");
    }
}
} // namespace

QString EngineCause(int code) {
    switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral("数据库文件被其他程序锁定，请稍后再试。");
    case SQLITE_FULL:
        return QStringLiteral("磁盘已满。");
    case SQLITE_READONLY:
        return QStringLiteral("没有写入权限。");
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return QStringLiteral("没有访问数据库文件的权限。");
    case SQLITE_CANTOPEN:
        return QStringLiteral("无法在数据库文件所在的文件夹中写入。");
    case SQLITE_IOERR:
        return ioCause(code);
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return QStringLiteral("数据库文件已损坏。");
    case SQLITE_NOMEM:
        return QStringLiteral("内存不足。");
    case SQLITE_TOOBIG:
        return QStringLiteral("数据太长，超出了数据库的限制。");
    case SQLITE_CONSTRAINT:
        return QStringLiteral("数据不符合数据库的约束。");
    case SQLITE_INTERRUPT:
        return QStringLiteral("读取数据库文件的时间过长，已停止。");
    default:
        return QStringLiteral("数据库无法完成这项操作。");
    }
}

Error EngineError(int code, const QString& engineMessage) {
    return Error(ErrorText::WithDetail(EngineCause(code), engineMessage), code);
}

Error EngineError(sqlite3* db) {
    return EngineError(sqlite3_extended_errcode(db), QString::fromUtf8(sqlite3_errmsg(db)));
}

Error OpenError(int code, const QString& path, sqlite3* db) {
    switch (code & 0xff) {
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
        return Error(QStringLiteral("无法打开数据库文件“%1”：文件不存在或没有读取权限。").arg(path),
                     code);
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
        return Error(QStringLiteral("无法识别的数据库格式“%1”，或数据库密码无效。").arg(path),
                     code);
    default:
        return db != nullptr ? EngineError(db)
                             : EngineError(code, QString::fromUtf8(sqlite3_errstr(code)));
    }
}

} // namespace detail
} // namespace ado
