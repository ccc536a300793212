#include "bench/ExportBench.h"

#include "bench/BenchOutput.h"
#include "platform/app/CompanyName.h"
#include "reports/sSaveXLS.h"
#include "store/ModuleDataBase.h"
#include "training/SearchList.h"
#include "training/fSearch.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>

namespace Bench {

QJsonObject RunExport(const ExportOptions& options) {
    DatabasePath = options.db;
    LoadCompanyName();
    fSearch search(nullptr);
    search.查询训练表(QStringLiteral("[全部栏目]"), options.keywords.join(u' '));
    std::vector<double> times;
    for (int i = 0; i < options.repeat; ++i) {
        sSaveXLS dialog(*search.ListView1);
        dialog.Text1->setText(options.out);
        dialog.TextRPW->setText(options.openPassword);
        dialog.TextWPW->setText(options.modifyPassword);
        if (options.personal) {
            dialog.Text3->setText(options.name);
            dialog.Option2->setChecked(true);
        }
        times.push_back(TimeMs([&] { dialog.Command1_Click(); }));
    }
    return {{"op", "export"},
            {"ms", Median(times)},
            {"rows", search.ListView1->ItemCount()},
            {"bytes", QFileInfo(options.out).size()},
            {"rss_mb", PeakRssMb()}};
}

} // namespace Bench
