// Menu items: separators and headers, accelerators, and clicks that respect the enabled state.
#include "DialogRecorder.h"
#include "Exception.h"
#include "TMenuItem.h"
#include "TPopupMenu.h"

#include <gtest/gtest.h>

TEST(TMenuItem, CaptionsTellSeparatorsHeadersAndAccelerators)
{
    struct Case {
        QString caption;
        bool enabled;
        bool line;
        bool header;
        QString plain;
        QChar accelerator;
    };
    const std::vector<Case> cases = {
        {QStringLiteral("-"), true, true, false, QStringLiteral("-"), QChar()},
        {QStringLiteral("-Tools-"), false, false, true, QStringLiteral("-Tools-"), QChar()},
        {QStringLiteral("-Tools-"), true, false, false, QStringLiteral("-Tools-"), QChar()},
        {QStringLiteral("&Open"), true, false, false, QStringLiteral("Open"), u'o'},
        {QStringLiteral("Save && E&xit"), true, false, false, QStringLiteral("Save & Exit"), u'x'},
        {QStringLiteral("删除(&D)"), true, false, false, QStringLiteral("删除(D)"), u'd'},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption.toStdString());
        TMenuItem item;
        item.Caption = c.caption;
        item.Enabled = c.enabled;
        EXPECT_EQ(item.IsLine(), c.line);
        EXPECT_EQ(item.IsHeader(), c.header);
        EXPECT_EQ(item.PlainCaption(), c.plain);
        EXPECT_EQ(item.Accelerator(), c.accelerator);
    }
}

TEST(TMenuItem, ClickRunsOnlyEnabledItemsAndShowsTheirFailure)
{
    TDialogRecorder dialogs;
    TPopupMenu menu;
    int clicks = 0;
    TMenuItem* item = menu.Items()->Add("N1", QStringLiteral("刷新"), [&] { ++clicks; });
    TMenuItem* failing = menu.Items()->Add("N2", QStringLiteral("删除"),
                                           [] { throw Exception(QStringLiteral("no database")); });
    EXPECT_EQ(menu.Items()->Count(), 2);
    EXPECT_EQ(item->Parent(), menu.Items());

    item->Click();
    item->Enabled = false;
    item->Click();
    EXPECT_EQ(clicks, 1);

    failing->Click();
    EXPECT_EQ(dialogs.Texts(), QStringList{QStringLiteral("no database")});
}
