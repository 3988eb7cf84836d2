// Table definitions of the personnel database and the creation of a new database file.
#include "PersonnelSchema.h"

#include "DataAccess.h"
#include "DemoCompany.h"

#include <QFile>
#include <QRandomGenerator>

namespace
{

QStringList Split(const char* columns)
{
    return QString::fromUtf8(columns).split(u' ');
}

QString NewPassword()
{
    // Letters and digits that cannot be mistaken for one another when read off a screen.
    static const QString alphabet = QStringLiteral("abcdefghjkmnpqrstuvwxyzACDEFGHJKLMNPQRTUVWXY34679");
    QString password;
    for (int i = 0; i < 10; ++i)
        password += alphabet[QRandomGenerator::system()->bounded(int(alphabet.size()))];
    return password;
}

void FillDatabase(const QString& path, const OperatorAccount& account, int demoPeople)
{
    TConnection connection;
    connection.ConnectionString = QStringLiteral("Data Source=\"%1\"").arg(path);
    connection.BeginTrans();
    for (const PersonnelTable& table : PersonnelSchema::Tables())
        connection.Execute(PersonnelSchema::CreateStatement(table));
    connection.Execute(PersonnelSchema::InsertStatement(PersonnelSchema::Table(QStringLiteral("管理员"))),
                       {account.Name, account.Password});
    if (demoPeople > 0)
        DemoCompany().Fill(connection, demoPeople);
    connection.CommitTrans();
}

} // namespace

namespace PersonnelSchema
{

const QList<PersonnelTable>& Tables()
{
    static const QList<PersonnelTable> tables = {
        {QStringLiteral("人员资料"),
         Split("工号 姓名 性别 生日 部门 工种 职称 省市 民族 学历 专业 身份证号 备注 政治面貌 技术等级 "
               "婚姻状况 入司时间 健康状况 合同期限 合同开始 合同结束 家庭地址 邮编")},
        {QStringLiteral("部门管理"), Split("部门名 上级部门")},
        {QStringLiteral("工作经历"), Split("人员id 开始时间 结束时间 公司 部门 职责")},
        {QStringLiteral("社会关系"), Split("人员id 姓名 关系 联系电话 单位 备注")},
        {QStringLiteral("奖惩记录"), Split("人员id 类别 事件 处理单位 处理日期 结果")},
        {QStringLiteral("培训记录"), Split("人员id 课程名称 开始时间 结束时间 培训单位 所得证书")},
        {QStringLiteral("待办事项"), Split("事项目 日期 说明")},
        {QStringLiteral("管理员"), Split("账号 密码")},
    };
    return tables;
}

const PersonnelTable& Table(const QString& name)
{
    for (const PersonnelTable& table : Tables()) {
        if (table.Name == name)
            return table;
    }
    throw EDatabaseError(QStringLiteral("No table %1 in the personnel database").arg(name));
}

bool IsIntegerColumn(const QString& table, const QString& column)
{
    // Only the keys that point at departments; 工作经历.部门 is free text naming a former employer's.
    return (table == u"人员资料" && column == u"部门") || (table == u"部门管理" && column == u"上级部门");
}

QString CreateStatement(const PersonnelTable& table)
{
    QStringList columns{QStringLiteral("ID INTEGER PRIMARY KEY AUTOINCREMENT")};
    for (const QString& column : table.Columns) {
        columns.append(column + (IsIntegerColumn(table.Name, column) ? QStringLiteral(" INTEGER")
                                                                     : QStringLiteral(" TEXT")));
    }
    return QStringLiteral("create table %1 (%2)").arg(table.Name, columns.join(QStringLiteral(", ")));
}

QString InsertStatement(const PersonnelTable& table)
{
    QStringList parameters;
    for (const QString& column : table.Columns)
        parameters.append(u':' + column);
    return QStringLiteral("insert into %1 (%2) values (%3)")
        .arg(table.Name, table.Columns.join(QStringLiteral(", ")), parameters.join(QStringLiteral(", ")));
}

OperatorAccount CreateDatabase(const QString& path, int demoPeople)
{
    TConnection::CreateDatabaseFile(path);
    const OperatorAccount account{QStringLiteral("admin"), NewPassword()};
    try {
        FillDatabase(path, account, demoPeople);
    } catch (...) {
        QFile::remove(path);
        throw;
    }
    return account;
}

} // namespace PersonnelSchema
