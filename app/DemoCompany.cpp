// The demo company's departments, people, dependent records and to-do items.
#include "DemoCompany.h"

#include "DataAccess.h"
#include "PersonnelSchema.h"

#include <initializer_list>
#include <utility>

namespace
{

// The day the demo company's records were "last brought up to date".
const QDate Today(2024, 6, 30);

// What a department does: it decides kind of work, titles, specialities and courses.
enum Kind { kManagement, kResearch, kProduction, kSales, kFinance, kPersonnel, kAdministration };

struct DepartmentSeed {
    const char* name;
    int parent; // index in Departments, -1 for a top-level department
    Kind kind;
};

const DepartmentSeed Departments[] = {
    {"总经理办公室", -1, kManagement},
    {"研发中心", -1, kResearch},
    {"生产制造部", -1, kProduction},
    {"市场营销中心", -1, kSales},
    {"财务部", -1, kFinance},
    {"人力资源部", -1, kPersonnel},
    {"行政后勤部", -1, kAdministration},
    {"软件开发部", 1, kResearch},
    {"硬件开发部", 1, kResearch},
    {"测试部", 1, kResearch},
    {"一车间", 2, kProduction},
    {"二车间", 2, kProduction},
    {"质检部", 2, kProduction},
    {"华东销售部", 3, kSales},
    {"华南销售部", 3, kSales},
    {"市场推广部", 3, kSales},
    {"会计科", 4, kFinance},
    {"审计科", 4, kFinance},
    {"招聘培训科", 5, kPersonnel},
    {"薪酬福利科", 5, kPersonnel},
    {"平台组", 7, kResearch},
    {"应用组", 7, kResearch},
    {"装配班", 10, kProduction},
    {"包装班", 10, kProduction},
    {"上海办事处", 13, kSales},
    {"杭州办事处", 13, kSales},
};
constexpr int DepartmentTotal = int(std::size(Departments));

struct KindSeed {
    const char* work;
    const char* titles[3]; // junior to senior
    const char* majors[3];
    const char* course;
};

const KindSeed Kinds[] = {
    {"管理", {"助理经济师", "经济师", "高级经济师"}, {"工商管理", "经济学", "法学"}, "领导力提升研修班"},
    {"研发",
     {"助理工程师", "工程师", "高级工程师"},
     {"计算机科学与技术", "软件工程", "电子信息工程"},
     "软件项目管理"},
    {"生产",
     {"技术员", "助理工程师", "工程师"},
     {"机械设计制造及其自动化", "材料成型及控制工程", "工业工程"},
     "精益生产实务"},
    {"销售",
     {"助理经济师", "经济师", "高级经济师"},
     {"市场营销", "国际经济与贸易", "工商管理"},
     "大客户销售技巧"},
    {"财务", {"助理会计师", "会计师", "高级会计师"}, {"会计学", "财务管理", "审计学"}, "新会计准则解读"},
    {"人事",
     {"助理经济师", "经济师", "高级经济师"},
     {"人力资源管理", "心理学", "劳动与社会保障"},
     "劳动法律实务"},
    {"行政", {"办事员", "助理经济师", "经济师"}, {"行政管理", "汉语言文学", "秘书学"}, "公文写作"},
};

struct City {
    const char* place;    // 省市 as the records write it
    const char* city;     // for addresses
    const char* areaCode; // first six digits of an identity card number
    const char* postcode;
    const char* districts[3];
};

const City Cities[] = {
    {"湖北武汉", "武汉市", "420106", "430071", {"武昌区", "洪山区", "江汉区"}},
    {"湖南长沙", "长沙市", "430102", "410005", {"芙蓉区", "岳麓区", "天心区"}},
    {"广东广州", "广州市", "440106", "510630", {"天河区", "越秀区", "海珠区"}},
    {"浙江杭州", "杭州市", "330106", "310012", {"西湖区", "拱墅区", "上城区"}},
    {"江苏南京", "南京市", "320106", "210024", {"鼓楼区", "玄武区", "秦淮区"}},
    {"四川成都", "成都市", "510107", "610041", {"武侯区", "锦江区", "青羊区"}},
    {"山东济南", "济南市", "370102", "250011", {"历下区", "市中区", "槐荫区"}},
    {"河南郑州", "郑州市", "410105", "450008", {"金水区", "中原区", "二七区"}},
    {"北京", "北京市", "110105", "100020", {"朝阳区", "海淀区", "东城区"}},
    {"上海", "上海市", "310104", "200030", {"徐汇区", "浦东新区", "静安区"}},
};

const char* const Surnames[] = {
    "王", "李", "张", "刘", "陈", "杨", "黄", "赵", "吴", "周", "徐", "孙", "马", "朱", "胡",   "郭",  "何",
    "高", "林", "罗", "郑", "梁", "谢", "宋", "唐", "许", "韩", "冯", "邓", "曹", "彭", "曾",   "肖",  "田",
    "董", "袁", "潘", "蒋", "蔡", "余", "杜", "叶", "程", "苏", "魏", "吕", "丁", "沈", "欧阳", "司马"};
const char* const MaleNameChars[] = {"伟", "强", "磊", "军", "洋", "勇", "杰", "涛", "明", "超", "刚", "平",
                                     "辉", "鹏", "华", "飞", "鑫", "波", "斌", "宇", "浩", "凯", "健", "俊",
                                     "帆", "旭", "宁", "龙", "林", "阳", "建", "国", "志", "文", "海", "峰"};
const char* const FemaleNameChars[] = {"芳", "娜", "敏", "静", "丽", "艳", "娟", "霞", "秀", "玲", "英",
                                       "婷", "雪", "慧", "莹", "晶", "倩", "琳", "燕", "萍", "红", "梅",
                                       "兰", "颖", "洁", "琴", "云", "莉", "欣", "悦", "佳", "怡"};
// Listed with repeats where a choice is more common than another.
const char* const Educations[] = {"小学", "初中", "初中", "高中", "高中", "职高", "中专", "中专", "大专",
                                  "大专", "大专", "本科", "本科", "本科", "本科", "硕士", "硕士", "博士"};
const char* const Nations[] = {"汉族", "汉族", "汉族", "汉族", "汉族", "汉族",   "汉族",
                               "汉族", "汉族", "回族", "满族", "壮族", "土家族", "苗族"};
const char* const Healths[] = {"良好", "良好", "良好", "健康", "健康", "一般"};
const char* const Remarks[] = {
    "无",           "无",           "无",         "工作认真负责", "业务骨干",
    "年度优秀员工", "试用期已转正", "曾外派学习", "兼任工会委员", "服从安排，团结同事"};
const char* const Roads[] = {"中山路", "解放路", "人民路", "建设路",
                             "和平路", "新华路", "光明街", "友谊大道"};
const char* const Companies[] = {"华中数控股份有限公司", "长江电子科技有限公司", "南方机械制造厂",
                                 "东方国际贸易有限公司", "恒通物流有限公司",     "天成建筑工程有限公司",
                                 "光明食品有限公司",     "新世纪百货商场"};
// A department of a former employer and what one did there.
const char* const FormerJobs[][2] = {
    {"技术部", "负责设备调试与技术支持"}, {"生产部", "负责生产线操作"}, {"销售部", "负责客户联系与销售"},
    {"财务部", "负责出纳与记账"},         {"办公室", "负责文秘与接待"}, {"质检科", "负责产品质量检验"}};
const char* const Rewards[] = {"年度优秀员工", "技术革新", "超额完成销售任务", "合理化建议被采纳",
                               "安全生产先进个人"};
const char* const RewardResults[] = {"奖金2000元", "通报表扬", "晋升一级工资", "奖金500元"};
const char* const Punishments[] = {"无故迟到早退", "违反安全操作规程", "工作失误造成损失"};
const char* const PunishmentResults[] = {"通报批评", "警告", "扣发当月奖金"};
const char* const TrainingBodies[] = {"人力资源部", "市职业技能培训中心", "省人才交流中心", "外部培训机构"};
const char* const Certificates[] = {"结业证书", "合格证书", "岗位资格证书", "无"};

struct TodoSeed {
    const char* title;
    int month, day;
    const char* description;
};
const TodoSeed Todos[] = {
    {"季度绩效考核", 7, 5, "汇总各部门二季度考核表，报总经理办公室审批"},
    {"劳动合同续签", 7, 10, "本月到期的劳动合同逐一约谈，确定续签意向"},
    {"新员工入职培训", 7, 15, "安排七月新入职人员的公司制度与安全培训"},
    {"年度体检", 8, 1, "联系体检中心，按部门分批安排体检时间"},
    {"社保基数调整", 7, 20, "按新公布的平均工资调整社保缴费基数"},
    {"部门经理例会", 7, 3, "准备人事月报，会上通报人员变动情况"},
    {"招聘计划审批", 7, 12, "研发中心申请增加三名软件工程师"},
    {"档案整理", 8, 20, "补齐离职人员档案材料并归档"},
};

// The last character of an identity card number: the ISO 7064 MOD 11-2 check over the first 17.
QChar CheckDigit(const QString& first17)
{
    static const int weights[17] = {7, 9, 10, 5, 8, 4, 2, 1, 6, 3, 7, 9, 10, 5, 8, 4, 2};
    int sum = 0;
    for (int i = 0; i < 17; ++i)
        sum += first17[i].digitValue() * weights[i];
    return QStringLiteral("10X98765432")[sum % 11];
}

QString Date(const QDate& date)
{
    return date.toString(QStringLiteral("yyyy-MM-dd"));
}

} // namespace

