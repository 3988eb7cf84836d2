// The data grid's chosen columns: which fields, titles, widths and title alignment, and the field
// of the current column.
#include "../platform/DataSetFixture.h"
#include "bsDBGrids.h"

namespace {

class DBGridColumnsTest : public DataSetTest {
protected:
    DBGridColumnsTest()
    {
        source.SetDataSet(&q);
        grid.SetDataSource(&source);
        grid.resize(400, 200);
    }

    QString Cell(int row, int column) const { return grid.CellText(row, column); }
    QString Title(int column) const { return grid.ColumnTitle(column); }
    int Width(int column) const { return grid.ColWidths(column + grid.IndicatorOffset()); }

    TDataSource source;
    TbsSkinDBGrid grid;
};

} // namespace

TEST_F(DBGridColumnsTest, WithoutColumnsEveryFieldIsShownUnderItsName)
{
    OpenPeople();
    ASSERT_EQ(grid.ColumnCount(), 4);
    EXPECT_EQ(Title(1), QStringLiteral("姓名"));
    EXPECT_EQ(Cell(2, 1), QStringLiteral("王五"));
}

TEST_F(DBGridColumnsTest, ChosenColumnsShowTheirFieldsInTheirOrderWithTitlesAndWidths)
{
    grid.SetColumns({{QStringLiteral("姓名"), QStringLiteral("姓 名"), 80, Qt::AlignHCenter},
                     {QStringLiteral("ID")},
                     {QStringLiteral("没有的列"), QString(), 30}});
    OpenPeople();
    ASSERT_EQ(grid.ColumnCount(), 3);
    EXPECT_EQ(Title(0), QStringLiteral("姓 名"));
    EXPECT_EQ(Title(1), QStringLiteral("ID"));
    EXPECT_EQ(Cell(1, 0), QStringLiteral("李四"));
    EXPECT_EQ(Cell(1, 1), QStringLiteral("2"));
    EXPECT_EQ(Cell(1, 2), QString());
    EXPECT_EQ(Width(0), 80);
    EXPECT_EQ(Width(2), 30);
    EXPECT_GT(Width(1), 0);
    EXPECT_EQ(grid.Column(0).TitleAlignment, Qt::AlignHCenter);

    grid.SetSelectedIndex(1);
    ASSERT_NE(grid.SelectedField(), nullptr);
    EXPECT_EQ(grid.SelectedField()->FieldName(), QStringLiteral("ID"));
    grid.SetSelectedIndex(2);
    EXPECT_EQ(grid.SelectedField(), nullptr);
}
