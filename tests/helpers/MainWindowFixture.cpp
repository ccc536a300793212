#include "helpers/MainWindowFixture.h"

#include "training/SearchList.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>

void MainWindowFixture::OpenMainWindow() {
    form = std::make_unique<MDIForm1>();
    folder.WithDatabase();
    form->show();
}

void MainWindowFixture::ListSearch(const QString& keyword) {
    search = &form->ShowSearch();
    search->Text1->setText(keyword);
    search->Command1->click();
}

void MainWindowFixture::Select(int row) {
    search->ListView1->selectionModel()->select(search->ListView1->Model().index(row, 0),
                                                QItemSelectionModel::ClearAndSelect |
                                                    QItemSelectionModel::Rows);
}

void MainWindowFixture::Trigger(const char* action) {
    form->findChild<QAction*>(QString::fromUtf8(action))->trigger();
}