// Inserts rows into one table through one prepared statement; columns not named stay null.
class DemoCompany::RowInserter
{
  public:
    RowInserter(TConnection& connection, const QString& table)
    {
        FQuery.Connection = &connection;
        FQuery.SetSQL(PersonnelSchema::InsertStatement(PersonnelSchema::Table(table)));
    }
    void Add(std::initializer_list<std::pair<const char*, QVariant>> values)
    {
        for (int i = 0; i < FQuery.ParamCount(); ++i)
            FQuery.Params(i)->Value = QVariant();
        for (const auto& [column, value] : values)
            FQuery.ParamByName(QString::fromUtf8(column))->Value = value;
        FQuery.ExecSQL();
    }

  private:
    TQuery FQuery;
};

struct DemoCompany::Inserters {
    RowInserter people, work, family, merits, training;
};

struct DemoCompany::Person {
    int id;
    QString key; // the decimal text of id, as the dependent tables hold it
    QString surname;
    QString name;
    bool male;
    QDate birthday;
    QDate joined;
    int age;
    const DepartmentSeed* department;
    const KindSeed* kind;
};

DemoCompany::DemoCompany(quint32 seed) : FRandom(seed) {}

int DemoCompany::DepartmentCount()
{
    return DepartmentTotal;
}

int DemoCompany::Between(int low, int high)
{
    return low + int(FRandom() % quint32(high - low + 1));
}

