// Reading placeholders and the updatable table out of statement text.
#include "SqlStatement.h"

#include <gtest/gtest.h>

TEST(SqlStatement, PlaceholdersBecomePositionalOutsideQuotesAndComments)
{
    struct Case {
        const char* name;
        QString text;
        QString engineText;
        QStringList placeholders;
    };
    const std::vector<Case> cases = {
        {"none", "select * from t", "select * from t", {}},
        {"one", "select * from t where a=:a", "select * from t where a=?", {"a"}},
        {"CJK name", "where 账号=:账号 and 密码=:密码", "where 账号=? and 密码=?", {"账号", "密码"}},
        {"twice", "where a=:x or b=:x", "where a=? or b=?", {"x", "x"}},
        {"in literal", "where a=':x' and b=:y", "where a=':x' and b=?", {"y"}},
        {"doubled quote", "where a='it''s :x' and b=:y", "where a='it''s :x' and b=?", {"y"}},
        {"quoted name", "select \"a:b\", [c:d] from t", "select \"a:b\", [c:d] from t", {}},
        {"comments", "select 1 -- :x\n/* :y */ + :z", "select 1 -- :x\n/* :y */ + ?", {"z"}},
        {"double colon", "select a::int", "select a::int", {}},
        {"lone colon", "select ': ' || :", "select ': ' || :", {}},
        {"unterminated literal", "where a=':x", "where a=':x", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const SqlStatement statement(c.text);
        EXPECT_EQ(statement.EngineText(), c.engineText);
        EXPECT_EQ(statement.Placeholders(), c.placeholders);
    }
    EXPECT_EQ(SqlStatement("where a=:X or b=:x or c=:y").ParameterNames(), (QStringList{"X", "y"}));
}

TEST(SqlStatement, OnlyPlainSelectStarFromOneTableIsUpdatable)
{
    struct Case {
        const char* text;
        QString table;
    };
    const std::vector<Case> cases = {
        {"select * from 人员资料", "人员资料"},
        {"SELECT * FROM 人员资料 WHERE 部门=3", "人员资料"},
        {"select * from 工作经历 where 人员id='12'", "工作经历"},
        {"  select  *  from 管理员 ;", "管理员"},
        {"select * from 待办事项 order by 日期", "待办事项"},
        {"select * from \"部门管理\" where 上级部门=0", "部门管理"},
        {"select * from [部门管理]", "部门管理"},
        {"select * from\n人员资料\nwhere\n部门=1", "人员资料"},
        {"select 姓名 from 人员资料", ""},
        {"select * from a, b", ""},
        {"select * from a join b on a.x=b.x", ""},
        {"select * from a inner join b", ""},
        {"insert into a(x) values(1)", ""},
        {"select count(*) from a", ""},
        {"select * from (select * from a)", ""},
        {"select * from `人员资料` ORDER  BY 编号", "人员资料"},
        {"select * from a;", "a"},
        {"select * from a wherever", ""},
        {"select * from a orderby x", ""},
        {"select * from a ; drop table a", ""},
        {"select*from a", ""},
        {"select * from \"\"", ""},
        {"select * from [a", ""},
        {"select * from", ""},
        {"", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(SqlStatement(QString::fromUtf8(c.text)).UpdatableTable(), c.table);
    }
}
