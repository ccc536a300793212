#pragma once

#include "import/DatabaseImport.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

// Imports training records from another database file and from the customer workbook.
class fInputdata : public QDialog {
    Q_OBJECT

public:
    explicit fInputdata(QWidget* parent = nullptr);

    void Command1_Click();
    void Command3_Click();
    void Command4_Click();

    QLabel* Label1;
    QLineEdit* Text1;
    QPushButton* Command3;
    QPushButton* Command1;
    QLabel* Label2;
    QProgressBar* ProgressBar1;
    QPushButton* Command4;
    QLabel* Label3;

protected:
    void reject() override;

private:
    void Form_Load();
    void importDatabase(const QString& path);
    DatabaseImport::Progress progressBar();
    void reportOutcome(const DatabaseImport::Result& result);

    bool running_ = false;
};
