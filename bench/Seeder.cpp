#include "bench/Seeder.h"

#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"
#include "store/ModuleDataBase.h"
#include "store/Schema.h"

#include <QDate>
#include <QStringList>
#include <random>
#include <set>

namespace Bench {
namespace {
const QStringList kDepartments = {
    QStringLiteral("质量保证部"),   QStringLiteral("质量控制部"), QStringLiteral("生产部"),
    QStringLiteral("固体制剂车间"), QStringLiteral("注射剂车间"), QStringLiteral("工程设备部"),
    QStringLiteral("物料部"),       QStringLiteral("仓储部"),     QStringLiteral("研发部"),
    QStringLiteral("人力资源部"),   QStringLiteral("行政部"),     QStringLiteral("财务部"),
    QStringLiteral("销售部"),       QStringLiteral("注册部"),     QStringLiteral("EHS部"),
    QStringLiteral("信息部")};
const QString kSurnames =
    QStringLiteral("王李张刘陈杨赵黄周吴徐孙胡朱高林何郭马罗梁宋郑谢韩唐冯于董萧");
const QString kGiven =
    QStringLiteral("伟芳娜敏静丽强磊军洋勇艳杰娟涛明超秀英华慧巧美兰霞平刚桂英建国红梅");
const QStringList kCourses = {
    QStringLiteral("GMP基础知识培训"),    QStringLiteral("偏差处理管理规程"),
    QStringLiteral("变更控制管理规程"),   QStringLiteral("纠正和预防措施"),
    QStringLiteral("洁净区行为规范"),     QStringLiteral("更衣程序"),
    QStringLiteral("清场管理规程"),       QStringLiteral("设备清洁规程"),
    QStringLiteral("批生产记录填写规范"), QStringLiteral("数据完整性培训"),
    QStringLiteral("验证管理规程"),       QStringLiteral("物料取样规程"),
    QStringLiteral("留样管理规程"),       QStringLiteral("消防安全培训"),
    QStringLiteral("药品管理法"),         QStringLiteral("无菌操作技术"),
    QStringLiteral("称量操作规程"),       QStringLiteral("文件管理规程"),
    QStringLiteral("供应商审计"),         QStringLiteral("自检管理规程")};
const QStringList kSopAreas = {QStringLiteral("QA"), QStringLiteral("QC"), QStringLiteral("PR"),
                               QStringLiteral("EN"), QStringLiteral("WH"), QStringLiteral("AD")};
const QStringList kLecturers = {QStringLiteral("张华"), QStringLiteral("李明"),
                                QStringLiteral("王芳"), QStringLiteral("外聘讲师"),
                                QStringLiteral("赵敏"), QStringLiteral("陈刚")};
const QStringList kPositions = {QStringLiteral("操作工"), QStringLiteral("班长"),
                                QStringLiteral("主管"),   QStringLiteral("经理"),
                                QStringLiteral("检验员"), QStringLiteral("QA专员")};
const QStringList kEducation = {QStringLiteral("高中"), QStringLiteral("中专"),
                                QStringLiteral("大专"), QStringLiteral("本科"),
                                QStringLiteral("硕士")};

class Random {
public:
    explicit Random(std::uint32_t seed) : engine_(seed) {}
    int below(int n) { return static_cast<int>(engine_() % static_cast<std::uint32_t>(n)); }
    bool chance(int percent) { return below(100) < percent; }
    const QString& pick(const QStringList& list) { return list.at(below(list.size())); }

private:
    std::mt19937 engine_;
};

QStringList makeEmployees(Random& random, int count) {
    QStringList names;
    std::set<QString> seen;
    while (names.size() < count) {
        QString name = kSurnames.at(random.below(kSurnames.size()));
        name += kGiven.at(random.below(kGiven.size()));
        if (random.chance(60)) {
            name += kGiven.at(random.below(kGiven.size()));
        }
        if (seen.count(name) != 0) {
            name += QString::number(names.size());
        }
        seen.insert(name);
        names.push_back(name);
    }
    return names;
}

void addDepartments(ado::Connection& connection, const QStringList& departments) {
    ado::Recordset rs;
    rs.Open(QStringLiteral("select * from 部门表 where 1=2"), connection, ado::adOpenKeyset,
            ado::adLockOptimistic);
    for (const QString& name : departments) {
        rs.AddNew();
        rs.Fields()[QStringLiteral("部门名称")].SetValue(name);
        rs.Update();
    }
}

void addEmployees(ado::Connection& connection, Random& random, const QStringList& names,
                  const QStringList& departments) {
    ado::Recordset rs;
    rs.Open(QStringLiteral("select * from 员工表 where 1=2"), connection, ado::adOpenKeyset,
            ado::adLockOptimistic);
    for (int i = 0; i < names.size(); ++i) {
        rs.AddNew();
        rs.Fields()[QStringLiteral("姓名")].SetValue(names.at(i));
        rs.Fields()[QStringLiteral("部门")].SetValue(random.pick(departments));
        rs.Fields()[QStringLiteral("职务")].SetValue(random.pick(kPositions));
        rs.Fields()[QStringLiteral("员工编号")].SetValue(
            QStringLiteral("QV%1").arg(i + 1, 5, 10, QChar(u'0')));
        rs.Fields()[QStringLiteral("学历")].SetValue(random.pick(kEducation));
        rs.Fields()[QStringLiteral("到职日")].SetValue(
            QDate(2005, 1, 1).addDays(random.below(7000)));
        rs.Update();
    }
}

QString participants(Random& random, const QStringList& employees) {
    const int count = 5 + random.below(36);
    QStringList chosen;
    for (int i = 0; i < count; ++i) {
        chosen.push_back(random.pick(employees));
    }
    chosen.removeDuplicates();
    return chosen.join(QStringLiteral("、"));
}

void addTrainings(ado::Connection& connection, Random& random, int count,
                  const QStringList& employees, const QStringList& departments) {
    ado::Recordset rs;
    rs.Open(QStringLiteral("select * from 训练表 where 1=2"), connection, ado::adOpenKeyset,
            ado::adLockOptimistic);
    const QDate first(2016, 1, 1);
    for (int i = 0; i < count; ++i) {
        const int course = random.below(kCourses.size());
        const QString area = random.pick(kSopAreas);
        rs.AddNew();
        ado::FieldList& f = rs.Fields();
        f[QStringLiteral("部门")].SetValue(random.pick(departments));
        f[QStringLiteral("新进员工")].SetValue(random.chance(20));
        f[QStringLiteral("法规")].SetValue(random.chance(25));
        f[QStringLiteral("SOP")].SetValue(random.chance(60));
        f[QStringLiteral("专业技术")].SetValue(random.chance(30));
        f[QStringLiteral("内外训")].SetValue(random.chance(85) ? QStringLiteral("内训")
                                                               : QStringLiteral("外训"));
        f[QStringLiteral("训练时间")].SetValue(first.addDays(random.below(3653)));
        f[QStringLiteral("SOP编号")].SetValue(
            QStringLiteral("SOP-%1-%2").arg(area).arg(1 + random.below(400), 4, 10, QChar(u'0')));
        f[QStringLiteral("SOP版次")].SetValue(
            QStringLiteral("%1").arg(1 + random.below(6), 2, 10, QChar(u'0')));
        f[QStringLiteral("SOP名称")].SetValue(kCourses.at(course));
        f[QStringLiteral("教育训练名称")].SetValue(
            kCourses.at(course) + QStringLiteral("（第%1期）").arg(1 + random.below(50)));
        f[QStringLiteral("主讲人")].SetValue(random.pick(kLecturers));
        f[QStringLiteral("参加人员")].SetValue(participants(random, employees));
        rs.Update();
    }
}
} // namespace

SeedResult Seed(const QString& path, const SeedOptions& options) {
    Schema::CreateEmptyDatabase(path, QString::fromLatin1(kDefaultDatabasePassword));
    ado::Connection connection;
    if (!OpenDatabase(connection, path)) {
        throw ado::Error(QStringLiteral("cannot open ") + path);
    }
    Random random(options.seed);
    const QStringList departments = kDepartments.mid(0, std::max(1, options.departments));
    const QStringList employees = makeEmployees(random, std::max(1, options.employees));
    connection.BeginTrans();
    try {
        addDepartments(connection, departments);
        addEmployees(connection, random, employees, departments);
        addTrainings(connection, random, options.records, employees, departments);
        connection.CommitTrans();
    } catch (...) {
        connection.RollbackTrans();
        throw;
    }
    return {options.records, static_cast<int>(employees.size()),
            static_cast<int>(departments.size())};
}

} // namespace Bench
