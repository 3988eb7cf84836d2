// The program fixture: start, stop, database access and driving the real widgets.
#include "ProgramFixture.h"

#include "DataAccess.h"
#include "StartUp.h"
#include "TApplication.h"
#include "TForm.h"
#include "Unit1.h"
#include "bsDBGridParts.h"
#include "bsDBGrids.h"
#include "bsSkinBoxCtrls.h"
#include "bsSkinCtrls.h"

#include <QApplication>
#include <QTest>

void ProgramTest::SetUp()
{
    FAdmin = PersonnelSchema::CreateDatabase(QStringLiteral("db.mdb"));
}

void ProgramTest::TearDown()
{
    Stop();
}

void ProgramTest::Start()
{
    StartUp();
    FStarted = true;
}

void ProgramTest::Stop()
{
    if (!FStarted)
        return;
    ShutDown();
    FStarted = false;
}

void ProgramTest::Restart()
{
    Stop();
    Start();
}

void ProgramTest::Exec(const QString& sql, const QVariantList& values)
{
    TConnection connection;
    connection.ConnectionString = QStringLiteral("Data Source=db.mdb");
    connection.Execute(sql, values);
}

QVariantList ProgramTest::Column(const QString& table, const QString& column)
{
    TConnection connection;
    connection.ConnectionString = QStringLiteral("Data Source=db.mdb");
    TQuery query;
    query.Connection = &connection;
    query.SetSQL(QStringLiteral("select * from ") + table);
    query.Open();
    QVariantList values;
    for (query.First(); !query.Eof(); query.Next())
        values.append(query.FieldByName(column)->Value());
    return values;
}

int ProgramTest::RowCount(const QString& table)
{
    return int(Column(table, QStringLiteral("ID")).size());
}

void ProgramTest::Activate(TForm* form)
{
    form->Show();
    QApplication::setActiveWindow(form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
}

void ProgramTest::Click(QWidget* widget)
{
    QTest::mouseClick(widget, Qt::LeftButton);
}

void ProgramTest::TypeText(QWidget* widget, const QString& text)
{
    for (QChar c : text) {
        const bool latin = c.unicode() < 0x80 && c.isLetterOrNumber();
        const Qt::Key key = latin ? Qt::Key(c.toUpper().unicode()) : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, widget, key, QString(c), Qt::NoModifier);
    }
}

void ProgramTest::TypeInto(QWidget* edit, const QString& text)
{
    Click(edit);
    edit->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(edit, Qt::Key_End);
    TypeText(edit, text);
}

void ProgramTest::ReplaceText(QWidget* edit, const QString& text)
{
    Click(edit);
    edit->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    TypeText(edit, text);
}

void ProgramTest::LogIn(const QString& account, const QString& password)
{
    Activate(Form1);
    const int index = int(Form1->cmbUserName->Items().indexOf(account));
    ASSERT_GE(index, 0) << account.toStdString();
    Form1->cmbUserName->SetItemIndex(index);
    Form1->edtpassword->SetText(QString());
    TypeInto(Form1->edtpassword, password);
    Click(Form1->btnOK);
}

void ProgramTest::ClickCell(TbsSkinDBGrid* grid, int row, int column)
{
    const QRect cell = grid->DataCellRect(row, column);
    ASSERT_TRUE(cell.isValid());
    QTest::mouseClick(grid, Qt::LeftButton, Qt::NoModifier, cell.center());
}

void ProgramTest::KeyOnGrid(TbsSkinDBGrid* grid, int key, Qt::KeyboardModifiers modifiers)
{
    QWidget* target = grid->EditorMode() ? static_cast<QWidget*>(grid->InplaceEditor())
                                         : static_cast<QWidget*>(grid);
    QTest::keyClick(target, Qt::Key(key), modifiers);
}