bool DemoCompany::Chance(int percent)
{
    return Between(1, 100) <= percent;
}

template <std::size_t N> QString DemoCompany::Pick(const char* const (&choices)[N])
{
    return QString::fromUtf8(choices[Between(0, int(N) - 1)]);
}

QDate DemoCompany::DateBetween(const QDate& first, const QDate& last)
{
    return first.addDays(Between(0, std::max(0, int(first.daysTo(last)))));
}

QString DemoCompany::GivenName(bool male)
{
    QString name = male ? Pick(MaleNameChars) : Pick(FemaleNameChars);
    if (Chance(70))
        name += male ? Pick(MaleNameChars) : Pick(FemaleNameChars);
    return name;
}

QString DemoCompany::Phone()
{
    static const char* const prefixes[] = {"13", "15", "18", "17"};
    return Pick(prefixes) + QString::number(Between(100000000, 999999999));
}

DemoCompany::Person DemoCompany::MakePerson(int id)
{
    Person p;
    p.id = id;
    p.key = QString::number(id);
    p.male = Chance(55);
    p.surname = Pick(Surnames);
    p.name = p.surname + GivenName(p.male);
    p.birthday = DateBetween(QDate(1966, 1, 1), QDate(2002, 6, 30));
    p.joined = DateBetween(std::max(p.birthday.addYears(20), QDate(1995, 1, 1)), Today.addMonths(-1));
    p.age = int(p.birthday.daysTo(Today) / 365);
    p.department = &Departments[Between(0, DepartmentTotal - 1)];
    p.kind = &Kinds[p.department->kind];
    return p;
}

