// Nothing typed is ever lost: every editor of the basic record and of the four record pages,
// typed into by keys, the input method or the clipboard (chosen from the list, by the keyboard or
// by a search in the choice lists), and left by Tab, Shift+Tab, a click on another editor or
// another page, ends up in its own column of the file.
#include "ArchiveFixture.h"

#include "Unit4.h"
#include "bsSkinBoxCtrls.h"
#include "bsSkinCtrls.h"
#include "bsSkinTabs.h"
#include "bsdbctrls.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QTest>

namespace {

struct Editor {
    TbsSkinTabSheet* TForm4::*Page;
    QWidget* Widget;
    const char* Table;
    const char* Column;
};

enum TTyping { tyKeys, tyInputMethod, tyPaste };
enum TLeaving { lvTab, lvBackTab, lvClickOther, lvOtherPage };
const char* const LeavingNames[] = {"Tab", "Shift+Tab", "a click on another editor", "another page"};

QList<Editor> Editors(TForm4* f)
{
    QList<Editor> list;
    auto add = [&](TbsSkinTabSheet* TForm4::*page, QWidget* widget, const char* table, const char* column) {
        list.append({page, widget, table, column});
    };
    const char* basic = "人员资料";
    add(&TForm4::tsinfo, f->bsSkinDBEdit1, basic, "工号");
    add(&TForm4::tsinfo, f->bsSkinDBEdit2, basic, "姓名");
    add(&TForm4::tsinfo, f->dcbosex, basic, "性别");
    add(&TForm4::tsinfo, f->bsSkinDBEdit3, basic, "生日");
    add(&TForm4::tsinfo, f->dcbomarried, basic, "婚姻状况");
    add(&TForm4::tsinfo, f->bsSkinDBEdit4, basic, "工种");
    add(&TForm4::tsinfo, f->bsSkinDBEdit5, basic, "职称");
    add(&TForm4::tsinfo, f->dedtlevel, basic, "学历");
    add(&TForm4::tsinfo, f->bsSkinDBEdit6, basic, "省市");
    add(&TForm4::tsinfo, f->bsSkinDBEdit7, basic, "民族");
    add(&TForm4::tsinfo, f->bsSkinDBEdit8, basic, "专业");
    add(&TForm4::tsinfo, f->bsSkinDBEdit9, basic, "邮编");
    add(&TForm4::tsinfo, f->bsSkinDBEdit10, basic, "合同期限");
    add(&TForm4::tsinfo, f->bsSkinDBEdit11, basic, "合同开始");
    add(&TForm4::tsinfo, f->bsSkinDBEdit12, basic, "合同结束");
    add(&TForm4::tsinfo, f->bsSkinDBEdit13, basic, "入司时间");
    add(&TForm4::tsinfo, f->bsSkinDBEdit14, basic, "政治面貌");
    add(&TForm4::tsinfo, f->bsSkinDBEdit15, basic, "技术等级");
    add(&TForm4::tsinfo, f->bsSkinDBEdit16, basic, "健康状况");
    add(&TForm4::tsinfo, f->bsSkinDBEdit17, basic, "身份证号");
    add(&TForm4::tsinfo, f->bsSkinDBEdit18, basic, "家庭地址");
    add(&TForm4::tsinfo, f->bsSkinDBEdit19, basic, "备注");
    add(&TForm4::tsexper, f->bsSkinDBEdit22, "工作经历", "开始时间");
    add(&TForm4::tsexper, f->dedtedate, "工作经历", "结束时间");
    add(&TForm4::tsexper, f->dedtcom, "工作经历", "公司");
    add(&TForm4::tsexper, f->dedtdep, "工作经历", "部门");
    add(&TForm4::tsexper, f->dedtdutyd, "工作经历", "职责");
    add(&TForm4::tsfami, f->dbename, "社会关系", "姓名");
    add(&TForm4::tsfami, f->dbcfami, "社会关系", "关系");
    add(&TForm4::tsfami, f->dbetel, "社会关系", "联系电话");
    add(&TForm4::tsfami, f->dbecom, "社会关系", "单位");
    add(&TForm4::tsfami, f->dbedes, "社会关系", "备注");
    add(&TForm4::tsap, f->bsSkinDBEdit23, "奖惩记录", "类别");
    add(&TForm4::tsap, f->dbetopic, "奖惩记录", "事件");
    add(&TForm4::tsap, f->dbeddep, "奖惩记录", "处理单位");
    add(&TForm4::tsap, f->dbedate, "奖惩记录", "处理日期");
    add(&TForm4::tsap, f->bsSkinDBEdit21, "奖惩记录", "结果");
    add(&TForm4::tstrain, f->dbecourse, "培训记录", "课程名称");
    add(&TForm4::tstrain, f->dbestdate, "培训记录", "开始时间");
    add(&TForm4::tstrain, f->dbeenddate, "培训记录", "结束时间");
    add(&TForm4::tstrain, f->dbetrcom, "培训记录", "培训单位");
    add(&TForm4::tstrain, f->dbecerti, "培训记录", "所得证书");
    return list;
}

} // namespace

