#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class ReportRows;
namespace excel {
class Worksheet;
class Worksheets;
} // namespace excel

// Saves the rows of the search list as an Excel workbook in one of the two layouts.
class sSaveXLS : public QDialog {
    Q_OBJECT

public:
    sSaveXLS(ReportRows& list, QWidget* parent = nullptr);

    void Check1_Click();
    void Text3_Change();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

    QLabel* Label1;
    QLineEdit* Text1;
    QPushButton* Command3;
    QLabel* Label3;
    QLineEdit* Text2;
    QLabel* Label4;
    QLineEdit* TextRPW;
    QCheckBox* Check1;
    QLabel* Label5;
    QLineEdit* TextWPW;
    QLabel* Label6;
    QComboBox* Combo1;
    QGroupBox* Frame1;
    QRadioButton* Option1;
    QRadioButton* Option2;
    QLabel* Label7;
    QLineEdit* Text3;
    QLabel* Label2;
    QProgressBar* ProgressBar1;
    QPushButton* Command1;
    QPushButton* Command2;

    bool AutoWrap = true;

protected:
    void done(int result) override;

private:
    void buildControls();
    void Form_Load();
    void Form_Unload();
    // True when the workbook was saved at the path.
    bool 打开EXCEL插入内容(const QString& path, const QString& openPassword,
                           const QString& modifyPassword);
    static excel::Worksheet* 查找页标签(excel::Worksheets& sheets, const QString& name);
    static excel::Worksheet& 增加页标签(excel::Worksheets& sheets, const QString& name);
    bool refusedAsOpen(const QString& path);
    bool refusedAsTooLong();
    bool refusedForLongText();

    ReportRows& list_;
};