int DemoCompany::Seniority(const Person& p)
{
    // 0, 1 or 2: mostly rising with the years since school, sometimes a step behind.
    return std::clamp((p.age - 22) / 12 - (Chance(30) ? 1 : 0), 0, 2);
}

void DemoCompany::Fill(TConnection& connection, int people)
{
    RowInserter departments(connection, QStringLiteral("部门管理"));
    for (const DepartmentSeed& d : Departments)
        departments.Add({{"部门名", QString::fromUtf8(d.name)}, {"上级部门", d.parent + 1}});

    Inserters tables{{connection, QStringLiteral("人员资料")},
                     {connection, QStringLiteral("工作经历")},
                     {connection, QStringLiteral("社会关系")},
                     {connection, QStringLiteral("奖惩记录")},
                     {connection, QStringLiteral("培训记录")}};
    for (int id = 1; id <= people; ++id) {
        const Person p = MakePerson(id);
        AddPerson(tables.people, p);
        AddWorkHistory(tables.work, p);
        AddFamily(tables.family, p);
        AddMerits(tables.merits, p);
        AddTraining(tables.training, p);
    }

    RowInserter todos(connection, QStringLiteral("待办事项"));
    for (const TodoSeed& t : Todos) {
        todos.Add({{"事项目", QString::fromUtf8(t.title)},
                   {"日期", Date(QDate(Today.year(), t.month, t.day))},
                   {"说明", QString::fromUtf8(t.description)}});
    }
}

void DemoCompany::AddPerson(RowInserter& table, const Person& p)
{
    const City& city = Cities[Between(0, int(std::size(Cities)) - 1)];
    // Area, birthday, two digits, a digit that is odd for men, then the check digit.
    const QString idNumber =
        QString::fromUtf8(city.areaCode) + p.birthday.toString(QStringLiteral("yyyyMMdd")) +
        QString::number(Between(10, 99)) + QString::number(Between(0, 4) * 2 + (p.male ? 1 : 0));
    const int term = Between(0, 2) * 2 + 1; // 1, 3 or 5 years, renewed until today
    QDate contractStart = p.joined;
    while (contractStart.addYears(term) < Today)
        contractStart = contractStart.addYears(term);
    const char* const politics[] = {"群众", "群众", "群众", "共青团员", "中共党员", "中共党员"};
    QString political = Pick(politics);
    if (p.age >= 28 && political == u"共青团员")
        political = QStringLiteral("群众");
    const char* const grades[] = {"初级", "中级", "高级"};
    table.Add({
        {"工号", QStringLiteral("E%1").arg(p.id, 6, 10, QLatin1Char('0'))},
        {"姓名", p.name},
        {"性别", p.male ? QStringLiteral("男") : QStringLiteral("女")},
        {"生日", Date(p.birthday)},
        {"部门", int(p.department - Departments) + 1},
        {"工种", QString::fromUtf8(p.kind->work)},
        {"职称", QString::fromUtf8(p.kind->titles[Seniority(p)])},
        {"省市", QString::fromUtf8(city.place)},
        {"民族", Pick(Nations)},
        {"学历", Pick(Educations)},
        {"专业", QString::fromUtf8(p.kind->majors[Between(0, 2)])},
        {"身份证号", idNumber + CheckDigit(idNumber)},
        {"备注", Pick(Remarks)},
        {"政治面貌", political},
        {"技术等级", QString::fromUtf8(grades[Seniority(p)])},
        {"婚姻状况", Chance(p.age < 26   ? 20
                            : p.age < 31 ? 55
                                         : 90)
                         ? QStringLiteral("已婚")
                         : QStringLiteral("未婚")},
        {"入司时间", Date(p.joined)},
        {"健康状况", Pick(Healths)},
        {"合同期限", QStringLiteral("%1年").arg(term)},
        {"合同开始", Date(contractStart)},
        {"合同结束", Date(contractStart.addYears(term).addDays(-1))},
        {"家庭地址", QStringLiteral("%1%2%3%4号")
                         .arg(QString::fromUtf8(city.city), QString::fromUtf8(city.districts[Between(0, 2)]),
                              Pick(Roads), QString::number(Between(1, 300)))},
        {"邮编", QString::fromUtf8(city.postcode)},
    });
}

