#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeView;
class TrailListModel;
namespace ui {
class DatePicker;
}
namespace Audit {
struct Filter;
}

// Reads the audit trail: the entries newest first under filters, the fields one entry
// changed, the check of the whole trail, and an export of what is listed.
class fAuditTrail : public QDialog {
    Q_OBJECT

public:
    explicit fAuditTrail(QWidget* parent = nullptr);

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void ListView1_CurrentChanged();

    QCheckBox* Check1;
    ui::DatePicker* DTPicker1;
    ui::DatePicker* DTPicker2;
    QLineEdit* Text1;
    QLineEdit* Text2;
    QComboBox* Combo1;
    QLineEdit* Text3;
    QPushButton* Command1;
    QTreeView* ListView1;
    QPlainTextEdit* Text4;
    QLabel* Label1;
    QLineEdit* TextRPW;
    QLineEdit* TextWPW;
    QPushButton* Command2;
    QPushButton* Command3;
    QPushButton* Command4;

    const TrailListModel& Model() const { return *model_; }

private:
    void buildControls();
    QWidget* buildFilters();
    QWidget* buildButtons();
    void Form_Load();
    void 导入操作列表();
    Audit::Filter filter() const;
    void 报告校验结果(qint64 entries, std::optional<qint64> firstBad, const QStringList& records);

    TrailListModel* model_;
};
