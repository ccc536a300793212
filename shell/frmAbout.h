#pragma once

#include "platform/sysinfo/SysInfo.h"

#include <QDialog>
#include <optional>

class ClickLabel;
class QFrame;
class QLabel;
class QPushButton;

// The about box: the product, its version and maker, links to the vendor's sites, shop and
// mail, and the system-information program.
class frmAbout : public QDialog {
    Q_OBJECT

public:
    explicit frmAbout(QWidget* parent = nullptr);

    void cmdOK_Click();
    void cmdSysInfo_Click();
    void Label2_Click();
    void Label4_Click();
    void Label7_Click();
    void Image2_Click();

    void done(int result) override;

protected:
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void buildControls();
    ClickLabel* addLink(const char* name, const QString& text, int top, void (frmAbout::*click)());
    QLabel* addLabel(const char* name, const QString& text, int top);
    void Form_Load();
    void Form_Unload();
    void 模拟网址下划线(QLabel* label);
    void StartSysInfo();
    static std::optional<QString> GetKeyValue(sysinfo::RegRoot root, const QString& key,
                                              const QString& valueName);

    QLabel* lsoftname_ = nullptr;
    QLabel* lblVersion_ = nullptr;
    QFrame* Line2_ = nullptr;
    QPushButton* cmdSysInfo_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
};
