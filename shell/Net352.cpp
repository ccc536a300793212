#include "shell/Net352.h"

#include "platform/app/App.h"
#include "platform/ui/DialogStyle.h"
#include "shell/Fonts.h"

#include <QLabel>
#include <QPainter>

namespace {
constexpr int kMargin = 15;
constexpr int kPictureTop = 92;
} // namespace

Net352::Net352(QWidget* parent)
    : QDialog(parent, ui::FixedBorder()), picture_(QStringLiteral(":/assets/notice.png")) {
    setObjectName(QStringLiteral("Net352"));
    buildControls();
    Form_Load();
}

// On this system the right to run is the file's execute permission: the text and the
// picture show where the file manager sets it.
void Net352::buildControls() {
    setFixedSize(picture_.width() + 2 * kMargin, kPictureTop + picture_.height() + kMargin);
    auto* Label5 = new QLabel(
        QStringLiteral("请找到安装本软件的目标文件夹，选中qvledger文件，右击鼠标，弹出菜单，"
                       "点击“属性”，弹出属性窗口，切换到“权限”页标签，按照以下图片设置，"
                       "点击确定。"),
        this);
    Label5->setObjectName(QStringLiteral("Label5"));
    Label5->setFont(Fonts::SongTi(10.5));
    Label5->setWordWrap(true);
    Label5->setGeometry(kMargin, 10, picture_.width(), kPictureTop - 20);
}

void Net352::Form_Load() {
    setWindowTitle(QStringLiteral("软件运行权限不足，请按照以下图片设置文件的属性-") +
                   App::Title());
}

void Net352::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter.drawPixmap(kMargin, kPictureTop, picture_);
}
