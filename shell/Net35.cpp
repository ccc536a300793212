#include "shell/Net35.h"

#include "platform/app/App.h"
#include "platform/shell/Shell.h"
#include "platform/ui/DialogStyle.h"
#include "support/SystemInfo.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

namespace {
QString downloadPage() {
    return QStringLiteral("https://www.microsoft.com/zh-CN/download/details.aspx?id=21");
}

struct NoticeTexts {
    QString missing;
    QString advice;
};

// Only Windows needs the .NET Framework; elsewhere the notice says that nothing is missing.
NoticeTexts noticeTexts() {
#ifdef Q_OS_WIN
    return {QStringLiteral("如果您看到本窗口，说明您的操作系统缺少微软.NET "
                           "Framework组件，本软件可能不能正常运行。"),
            QStringLiteral("建议您下载并安装.NET Framework 3.5 中文版。")};
#else
    return {QStringLiteral("本软件在您的操作系统上不需要微软.NET "
                           "Framework组件，运行所需的组件已随本软件一同安装。"),
            QStringLiteral("您无需下载或安装任何组件。")};
#endif
}
} // namespace

Net35::Net35(QWidget* parent) : QDialog(parent, ui::FixedBorder()) {
    setObjectName(QStringLiteral("Net35"));
    buildControls();
    Form_Load();
}

void Net35::buildControls() {
    setFixedSize(520, 250);
    const NoticeTexts texts = noticeTexts();
    addLabel("Label5", texts.missing, QRect(20, 16, 480, 48));
    Label4_ = addLabel("Label4", QStringLiteral("操作系统"), QRect(20, 72, 480, 48));
    addLabel("Label2", texts.advice, QRect(20, 128, 480, 24));
    addLabel("Label3", QStringLiteral("(以下下载链接来自微软网站)"), QRect(20, 156, 480, 24));

    auto* Command3 =
        new QPushButton(QStringLiteral("点击进入微软.NET Framework 3.5 下载网页"), this);
    Command3->setObjectName(QStringLiteral("Command3"));
    Command3->setGeometry(20, 194, 480, 36);
    connect(Command3, &QPushButton::clicked, this, &Net35::Command3_Click);
}

QLabel* Net35::addLabel(const char* name, const QString& text, const QRect& area) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QString::fromUtf8(name));
    label->setWordWrap(true);
    label->setGeometry(area);
    return label;
}

void Net35::Form_Load() {
    setWindowTitle(QStringLiteral("缺少微软组件-") + App::Title());
    Label4_->setText(QStringLiteral("您的操作系统是：") + SystemDescription);
}

void Net35::Command3_Click() {
    Shell::OpenUrl(downloadPage());
    QCoreApplication::processEvents();
    close();
}
