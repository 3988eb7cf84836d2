// The personnel database's tables as created, and the demo company filled into them.
#include "DataAccess.h"
#include "DemoCompany.h"
#include "PersonnelSchema.h"
#include "TempWorkDir.h"

#include <QHash>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Every row of a statement, each as column name -> text.
QList<QHash<QString, QString>> Rows(TConnection& connection, const QString& sql)
{
    TQuery query;
    query.Connection = &connection;
    query.SetSQL(sql);
    query.Open();
    QList<QHash<QString, QString>> rows;
    for (; !query.Eof(); query.Next()) {
        QHash<QString, QString> row;
        for (int i = 0; i < query.FieldCount(); ++i)
            row.insert(query.Fields(i)->FieldName(), query.Fields(i)->AsString());
        rows.append(row);
    }
    return rows;
}

QString Text(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace

TEST(PersonnelSchema, CreatesTheEightTablesWithAnIntegerKeyAndTextColumns)
{
    struct TableCase {
        const char* table;
        const char* columns; // after ID; "name:INTEGER" marks the integer ones
    };
    const std::vector<TableCase> cases = {
        {"人员资料", "工号 姓名 性别 生日 部门:INTEGER 工种 职称 省市 民族 学历 专业 身份证号 备注 政治面貌 "
                     "技术等级 婚姻状况 入司时间 健康状况 合同期限 合同开始 合同结束 家庭地址 邮编"},
        {"部门管理", "部门名 上级部门:INTEGER"},
        {"工作经历", "人员id 开始时间 结束时间 公司 部门 职责"},
        {"社会关系", "人员id 姓名 关系 联系电话 单位 备注"},
        {"奖惩记录", "人员id 类别 事件 处理单位 处理日期 结果"},
        {"培训记录", "人员id 课程名称 开始时间 结束时间 培训单位 所得证书"},
        {"待办事项", "事项目 日期 说明"},
        {"管理员", "账号 密码"},
    };
    TempWorkDir dir;
    PersonnelSchema::CreateDatabase(QStringLiteral("db.mdb"));
    TConnection connection;
    connection.ConnectionString = QStringLiteral("Data Source=db.mdb");
    ASSERT_EQ(PersonnelSchema::Tables().size(), qsizetype(cases.size()));
    for (const TableCase& c : cases) {
        SCOPED_TRACE(c.table);
        QStringList expected{QStringLiteral("ID:INTEGER:pk")};
        for (const QString& column : Text(c.columns).split(u' '))
            expected.append(column.contains(u':') ? column : column + QStringLiteral(":TEXT"));
        QStringList actual;
        for (const auto& row : Rows(connection, QStringLiteral("pragma table_info(%1)").arg(Text(c.table)))) {
            actual.append(row[QStringLiteral("name")] + u':' + row[QStringLiteral("type")] +
                          (row[QStringLiteral("pk")] == u"1" ? QStringLiteral(":pk") : QString()));
        }
        EXPECT_EQ(actual, expected);
    }
}

TEST(PersonnelSchema, EachNewDatabaseGetsOneOperatorWithItsOwnPassword)
{
    TempWorkDir dir;
    const OperatorAccount first = PersonnelSchema::CreateDatabase(QStringLiteral("a.mdb"));
    const OperatorAccount second = PersonnelSchema::CreateDatabase(QStringLiteral("b.mdb"));
    EXPECT_NE(first.Password, second.Password);
    EXPECT_GE(first.Password.size(), 8);
    TConnection connection;
    connection.ConnectionString = QStringLiteral("Data Source=a.mdb");
    const auto accounts = Rows(connection, QStringLiteral("select * from 管理员"));
    ASSERT_EQ(accounts.size(), 1);
    EXPECT_EQ(accounts[0][QStringLiteral("账号")], first.Name);
    EXPECT_EQ(accounts[0][QStringLiteral("密码")], first.Password);
}

TEST(PersonnelSchema, RefusesAnExistingFileAndLeavesIt)
{
    TempWorkDir dir;
    QFile file(QStringLiteral("db.mdb"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not mine to replace");
    file.close();
    EXPECT_THROW(PersonnelSchema::CreateDatabase(QStringLiteral("db.mdb")), EDatabaseError);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("not mine to replace"));
}

// One demo company for every test of its contents.
class DemoCompanyTest : public ::testing::Test {
protected:
    static constexpr int People = 300;

    static void SetUpTestSuite()
    {
        dir = std::make_unique<QTemporaryDir>();
        PersonnelSchema::CreateDatabase(dir->filePath(QStringLiteral("db.mdb")), People);
    }
    static void TearDownTestSuite() { dir.reset(); }

    DemoCompanyTest()
    {
        connection.ConnectionString = QStringLiteral("Data Source=\"%1\"").arg(dir->filePath("db.mdb"));
    }

    QList<QHash<QString, QString>> Table(const char* table)
    {
        return Rows(connection, QStringLiteral("select * from %1").arg(Text(table)));
    }

    static inline std::unique_ptr<QTemporaryDir> dir;
    TConnection connection;
};

TEST_F(DemoCompanyTest, DepartmentsFormATreeThreeLevelsDeep)
{
    const auto departments = Table("部门管理");
    EXPECT_EQ(departments.size(), DemoCompany::DepartmentCount());
    QHash<QString, QString> parentOf;
    for (const auto& d : departments)
        parentOf.insert(d[QStringLiteral("ID")], d[QStringLiteral("上级部门")]);
    int deepest = 0;
    for (const auto& d : departments) {
        EXPECT_FALSE(d[QStringLiteral("部门名")].isEmpty());
        int depth = 1;
        for (QString up = d[QStringLiteral("上级部门")]; up != u"0";
             up = parentOf.value(up, QStringLiteral("0"))) {
            ASSERT_TRUE(parentOf.contains(up)) << "parent " << up.toStdString() << " is no department";
            ASSERT_LE(++depth, 3);
        }
        deepest = std::max(deepest, depth);
    }
    EXPECT_EQ(deepest, 3);
}

TEST_F(DemoCompanyTest, PeopleHaveEveryBasicColumnFilledWithBelievableValues)
{
    QSet<QString> departments;
    for (const auto& d : Table("部门管理"))
        departments.insert(d[QStringLiteral("ID")]);
    const QStringList educations = Text("小学 初中 高中 职高 中专 大专 本科 硕士 博士").split(u' ');
    const auto people = Table("人员资料");
    ASSERT_EQ(people.size(), People);
    QSet<QString> names;
    for (const auto& p : people) {
        SCOPED_TRACE(p[QStringLiteral("ID")].toStdString());
        for (auto it = p.begin(); it != p.end(); ++it)
            EXPECT_FALSE(it.value().trimmed().isEmpty()) << it.key().toStdString();
        const QString sex = p[QStringLiteral("性别")];
        EXPECT_TRUE(sex == u"男" || sex == u"女");
        EXPECT_TRUE(educations.contains(p[QStringLiteral("学历")]));
        EXPECT_TRUE(p[QStringLiteral("婚姻状况")] == u"未婚" || p[QStringLiteral("婚姻状况")] == u"已婚");
        EXPECT_TRUE(departments.contains(p[QStringLiteral("部门")]));
        const QString name = p[QStringLiteral("姓名")];
        EXPECT_TRUE(name.size() >= 2 && name.size() <= 4 && name[0].script() == QChar::Script_Han);
        names.insert(name);

        // An identity number holds the birthday, an odd 17th digit for men, and its check digit.
        const QString number = p[QStringLiteral("身份证号")];
        ASSERT_EQ(number.size(), 18);
        EXPECT_EQ(number.mid(6, 8), QString(p[QStringLiteral("生日")]).remove(u'-'));
        EXPECT_EQ(number[16].digitValue() % 2 == 1, sex == u"男");
        static const int weights[17] = {7, 9, 10, 5, 8, 4, 2, 1, 6, 3, 7, 9, 10, 5, 8, 4, 2};
        int sum = 0;
        for (int i = 0; i < 17; ++i)
            sum += number[i].digitValue() * weights[i];
        EXPECT_EQ(number[17], QStringLiteral("10X98765432")[sum % 11]);
    }
    EXPECT_GT(names.size(), People * 3 / 4) << "names should mostly differ";
}

TEST_F(DemoCompanyTest, DependentRecordsBelongToRealPeopleByTheDecimalTextOfTheirKey)
{
    QSet<QString> people;
    for (const auto& p : Table("人员资料"))
        people.insert(p[QStringLiteral("ID")]);
    const QStringList relations = Text("父子 母子 兄弟 姊妹 兄妹 姊弟").split(u' ');
    for (const char* table : {"工作经历", "社会关系", "奖惩记录", "培训记录"}) {
        SCOPED_TRACE(table);
        const auto rows = Table(table);
        EXPECT_GT(rows.size(), People / 10);
        QSet<QString> owners;
        for (const auto& row : rows) {
            const QString owner = row[QStringLiteral("人员id")];
            EXPECT_TRUE(people.contains(owner)) << owner.toStdString();
            owners.insert(owner);
            for (auto it = row.begin(); it != row.end(); ++it)
                EXPECT_FALSE(it.value().isEmpty()) << it.key().toStdString();
            if (QString::fromUtf8(table) == u"社会关系") {
                EXPECT_TRUE(relations.contains(row[QStringLiteral("关系")]));
            }
        }
        if (QString::fromUtf8(table) == u"社会关系" || QString::fromUtf8(table) == u"培训记录") {
            EXPECT_EQ(owners.size(), People) << "everyone has some";
        }
    }
}

TEST_F(DemoCompanyTest, ThereAreToDoItemsWithADescription)
{
    const auto items = Table("待办事项");
    EXPECT_GE(items.size(), 5);
    for (const auto& item : items) {
        EXPECT_FALSE(item[QStringLiteral("事项目")].isEmpty());
        EXPECT_FALSE(item[QStringLiteral("说明")].isEmpty());
    }
}
