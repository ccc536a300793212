#pragma once

#include <QDialog>

class ParticipantReceiver;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
namespace ui {
class DatePicker;
}
namespace ado {
class FieldList;
class Connection;
} // namespace ado

// The employee register; also the picker of a training record's participants.
class fSelectMen : public QDialog {
    Q_OBJECT

public:
    explicit fSelectMen(QWidget* parent = nullptr);

    // Picker mode: enables 选中, which hands the ticked names to the receiver and closes.
    void EnablePicking(ParticipantReceiver* receiver);

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Lv1_ItemClick(QTreeWidgetItem* item);
    // column counted from 1
    void Lv1_ColumnClick(int column);

    QLabel* Label1;
    QTreeWidget* Lv1;
    QPushButton* Command3;
    QPushButton* Command4;
    QPushButton* Command6;
    QPushButton* Command1;
    QPushButton* Command2;
    QGroupBox* Frame1;
    QLineEdit* Text1;
    QComboBox* Combo1;
    QLineEdit* TextXL;
    QLineEdit* TextZW;
    QLineEdit* TextYGBH;
    ui::DatePicker* DTPicker1;
    QLineEdit* TextID;
    QPushButton* Command7;
    QPushButton* Command5;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildList();
    void buildFrame();
    void connectHandlers();
    void Form_Load();
    void 导入部门表();
    void 导入人员表();
    // True when the name exists; otherwise stores the employee (false also on failure).
    bool 人员已经存在(const QString& name, const QString& department);
    void 修改人员信息(int id, const QString& reason);
    void 删除人员(ado::Connection& connection, const QString& name, const QString& reason);
    bool anyTicked() const;
    // The edit frame's fields into the employee row.
    void writeEmployee(ado::FieldList& fields, const QString& name, const QString& department);
    void 清空();
    void setAllTicks(bool ticked);
    QStringList frameTexts() const;
    void sortList();

    ParticipantReceiver* receiver_ = nullptr;
    int sortColumn_ = 1;
    bool sortDescending_ = false;
    bool sorted_ = false;
    // The frame's texts as cleared or loaded: anything else would be lost by Escape.
    QStringList loadedTexts_;
    // The tick of the row under the mouse when it was pressed: a click that changes it
    // ticks the row and is no row click.
    QTreeWidgetItem* pressedItem_ = nullptr;
    Qt::CheckState pressedTick_ = Qt::Unchecked;
};
