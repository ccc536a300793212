#include "training/fSearch.h"

#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"
#include "platform/app/Error.h"
#include "platform/app/Strings.h"
#include "platform/clock/Clock.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DatePicker.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Modal.h"
#include "platform/ui/Twips.h"
#include "reports/sSaveXLS.h"
#include "store/ModuleDataBase.h"
#include "training/MListView.h"
#include "training/SearchList.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QStatusBar>

namespace {
constexpr int kListTopTwips = 1125;

// The captions leave gaps of spaces for the controls that sit on them: a font whose
// space is half a Chinese character keeps the gaps as wide as the controls.
QFont gapFont() {
    QFont font(QStringLiteral("Noto Sans Mono CJK SC"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSize(9);
    return font;
}

ui::DatePicker* makeDatePicker(QWidget* parent, const char* name) {
    auto* picker = new ui::DatePicker(parent);
    QFont small = picker->font();
    // Small enough that a whole date fits the gap the check box caption leaves for it.
    small.setPointSizeF(7.5);
    picker->setFont(small);
    picker->setObjectName(QString::fromUtf8(name));
    return picker;
}

// The date column shows the day only; a text that is no date stays as it is.
QString dateCell(const ado::Field& field) {
    const QVariant& value = field.Value();
    if (value.typeId() == QMetaType::QDate || value.typeId() == QMetaType::QDateTime) {
        return value.toDate().toString(QStringLiteral("yyyy-MM-dd"));
    }
    return field.Text();
}
} // namespace

fSearch::fSearch(QMenu* popup, QWidget* parent) : QWidget(parent), popup_(popup) {
    setObjectName(QStringLiteral("fSearch"));
    setWindowTitle(QStringLiteral("教育训练记录查询"));
    buildSearchBar();
    buildListArea();
    Form_Load();
}

void fSearch::buildSearchBar() {
    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    ui::PlaceTwips(Frame1, 120, -15, 17880, 630);
    Check1 =
        new QCheckBox(QStringLiteral("训练时间在                和                 之间"), Frame1);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setFont(gapFont());
    ui::PlaceTwipsReadable(Check1, 135, 255, 4860, 180);
    DTPicker1 = makeDatePicker(Frame1, "DTPicker1");
    ui::PlaceTwipsFitting(DTPicker1, 1335, 195, 1350, 315);
    DTPicker2 = makeDatePicker(Frame1, "DTPicker2");
    ui::PlaceTwipsFitting(DTPicker2, 3015, 195, 1350, 315);
    L1 = ui::MakeLabel(Frame1, "L1", QStringLiteral("在                    里面找："));
    L1->setFont(gapFont());
    ui::PlaceTwipsReadable(L1, 5040, 255, 2700, 180);
    Combo1 = ui::MakeDropDownList(Frame1, "Combo1");
    ui::PlaceTwips(Combo1, 5280, 195, 1710, 300);
    Text1 = ui::MakeTextBox(Frame1, "Text1");
    ui::PlaceTwips(Text1, 7740, 210, 2850, 270);
    Combo2 = ui::MakeDropDownList(Frame1, "Combo2");
    Combo2->addItems({QStringLiteral("模糊匹配"), SearchQuery::kExactMatch});
    ui::PlaceTwipsFitting(Combo2, 10665, 195, 1095, 300);
    Command1 = ui::MakeButton(Frame1, "Command1", QStringLiteral("查找"));
    ui::PlaceTwips(Command1, 11820, 165, 705, 330);
    ui::KeepInRow({Text1, Combo2, Command1}, ui::Twips(60));
    // The hint sits at the end of the bar, or on the next row when the window is too
    // narrow for it (placeHint).
    Label4 =
        ui::MakeLabel(this, "Label4", QStringLiteral("（模糊匹配时，多个关键词用空格隔开。）"));
    Label4->setStyleSheet(QStringLiteral("color: grey;"));
    ui::PlaceTwipsFitting(Label4, 12645, 240, 3420, 180);
    connect(Command1, &QPushButton::clicked, this, &fSearch::Command1_Click);
    connect(Text1, &QLineEdit::returnPressed, this, &fSearch::Command1_Click);
}

void fSearch::buildListArea() {
    Label2 = ui::MakeLabel(this, "Label2", QStringLiteral("记录数："));
    ui::PlaceTwipsReadable(Label2, 120, 810, 720, 180);
    Label1 = ui::MakeLabel(this, "Label1", QStringLiteral("0条"));
    ui::PlaceTwipsReadable(Label1, 1035, 810, 270, 180);
    Command4 = ui::MakeButton(this, "Command4", QStringLiteral("自动调整列宽"));
    ui::PlaceTwips(Command4, 3075, 645, 1950, 420);
    Command2 = ui::MakeButton(this, "Command2", QStringLiteral("保存列表到EXCEL文件"));
    ui::PlaceTwips(Command2, 5160, 645, 1950, 420);
    ListView1 = new SearchList(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ui::PlaceTwips(ListView1, 120, kListTopTwips, 7455, 3825);
    ListView1->viewport()->installEventFilter(this);

    Picture1 = new QFrame(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setFrameShape(QFrame::Box);
    Picture1->setAutoFillBackground(true);
    ui::PlaceTwips(Picture1, 3975, 2340, 5925, 900);
    Label3 = ui::MakeLabel(Picture1, "Label3", QStringLiteral("查找中，请稍等..."));
    QFont notice(QStringLiteral("微软雅黑"));
    notice.setPointSizeF(15.75);
    Label3->setFont(notice);
    ui::PlaceTwips(Label3, 1785, 210, 2430, 420);
    Label3->adjustSize();
    Picture1->hide();

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->addWidget(new QLabel(QStringLiteral("Quorvane软件"), StatusBar1));
    StatusBar1->addWidget(new QLabel(QString(), StatusBar1), 1);
    StatusBar1->setFixedHeight(ui::Twips(300));

    connect(Command2, &QPushButton::clicked, this, &fSearch::Command2_Click);
    connect(Command4, &QPushButton::clicked, this, &fSearch::Command4_Click);
}

void fSearch::Form_Load() {
    Combo2->setCurrentIndex(0);
    DTPicker1->setDate(Clock::Today());
    DTPicker2->setDate(Clock::Today());
    导入训练表所有字段();
    if (Combo1->count() > 0) {
        Combo1->setCurrentIndex(0);
    }
}

void fSearch::导入训练表所有字段() {
    ListView1->Model().SetHeaders({});
    Combo1->clear();
    Combo1->addItem(SearchQuery::kAllColumns);
    ado::Connection connection;
    if (!OpenDatabase(connection)) {
        return;
    }
    QStringList headers;
    try {
        ado::Recordset rs;
        rs.Open(QStringLiteral("select * from 训练表"), connection, ado::adOpenKeyset,
                ado::adLockReadOnly);
        for (int i = 0; i < rs.Fields().Count(); ++i) {
            const QString name = rs.Fields()[i].Name();
            if (name.toLower() != u"id") {
                Combo1->addItem(name);
            }
            headers.push_back(name);
        }
    } catch (const ado::Error& error) {
        ReportDatabaseError(error);
    }
    ListView1->Model().SetHeaders(headers);
}

void fSearch::Command1_Click() {
    if (Text1->text().isEmpty()) {
        ui::Critical(QStringLiteral("请输入关键词!"), this);
        return;
    }
    if (Check1->isChecked() && !(DTPicker1->CommitTyped() && DTPicker2->CommitTyped())) {
        return;
    }
    Command1->setEnabled(false);
    Picture1->show();
    Picture1->raise();
    Picture1->repaint();
    查询训练表(Combo1->currentText(), Text1->text());
    ShowCount();
    Picture1->hide();
    Command1->setEnabled(true);
}

void fSearch::查询训练表(const QString& column, const QString& keywordText) {
    const QString quoted = SqlQuote(keywordText);
    if (quoted.isEmpty()) {
        ui::Critical(QStringLiteral("请输入关键词!"), this);
        return;
    }
    ListView1->Model().Clear();
    ado::Connection connection;
    if (!OpenDatabase(connection)) {
        return;
    }
    const bool fuzzy = Combo2->currentText() != SearchQuery::kExactMatch;
    std::optional<DateRange> range;
    if (Check1->isChecked()) {
        range = DateRange{DTPicker1->date(), DTPicker2->date()};
    }
    // From here on the database's complaints are not shown: the list holds what was read.
    App::IgnoringErrors([&] {
        const QString sql = SearchQuery::Statement(connection, column, quoted, fuzzy, range);
        ado::Recordset rs;
        rs.Open(sql, connection, ado::adOpenKeyset, ado::adLockReadOnly);
        fillList(rs);
    });
}

void fSearch::fillList(ado::Recordset& rs) {
    SearchListModel& model = ListView1->Model();
    const QStringList& headers = model.Headers();
    // Columns are matched to fields by name once, not for every row.
    std::vector<int> positions;
    int dateColumn = -1;
    for (int column = 0; column < headers.size(); ++column) {
        int position = -1;
        for (int i = 0; i < rs.Fields().Count(); ++i) {
            if (rs.Fields()[i].Name().compare(headers[column], Qt::CaseInsensitive) == 0) {
                position = i;
                break;
            }
        }
        positions.push_back(position);
        if (headers[column] == u"训练时间") {
            dateColumn = column;
        }
    }
    if (positions.empty() || positions.front() < 0) {
        return;
    }
    model.BeginFill();
    App::IgnoringErrors([&] {
        QStringList cells;
        for (; !rs.Eof(); rs.MoveNext()) {
            cells.clear();
            for (int column = 0; column < static_cast<int>(positions.size()); ++column) {
                const int position = positions[static_cast<size_t>(column)];
                if (position < 0) {
                    cells.push_back(QString());
                } else if (column == dateColumn) {
                    cells.push_back(dateCell(rs.Fields()[position]));
                } else {
                    cells.push_back(rs.Fields()[position].Text());
                }
            }
            model.AppendRow(cells);
        }
    });
    model.EndFill();
}

void fSearch::ShowCount() {
    Label1->setText(QStringLiteral("%1条").arg(ListView1->ItemCount()));
    Label1->adjustSize();
}

void fSearch::Command2_Click() {
    if (ListView1->ItemCount() == 0) {
        ui::Critical(QStringLiteral("请先查询！"), this);
        return;
    }
    sSaveXLS exporter(*ListView1, this);
    const QString name = Vb::Trim(Text1->text());
    if (Combo1->currentText() == u"参加人员" && !name.isEmpty()) {
        exporter.Text3->setText(name);
    }
    ui::ShowModal(exporter);
}

void fSearch::Command4_Click() {
    MListView::SetAllColumnWidths(*ListView1, MListView::LVSCW_AUTOSIZE_USEHEADER);
}

void fSearch::ListView1_MouseDown(QMouseEvent* event) {
    if (event->button() == Qt::RightButton && popup_ != nullptr) {
        popup_->popup(event->globalPosition().toPoint());
    }
}

bool fSearch::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ListView1->viewport() && event->type() == QEvent::MouseButtonPress) {
        ListView1_MouseDown(static_cast<QMouseEvent*>(event));
    }
    return QWidget::eventFilter(watched, event);
}

void fSearch::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

void fSearch::Form_Resize() {
    if (isMinimized()) {
        return;
    }
    StatusBar1->setGeometry(0, height() - StatusBar1->height(), width(), StatusBar1->height());
    const int top = ui::Twips(kListTopTwips);
    const int listWidth = width() - ui::Twips(300);
    const int listHeight = height() - StatusBar1->height() - top - ui::Twips(600);
    if (listWidth >= 0 && listHeight >= 0) {
        ListView1->setGeometry(ui::Twips(50), top, listWidth, listHeight);
    }
    placeHint();
    const QRect list = ListView1->geometry();
    Picture1->move(list.left() + (list.width() - Picture1->width()) / 2,
                   list.top() + (list.height() - Picture1->height()) / 2);
}

void fSearch::placeHint() {
    const QPoint inBar = Frame1->mapTo(this, Command1->geometry().topRight()) +
                         QPoint(ui::Twips(120), (Command1->height() - Label4->height()) / 2);
    if (inBar.x() + Label4->width() <= width()) {
        Label4->move(inBar);
        return;
    }
    const QRect besideExport = Command2->geometry();
    Label4->move(besideExport.right() + ui::Twips(180),
                 besideExport.top() + (besideExport.height() - Label4->height()) / 2);
}
