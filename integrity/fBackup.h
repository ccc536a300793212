#pragma once

#include <QDialog>

struct BackupState;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// 备份与恢复: the backups beside the program and in the second location, each checked
// again when listed; a backup now, a check, a restore, and the choice of the second
// location.
class fBackup : public QDialog {
    Q_OBJECT

public:
    explicit fBackup(QWidget* parent = nullptr);

    // True once a backup has been restored as data.db.
    bool Restored() const { return restored_; }

    void Command1_Click(); // 立即备份
    void Command2_Click(); // 校验
    void Command3_Click(); // 恢复
    void Command4_Click(); // 第二备份位置
    void Command5_Click(); // 关闭

    QTreeWidget* ListView1;
    QLabel* Label1; // the second location
    QLabel* Label2; // what went wrong with the second location
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
    QPushButton* Command4;
    QPushButton* Command5;

private:
    void Form_Load();
    void 列出备份();
    void 列出文件夹(const QString& folder, const QString& place);
    void 显示状态(QTreeWidgetItem& item, const BackupState& state);
    void 显示第二备份位置();
    void 复制到第二备份位置(const QString& name);

    bool restored_ = false;
};
