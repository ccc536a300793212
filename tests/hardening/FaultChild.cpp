// Runs one import or export through its window, for tests that kill it part-way.
//   hardening-child import-db DB SOURCE
//   hardening-child import-xls FOLDER        (FOLDER/data.db from FOLDER/1.xls)
//   hardening-child export DB OUT KEYWORD
//   hardening-child save DB                  (adds records through the editor until killed)
// Messages go to standard error; it prints "started" before the operation begins.
#include "import/fInputdata.h"
#include "platform/app/App.h"
#include "platform/app/CompanyName.h"
#include "reports/sSaveXLS.h"
#include "store/ModuleDataBase.h"
#include "training/SearchList.h"
#include "training/fSearch.h"
#include "training/trainingAdd.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <cstdio>

namespace {
void started() {
    std::fputs("started\n", stdout);
    std::fflush(stdout);
}
} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString command = args.value(1);
    if (command == u"import-db" && args.size() == 4) {
        DatabasePath = args[2];
        fInputdata window;
        window.Text1->setText(args[3]);
        started();
        window.Command1_Click();
        return 0;
    }
    if (command == u"import-xls" && args.size() == 3) {
        App::SetPath(args[2]);
        DatabasePath = args[2] + QStringLiteral("/data.db");
        fInputdata window;
        started();
        window.Command4_Click();
        return 0;
    }
    if (command == u"export" && args.size() == 5) {
        DatabasePath = args[2];
        LoadCompanyName();
        fSearch search(nullptr);
        search.查询训练表(QStringLiteral("[全部栏目]"), args[4]);
        sSaveXLS dialog(*search.ListView1);
        dialog.Text1->setText(args[3]);
        started();
        dialog.Command1_Click();
        return 0;
    }
    if (command == u"save" && args.size() == 3) {
        DatabasePath = args[2];
        trainingAdd editor(0);
        started();
        for (int i = 0;; ++i) {
            editor.Text1->setText(QStringLiteral("课程%1").arg(i));
            editor.Text7->setText(QStringLiteral("规程"));
            editor.Text2->setText(QStringLiteral("讲师"));
            editor.Text3->setPlainText(QStringLiteral("张三"));
            editor.Command4_Click();
        }
    }
    std::fputs("usage: hardening-child import-db DB SOURCE | import-xls FOLDER | "
               "export DB OUT KEYWORD | save DB\n",
               stderr);
    return 2;
}
