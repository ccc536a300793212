#pragma once

#include "refdata/ParticipantReceiver.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
namespace ui {
class DatePicker;
}

// Records a training event, or corrects one: RecordId 0 adds, a row's id modifies it.
class trainingAdd : public QDialog, public ParticipantReceiver {
    Q_OBJECT

public:
    explicit trainingAdd(int recordId, QWidget* parent = nullptr);

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void ReceiveParticipants(const QString& participants) override;

    int RecordId;
    QComboBox* Combo5;
    QPushButton* Command1;
    QComboBox* Combo1;
    QComboBox* Combo2;
    QComboBox* Combo3;
    QComboBox* Combo4;
    QComboBox* Combo6;
    QLineEdit* Text1;
    QLineEdit* Text7;
    QLineEdit* Text2;
    QPlainTextEdit* Text3;
    QPushButton* Command2;
    ui::DatePicker* DTPicker1;
    QLineEdit* Text6;
    QLineEdit* Text5;
    QPushButton* Command3;
    QPushButton* Command4;
    QPushButton* Command5;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    enum class Save { Saved, Declined, NotFound, Failed };

    void buildControls();
    void setTabOrder();
    void Form_Load();
    void 导入部门表();
    bool 查找部门名称(const QString& name) const;
    void 打开训练表1个记录(int id);
    Save 保存到训练表(const QString& name, int id, const QString& reason);
    void 重置();
    bool inputComplete() const;
    QStringList typedTexts() const;

    // The texts as loaded or last saved: anything else would be lost by Escape.
    QStringList savedTexts_;
};
