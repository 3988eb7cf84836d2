// A fixture that runs the real program on a fresh database in a temporary working directory.
#pragma once

#include "DialogRecorder.h"
#include "PersonnelSchema.h"
#include "TempWorkDir.h"

#include <QStringList>
#include <QVariant>
#include <gtest/gtest.h>

class QWidget;
class TForm;
class TbsSkinDBGrid;

// Every test starts with db.mdb made by the schema code (one account, admin with a random
// password) and a dialog recorder; the program itself is started by Start() and shut down at the
// end of the test.
class ProgramTest : public ::testing::Test {
public:
    void SetUp() override;
    void TearDown() override;

    void Start();
    void Restart();
    void Stop();

    // Runs a statement on a connection of its own; values bind to its parameters in order.
    void Exec(const QString& sql, const QVariantList& values = {});
    // The values of a column of a table, in key order (null values as null QVariants).
    QVariantList Column(const QString& table, const QString& column);
    int RowCount(const QString& table);

    // Brings a window to the front and makes it the active one, so that focus changes happen.
    void Activate(TForm* form);
    void Click(QWidget* widget);
    // Types text into the widget with the focus, one key per character (any script).
    void TypeText(QWidget* widget, const QString& text);
    // Gives the edit the focus by a click and types text at the end of its text.
    void TypeInto(QWidget* edit, const QString& text);
    // The same, replacing the whole text (Ctrl+A first).
    void ReplaceText(QWidget* edit, const QString& text);
    // Picks the account in the login list and types the password, then presses "确定".
    void LogIn(const QString& account, const QString& password);
    // Clicks the cell of the grid in the given data row and column.
    void ClickCell(TbsSkinDBGrid* grid, int row, int column);
    void KeyOnGrid(TbsSkinDBGrid* grid, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

    TempWorkDir FDir;
    TDialogRecorder FDialogs;
    OperatorAccount FAdmin;
    bool FStarted = false;
};
