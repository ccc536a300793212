#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;
class QTableWidget;

// A list of lines under their headings: the records behind a cell, one employee's SOPs,
// the employees a revision change leaves untrained. Its export, when given, saves the list.
class fMatrixList : public QDialog {
    Q_OBJECT

public:
    fMatrixList(const QString& title, const QString& note, const QStringList& headings,
                const QList<QStringList>& lines, QWidget* parent = nullptr);

    // Adds 导出; the action is called with this window as the parent of what it shows.
    void OfferExport(std::function<void(QWidget*)> exportList);
    // Turns 关闭 into 保存修改 and 取消: the window is accepted on 保存修改.
    void AskToSave();

    QLabel* Label1;
    QTableWidget* List1;
    QPushButton* Command1; // 保存修改, hidden unless asked
    QPushButton* Command2; // 导出, hidden unless offered
    QPushButton* Command3; // 关闭 or 取消
};