void DemoCompany::AddWorkHistory(RowInserter& table, const Person& p)
{
    // Former employers between leaving school and joining.
    QDate from = p.birthday.addYears(Between(20, 23));
    for (int n = Between(0, 2); n > 0 && from.addYears(2) < p.joined; --n) {
        const QDate to = DateBetween(from.addYears(1), std::min(from.addYears(6), p.joined.addDays(-30)));
        const auto& job = FormerJobs[Between(0, int(std::size(FormerJobs)) - 1)];
        table.Add({{"人员id", p.key},
                   {"开始时间", Date(from)},
                   {"结束时间", Date(to)},
                   {"公司", Pick(Companies)},
                   {"部门", QString::fromUtf8(job[0])},
                   {"职责", QString::fromUtf8(job[1])}});
        from = to.addDays(Between(10, 90));
    }
}

void DemoCompany::AddFamily(RowInserter& table, const Person& p)
{
    // The relation words let a man list parents and siblings, a woman her sisters and younger
    // brothers.
    const char* const hisRelations[] = {"父子", "母子", "兄弟", "兄妹"};
    const char* const herRelations[] = {"姊妹", "姊弟"};
    const char* const notes[] = {"无", "无", "同住", "在外地工作"};
    for (int n = Between(1, 3); n > 0; --n) {
        const QString relation = p.male ? Pick(hisRelations) : Pick(herRelations);
        const bool maleRelative = relation == u"父子" || relation == u"兄弟" || relation == u"姊弟";
        const bool parent = relation == u"父子" || relation == u"母子";
        table.Add({{"人员id", p.key},
                   {"姓名", (relation == u"母子" ? Pick(Surnames) : p.surname) + GivenName(maleRelative)},
                   {"关系", relation},
                   {"联系电话", Phone()},
                   {"单位", parent && Chance(60) ? QStringLiteral("退休") : Pick(Companies)},
                   {"备注", Pick(notes)}});
    }
}

void DemoCompany::AddMerits(RowInserter& table, const Person& p)
{
    for (int n = Chance(35) ? Between(1, 2) : 0; n > 0; --n) {
        const bool reward = Chance(85);
        table.Add(
            {{"人员id", p.key},
             {"类别", reward ? QStringLiteral("奖励") : QStringLiteral("惩罚")},
             {"事件", reward ? Pick(Rewards) : Pick(Punishments)},
             {"处理单位", Chance(50) ? QStringLiteral("公司办公会") : QString::fromUtf8(p.department->name)},
             {"处理日期", Date(DateBetween(p.joined, Today))},
             {"结果", reward ? Pick(RewardResults) : Pick(PunishmentResults)}});
    }
}

void DemoCompany::AddTraining(RowInserter& table, const Person& p)
{
    // Everyone had the induction course when joining; some had more since.
    table.Add({{"人员id", p.key},
               {"课程名称", QStringLiteral("新员工入职培训")},
               {"开始时间", Date(p.joined)},
               {"结束时间", Date(p.joined.addDays(2))},
               {"培训单位", QStringLiteral("人力资源部")},
               {"所得证书", QStringLiteral("结业证书")}});
    for (int n = Between(0, 2); n > 0; --n) {
        const QDate start = DateBetween(p.joined.addMonths(3), Today);
        table.Add({{"人员id", p.key},
                   {"课程名称", n == 1 ? QString::fromUtf8(p.kind->course) : QStringLiteral("安全生产培训")},
                   {"开始时间", Date(start)},
                   {"结束时间", Date(start.addDays(Between(1, 20)))},
                   {"培训单位", Pick(TrainingBodies)},
                   {"所得证书", Pick(Certificates)}});
    }
}
