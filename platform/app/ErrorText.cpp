#include "platform/app/ErrorText.h"

#include <cerrno>

namespace ErrorText {

QString WithDetail(const QString& cause, const QString& detail) {
    if (detail.isEmpty()) {
        return cause;
    }
    return cause + QStringLiteral("\n详细信息：") + detail;
}

QString WriteFailure(int systemError) {
    switch (systemError) {
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("磁盘已满。");
    case EFBIG:
        return QStringLiteral("文件超过了系统允许的大小。");
    case EACCES:
    case EPERM:
    case EROFS:
        return QStringLiteral("没有写入权限。");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("文件夹不存在。");
    case EBUSY:
    case ETXTBSY:
        return QStringLiteral("文件被其他程序占用，请稍后再试。");
    default:
        return QStringLiteral("写入文件时出错。");
    }
}

} // namespace ErrorText