class TypedIsKeptTest : public ArchiveTest {
public:
    // Replaces the editor's text with text, typed the given way.
    void Type(QWidget* editor, const QString& text, TTyping typing)
    {
        Click(editor);
        editor->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        switch (typing) {
        case tyKeys:
            TypeText(editor, text);
            break;
        case tyInputMethod: {
            QInputMethodEvent compose(QString(), {});
            compose.setCommitString(text);
            QApplication::sendEvent(editor, &compose);
            break;
        }
        case tyPaste:
            QApplication::clipboard()->setText(text);
            QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
            break;
        }
    }
    // Chooses an entry other than the one shown; answers it.
    QString Choose(TbsSkinDBComboBox* combo, TTyping typing)
    {
        combo->setFocus(Qt::TabFocusReason);
        const int next = (combo->ItemIndex() + 1) % int(combo->Items().size());
        const QString entry = combo->Items().at(next);
        switch (typing) {
        case tyKeys: // from the list, with the pointer
            Click(combo);
            if (combo->IsPopupVisible()) {
                TbsListBox* list = combo->ListBox()->NativeList();
                const QRect row = list->visualRect(list->model()->index(next, 0));
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
            }
            break;
        case tyInputMethod: { // a search with the entry's first character
            QInputMethodEvent compose(QString(), {});
            compose.setCommitString(entry.left(1));
            QApplication::sendEvent(combo, &compose);
            break;
        }
        case tyPaste: // the keyboard
            QTest::keyClick(combo, Qt::Key_Down, Qt::AltModifier);
            // Every list here is shorter than a page: Page Up reaches the first entry.
            QTest::keyClick(combo, next == 0 ? Qt::Key_PageUp : Qt::Key_Down);
            QTest::keyClick(combo, Qt::Key_Return);
            break;
        }
        return entry;
    }
    void Leave(QWidget* editor, TLeaving leaving, const QList<Editor>& all)
    {
        switch (leaving) {
        case lvTab:
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            break;
        case lvBackTab:
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
            break;
        case lvClickOther:
            for (const Editor& e : all)
                if (e.Widget != editor && e.Widget->isVisible() && qobject_cast<TbsSkinDBEdit*>(e.Widget)) {
                    Click(e.Widget);
                    break;
                }
            break;
        case lvOtherPage:
            Form4->pcsta->SetActivePage(Form4->pcsta->ActivePage() == Form4->tsinfo ? Form4->tsexper
                                                                                    : Form4->tsinfo);
            break;
        }
    }
};

TEST_F(TypedIsKeptTest, WhatIsTypedIntoAnyEditorIsInItsColumnOnceTheEditorIsLeft)
{
    OpenArchive();
    ClickPerson(QStringLiteral("张三"));
    const QList<Editor> editors = Editors(Form4);
    int n = 0;
    for (const Editor& e : editors) {
        const auto typing = TTyping(n % 3);
        const auto leaving = TLeaving(n % 4);
        ++n;
        SCOPED_TRACE(::testing::Message() << e.Table << "." << e.Column << " typed " << int(typing)
                                          << ", left by " << LeavingNames[leaving]);
        Form4->pcsta->SetActivePage(Form4->*e.Page);
        QString expected;
        if (auto* combo = qobject_cast<TbsSkinDBComboBox*>(e.Widget)) {
            expected = Choose(combo, typing);
            ASSERT_EQ(combo->Text(), expected);
        } else {
            expected = QStringLiteral("值%1记").arg(n);
            Type(e.Widget, expected, typing);
        }
        Leave(e.Widget, leaving, editors);
        // 张三 is the first person and owns the first record of each kind.
        EXPECT_EQ(Column(QString::fromUtf8(e.Table), QString::fromUtf8(e.Column)).value(0).toString(),
                  expected);
    }
    EXPECT_TRUE(FDialogs.Shown().empty()) << FDialogs.Texts().join(u'|').toStdString();
}

// Closing the window while an editor still holds the typed text keeps it too.
TEST_F(TypedIsKeptTest, ClosingTheWindowKeepsWhatTheFocusedEditorHolds)
{
    OpenArchive();
    ClickPerson(QStringLiteral("张三"));
    Type(Form4->bsSkinDBEdit4, QStringLiteral("车工"), tyKeys);
    Form4->close();
    QTRY_VERIFY(!Form4->isVisible());
    EXPECT_EQ(Column(QStringLiteral("人员资料"), QStringLiteral("工种")).value(0).toString(),
              QStringLiteral("车工"));
}
