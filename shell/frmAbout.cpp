#include "shell/frmAbout.h"

#include "platform/app/App.h"
#include "platform/app/WebSites.h"
#include "platform/shell/Shell.h"
#include "platform/ui/DialogStyle.h"
#include "platform/ui/MessageBox.h"
#include "shell/ClickLabel.h"
#include "shell/Fonts.h"
#include "shell/flogin.h"
#include "store/ModuleDataBase.h"
#include "support/Links.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {
constexpr int kLeft = 20;
// Registry values are read through a buffer of this many characters.
constexpr qsizetype kValueBuffer = 1024;
} // namespace

frmAbout::frmAbout(QWidget* parent) : QDialog(parent, ui::FixedBorder()) {
    setObjectName(QStringLiteral("frmAbout"));
    setMouseTracking(true);
    buildControls();
    Form_Load();
}

void frmAbout::buildControls() {
    setFixedSize(500, 300);
    lsoftname_ = new QLabel(this);
    lsoftname_->setObjectName(QStringLiteral("lsoftname"));
    lsoftname_->setFont(Fonts::YaHei(15.75));
    lsoftname_->setGeometry(kLeft, 14, 340, 40);

    lblVersion_ = new QLabel(this);
    lblVersion_->setObjectName(QStringLiteral("lblVersion"));
    lblVersion_->setFont(Fonts::YaHei(10.5));
    lblVersion_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblVersion_->setGeometry(360, 22, 120, 24);

    addLabel("Label1", QStringLiteral("软件制作：Quorvane软件"), 68);
    addLabel("Label5", QStringLiteral("QQ：") + WebSites::InstantMessaging(), 96);
    addLink("Label4", QStringLiteral("Email：") + WebSites::Email(), 124, &frmAbout::Label4_Click)
        ->setToolTip(QStringLiteral("给软件作者写邮件"));
    addLink("Label2", QStringLiteral("Quorvane软件：") + WebSites::Vendor(), 152,
            &frmAbout::Label2_Click)
        ->setToolTip(QStringLiteral("访问支持网站"));
    addLink("Label7", QStringLiteral("Brisvel软件：") + WebSites::SecondBrand(), 180,
            &frmAbout::Label7_Click);

    Line2_ = new QFrame(this);
    Line2_->setObjectName(QStringLiteral("Line2"));
    Line2_->setStyleSheet(QStringLiteral("background-color: #0000ff;"));
    Line2_->hide();

    auto* Image2 = new ClickLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(kLeft, 220, 335, 61);
    Image2->setPixmap(QPixmap(QStringLiteral(":/assets/banner.png")));
    Image2->setCursor(Qt::PointingHandCursor);
    connect(Image2, &ClickLabel::Clicked, this, &frmAbout::Image2_Click);

    cmdSysInfo_ = new QPushButton(QStringLiteral("系统信息(&S)..."), this);
    cmdSysInfo_->setObjectName(QStringLiteral("cmdSysInfo"));
    cmdSysInfo_->setGeometry(370, 220, 110, 28);
    cmdSysInfo_->setAutoDefault(false);
    connect(cmdSysInfo_, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);

    cmdOK_ = new QPushButton(QStringLiteral("确定"), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setGeometry(370, 253, 110, 28);
    cmdOK_->setDefault(true);
    connect(cmdOK_, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
}

QLabel* frmAbout::addLabel(const char* name, const QString& text, int top) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QString::fromUtf8(name));
    label->setFont(Fonts::YaHei(10.5));
    label->move(kLeft, top);
    label->adjustSize();
    return label;
}

// A link label is as wide as its text, so the hover underline spans exactly the text.
ClickLabel* frmAbout::addLink(const char* name, const QString& text, int top,
                              void (frmAbout::*click)()) {
    auto* link = new ClickLabel(this);
    link->setObjectName(QString::fromUtf8(name));
    link->setText(text);
    link->setFont(Fonts::YaHei(10.5));
    link->setStyleSheet(QStringLiteral("color: #0000ff;"));
    link->setCursor(Qt::PointingHandCursor);
    link->move(kLeft, top);
    link->adjustSize();
    connect(link, &ClickLabel::Clicked, this, click);
    connect(link, &ClickLabel::MouseMoved, this, [this, link] { 模拟网址下划线(link); });
    return link;
}

void frmAbout::Form_Load() {
    setWindowTitle(QStringLiteral("关于『") + App::Title() + QStringLiteral("』 "));
    lsoftname_->setText(App::Title());
    lblVersion_->setText(QStringLiteral("版本 ") + App::VersionText());
}

void frmAbout::cmdOK_Click() {
    accept();
}

void frmAbout::cmdSysInfo_Click() {
    StartSysInfo();
}

void frmAbout::Label2_Click() {
    OpenWebPage(WebSites::Vendor(), true);
}

void frmAbout::Label7_Click() {
    OpenWebPage(WebSites::SecondBrand(), true);
}

void frmAbout::Label4_Click() {
    SendFeedbackMail();
}

void frmAbout::Image2_Click() {
    Shell::OpenUrl(WebSites::Shop());
}

void frmAbout::mouseMoveEvent(QMouseEvent* event) {
    Line2_->hide();
    QDialog::mouseMoveEvent(event);
}

void frmAbout::done(int result) {
    Form_Unload();
    QDialog::done(result);
}

// The startup window checks for a newer version once more.
void frmAbout::Form_Unload() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* startup = dynamic_cast<flogin*>(window)) {
            startup->Timer1()->start();
        }
    }
}

void frmAbout::模拟网址下划线(QLabel* label) {
    const QRect area = label->geometry();
    Line2_->setGeometry(area.left(), area.top() + area.height(), area.width(), 1);
    Line2_->show();
}

void frmAbout::StartSysInfo() {
    using sysinfo::RegRoot;
    QString program;
    if (const auto path = GetKeyValue(RegRoot::LocalMachine,
                                      QStringLiteral(R"(SOFTWARE\Microsoft\Shared Tools\MSINFO)"),
                                      QStringLiteral("PATH"))) {
        program = *path;
    } else if (const auto folder =
                   GetKeyValue(RegRoot::LocalMachine,
                               QStringLiteral(R"(SOFTWARE\Microsoft\Shared Tools Location)"),
                               QStringLiteral("MSINFO"));
               folder && CheckFileExists(*folder + QStringLiteral("/MSINFO32.EXE"))) {
        program = *folder + QStringLiteral("/MSINFO32.EXE");
    } else {
        program = sysinfo::Current().SystemInformationProgram();
    }
    if (program.isEmpty() || !Shell::StartProgram(program, {})) {
        ui::MsgBox(QStringLiteral("此时系统信息不可用"), ui::Icon::None, ui::Buttons::Ok, this);
    }
}

std::optional<QString> frmAbout::GetKeyValue(sysinfo::RegRoot root, const QString& key,
                                             const QString& valueName) {
    const std::optional<QString> value = sysinfo::Current().ReadString(root, key, valueName, false);
    if (!value || value->size() >= kValueBuffer) {
        return std::nullopt;
    }
    const qsizetype nul = value->indexOf(QChar(u'\0'));
    return nul < 0 ? *value : value->left(nul);
}
