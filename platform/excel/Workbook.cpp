#include "platform/excel/Workbook.h"

#include "platform/app/ErrorText.h"
#include "platform/excel/Application.h"
#include "platform/excel/Error.h"
#include "platform/excel/XlsWriter.h"

#include <QSaveFile>
#include <cerrno>

namespace excel {
namespace {
constexpr qsizetype kMaxOpenPassword = 255;
constexpr qsizetype kMaxModifyPassword = 15;

void checkSaveArguments(const QString& fileName, int fileFormat, const QString& password,
                        const QString& writeResPassword, int accessMode) {
    if (fileName.isEmpty()) {
        throw Error(QStringLiteral("没有给出保存工作簿的文件名。"));
    }
    if (fileFormat != xlWorkbookNormal && fileFormat != xlExcel8) {
        throw Error(
            QStringLiteral("只能保存为 Excel 97-2003 工作簿（文件格式 56），不支持文件格式 %1。")
                .arg(fileFormat));
    }
    if (accessMode != xlNoChange && accessMode != xlExclusive) {
        throw Error(QStringLiteral("不支持共享工作簿（访问方式 %1）。").arg(accessMode));
    }
    if (password.size() > kMaxOpenPassword) {
        throw Error(QStringLiteral("打开权限密码不能超过 %1 个字符。").arg(kMaxOpenPassword));
    }
    if (writeResPassword.size() > kMaxModifyPassword) {
        throw Error(QStringLiteral("修改权限密码不能超过 %1 个字符。").arg(kMaxModifyPassword));
    }
}
} // namespace

Workbook::Workbook(Application& application, bool readOnly)
    : application_(application), readOnly_(readOnly), worksheets_(*this) {}

void Workbook::SaveAs(const QString& fileName, int fileFormat, const QString& password,
                      const QString& writeResPassword, int accessMode) {
    if (readOnly_) {
        throw Error(QStringLiteral("这个工作簿是只读打开的，不能另存。"));
    }
    checkSaveArguments(fileName, fileFormat, password, writeResPassword, accessMode);
    QSaveFile file(fileName);
    const Protection protection{password, writeResPassword, application_.UserName()};
    // The system's error number names the cause; none left from before may stand for it.
    errno = 0;
    if (!file.open(QIODevice::WriteOnly) || !WriteXls(*this, protection, file) || !file.commit()) {
        const int systemError = errno;
        throw Error(
            QStringLiteral("无法保存工作簿“%1”：").arg(fileName) +
            ErrorText::WithDetail(ErrorText::WriteFailure(systemError), file.errorString()));
    }
}

void Workbook::Close() {
    application_.Workbooks().Remove(this);
}

} // namespace excel
