// The window base, the application object and the general error display.
#include "DialogRecorder.h"
#include "Exception.h"
#include "TApplication.h"
#include "TForm.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <gtest/gtest.h>
#include <stdexcept>

TEST(Form, FrameMarginsMoveTheClientWidgetAndKeepTheClientSize)
{
    TForm form;
    auto* control = new QWidget(form.ClientWidget());
    control->setGeometry(10, 20, 30, 40);
    form.SetClientSize(327, 203);
    EXPECT_EQ(form.size(), QSize(327, 203));
    form.SetFrameMargins(QMargins(4, 22, 5, 6));
    EXPECT_EQ(form.size(), QSize(336, 231));
    EXPECT_EQ(form.ClientWidget()->geometry(), QRect(4, 22, 327, 203));
    EXPECT_EQ(control->geometry(), QRect(10, 20, 30, 40));
    EXPECT_EQ(control->mapTo(&form, QPoint(0, 0)), QPoint(14, 42));
}

// Whatever follows the window when it appears (the shadow pieces around a skinned window, the
// window manager's placement) must see it where it belongs, not at the screen's corner first.
TEST(Form, IsCentredBeforeItFirstAppearsAndKeepsWhereItWasMovedAfterwards)
{
    struct TShowWatch : QObject {
        std::vector<QPoint> Seen;
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (event->type() == QEvent::Show)
                Seen.push_back(static_cast<QWidget*>(watched)->pos());
            return false;
        }
    } watch;
    TForm form;
    form.resize(300, 200);
    form.installEventFilter(&watch);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QPoint centred(screen.x() + (screen.width() - 300) / 2, screen.y() + (screen.height() - 200) / 2);
    form.Show();
    ASSERT_EQ(watch.Seen.size(), 1u);
    EXPECT_EQ(watch.Seen[0], centred);
    EXPECT_EQ(form.pos(), centred);
    form.Hide();
    form.move(10, 20);
    form.Show();
    EXPECT_EQ(form.pos(), QPoint(10, 20));
}

struct CloseCase {
    const char* Name;
    bool MainForm;
    TCloseAction Action;
    bool VisibleAfter;
    bool Terminated;
};

void PrintTo(const CloseCase& c, std::ostream* os)
{
    *os << c.Name;
}

class FormCloseTest : public ::testing::TestWithParam<CloseCase> {};

TEST_P(FormCloseTest, HidesTheWindowOrEndsTheProgram)
{
    const CloseCase& c = GetParam();
    TApplication application;
    TForm mainForm;
    TForm other;
    TForm& closing = c.MainForm ? mainForm : other;
    int closes = 0;
    closing.OnClose = [&](TCloseAction& action) {
        ++closes;
        action = c.Action;
    };
    closing.Show();
    closing.close(); // the frame's close button
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(closing.isVisible(), c.VisibleAfter);
    EXPECT_EQ(application.Terminated(), c.Terminated);
}

INSTANTIATE_TEST_SUITE_P(, FormCloseTest,
                         ::testing::Values(CloseCase{"OtherWindowHides", false, caHide, false, false},
                                           CloseCase{"OtherWindowRefuses", false, caNone, true, false},
                                           CloseCase{"MainWindowEndsTheProgram", true, caHide, true, true},
                                           CloseCase{"MainWindowRefuses", true, caNone, true, false}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(Application, FirstWindowIsTheMainWindowAndWindowsAreListedInCreationOrder)
{
    TApplication application;
    TForm first, second;
    EXPECT_EQ(application.MainForm(), &first);
    EXPECT_EQ(application.Forms(), QList<TForm*>({&first, &second}));
    EXPECT_EQ(Application, &application);
}

TEST(Application, AFailureNoHandlerCaughtEndsOnlyThatActionAndShowsItsText)
{
    TApplication application;
    application.SetTitle(QStringLiteral("人事管理系统"));
    TDialogRecorder dialogs;
    bool after = false;
    CallHandler([] { throw Exception(QStringLiteral("表不存在")); });
    CallHandler([] { throw std::runtime_error("disk full"); });
    CallHandler([&] { after = true; });
    EXPECT_TRUE(after);
    ASSERT_EQ(dialogs.Shown().size(), 2u);
    EXPECT_EQ(dialogs.Texts(), QStringList({"表不存在", "disk full"}));
    for (const TDialogRequest& shown : dialogs.Shown()) {
        EXPECT_EQ(shown.Kind, TDialogKind::ErrorBox);
        EXPECT_EQ(shown.Caption, QStringLiteral("人事管理系统"));
        EXPECT_EQ(shown.DlgType, mtError);
        EXPECT_EQ(shown.Buttons, TMsgDlgButtons({mbOK}));
    }
}

TEST(Dialogs, StandardDialogsAreCaptionedByTheirTypeAndAnsweredByTheRecorder)
{
    TApplication application;
    application.SetTitle(QStringLiteral("人事管理系统"));
    TDialogRecorder dialogs;
    dialogs.AnswerNext(mrCancel);
    EXPECT_EQ(MessageDlg(QStringLiteral("Delete record?"), mtConfirmation, {mbOK, mbCancel}), mrCancel);
    EXPECT_EQ(MessageDlg(QStringLiteral("x"), mtWarning, {mbYes, mbNo}), mrYes);
    ShowMessage(QStringLiteral("添加成功"));
    ASSERT_EQ(dialogs.Shown().size(), 3u);
    EXPECT_EQ(dialogs.Shown()[0].Caption, QStringLiteral("Confirm"));
    EXPECT_EQ(dialogs.Shown()[1].Caption, QStringLiteral("Warning"));
    EXPECT_EQ(dialogs.Shown()[2].Kind, TDialogKind::MessageBox);
    EXPECT_EQ(dialogs.Shown()[2].Caption, QStringLiteral("人事管理系统"));
}

// The platform appends Qt's application display name to every window title once one is set
// (" — 人事管理系统" after each caption); the application's title must never become it.
TEST(Application, TheTitleCaptionsTheMessageBoxesButNoWindowTitle)
{
    TApplication application;
    application.SetTitle(QStringLiteral("人事管理系统"));
    TForm form;
    form.SetCaption(QStringLiteral("档案管理"));
    form.show();
    EXPECT_EQ(application.Title(), QStringLiteral("人事管理系统"));
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
    ASSERT_NE(form.windowHandle(), nullptr);
    EXPECT_EQ(form.windowHandle()->title(), QStringLiteral("档案管理"));
}
