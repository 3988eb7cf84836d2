// Start-up order and shut-down of the program's long-lived objects.
#include "StartUp.h"

#include "FontSubstitution.h"
#include "QueryActions.h"
#include "TApplication.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"
#include "Unit6.h"
#include "Unit7.h"
#include "Unit8.h"

void StartUp()
{
    InstallFontSubstitutes();
    new TApplication;
    Application->SetTitle(QStringLiteral("人事管理系统"));
    new Tdb;
    // Later windows link to the skin repository on the login window, and the archive window loads
    // the picker's tree: hence this order.
    new TForm1;
    new TForm3;
    new TForm6;
    new TForm4;
    new TForm5;
    new TForm7;
    new TForm8;
    Form1->Show();
}

namespace {
template <class T> void Destroy(T*& global)
{
    delete global;
    global = nullptr;
}
} // namespace

void ShutDown()
{
    // Nothing typed is lost at the end: a change not yet posted is written now.
    if (Form4)
        Form4->PostPendingChange();
    if (Form7)
        CallHandler([] { Form7->PostPendingChange(); });
    if (Form8)
        CallHandler([] { Form8->PostPendingChange(); });
    Destroy(Form8);
    Destroy(Form7);
    Destroy(Form5);
    Destroy(Form4);
    Destroy(Form6);
    Destroy(Form3);
    Destroy(Form1);
    Destroy(db);
    Destroy(Application);
}
