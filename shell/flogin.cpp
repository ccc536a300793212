#include "shell/flogin.h"

#include "platform/app/App.h"
#include "platform/app/CompanyName.h"
#include "platform/app/WebSites.h"
#include "platform/shell/Shell.h"
#include "platform/ui/DialogStyle.h"
#include "shell/ClickLabel.h"
#include "shell/MDIForm1.h"
#include "shell/NewestVersion.h"
#include "support/Links.h"
#include "support/SystemInfo.h"
#include "support/uXMLHTTP.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {
// A published version text longer than this is not a version.
constexpr qsizetype kLongestVersionText = 10;

QString productPage() {
    return WebSites::Vendor() + QStringLiteral("/qvledger/");
}
} // namespace

flogin::flogin(QWidget* parent) : QWidget(parent, ui::FixedBorder(Qt::Window)) {
    setObjectName(QStringLiteral("flogin"));
    buildControls();
    Form_Load();
}

void flogin::buildControls() {
    setFixedSize(756, 300);
    Image1_ = new QLabel(this);
    Image1_->setObjectName(QStringLiteral("Image1"));
    Image1_->setGeometry(0, 0, 756, 245);
    Image1_->setPixmap(QPixmap(QStringLiteral(":/assets/splash.png")));

    Label2_ = new QLabel(this);
    Label2_->setObjectName(QStringLiteral("Label2"));
    Label2_->setGeometry(20, 258, 150, 30);
    Label2_->setStyleSheet(QStringLiteral("color: #404040;"));

    Label3_ = new ClickLabel(this);
    Label3_->setObjectName(QStringLiteral("Label3"));
    Label3_->setGeometry(180, 258, 300, 30);
    Label3_->setText(QStringLiteral("最新版本："));
    Label3_->setStyleSheet(QStringLiteral("color: #c0392b; text-decoration: underline;"));
    Label3_->setCursor(Qt::PointingHandCursor);
    Label3_->hide();
    connect(Label3_, &ClickLabel::Clicked, this, &flogin::Label3_Click);

    Command1_ = new QPushButton(QStringLiteral("进入管理"), this);
    Command1_->setObjectName(QStringLiteral("Command1"));
    Command1_->setGeometry(516, 256, 106, 32);
    Command1_->setDefault(true);
    connect(Command1_, &QPushButton::clicked, this, &flogin::Command1_Click);

    Command2_ = new QPushButton(QStringLiteral("退出软件"), this);
    Command2_->setObjectName(QStringLiteral("Command2"));
    Command2_->setGeometry(632, 256, 106, 32);
    connect(Command2_, &QPushButton::clicked, this, &flogin::Command2_Click);

    Timer1_ = new QTimer(this);
    Timer1_->setObjectName(QStringLiteral("Timer1"));
    Timer1_->setInterval(100);
    connect(Timer1_, &QTimer::timeout, this, &flogin::Timer1_Timer);

    uXMLHTTP2_ = new uXMLHTTP(this);
    uXMLHTTP2_->setObjectName(QStringLiteral("uXMLHTTP2"));
    connect(uXMLHTTP2_, &uXMLHTTP::OnDateArrived, this, &flogin::uXMLHTTP2_OnDateArrived);
}

void flogin::Form_Load() {
    setWindowTitle(App::Title());
    Label2_->setText(QStringLiteral("版本：") + App::VersionText());
    ui::CentreOnScreen(*this);
    show();
    QCoreApplication::processEvents();
    ComputeSystemDescription();
    LoadCompanyName();
    Timer1_->start();
}

void flogin::Timer1_Timer() {
    Timer1_->stop();
    uXMLHTTP2_->Open_(QStringLiteral("GET"),
                      WebSites::Vendor() + QStringLiteral("/qvledger/newver.txt"));
    uXMLHTTP2_->Send_();
}

void flogin::uXMLHTTP2_OnDateArrived() {
    const QString text = uXMLHTTP2_->ResponseText().trimmed();
    if (text.isEmpty() || text.size() > kLongestVersionText) {
        return;
    }
    Label3_->setText(QStringLiteral("最新版本：V") + text);
    CheckNewestVersion(text);
}

void flogin::CheckNewestVersion(const QString& text) {
    if (IsNewerVersion(text, App::Major(), App::Minor(), App::Revision())) {
        Label3_->show();
        OpenWebPage(productPage(), false);
    }
}

void flogin::Label3_Click() {
    Shell::OpenUrl(productPage());
}

void flogin::Command1_Click() {
    hide();
    auto* main = new MDIForm1;
    main->setAttribute(Qt::WA_DeleteOnClose);
    main->show();
}

void flogin::Command2_Click() {
    close();
}

void flogin::closeEvent(QCloseEvent* event) {
    event->accept();
    Form_Unload();
}

// Ends the run at once: exit() leaves the event loop without asking other windows to close,
// so the main window's backup cannot run on this path.
void flogin::Form_Unload() {
    QCoreApplication::exit(0);
}
