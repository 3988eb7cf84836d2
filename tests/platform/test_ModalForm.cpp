// The modal run of a window the system built: what ends it and what it answers.
#include "TApplication.h"
#include "TModalForm.h"

#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Runs form modally; end is called from the running loop.
TModalResult RunUntil(TModalForm& form, const std::function<void()>& end)
{
    QTimer::singleShot(0, &form, [&] {
        EXPECT_TRUE(form.isVisible());
        EXPECT_TRUE(form.isModal());
        end();
    });
    return form.ShowModal();
}

} // namespace

TEST(ModalForm, AnswersTheResultItWasDoneWithOrCancelWhenClosedOrHidden)
{
    struct Case {
        const char* Name;
        std::function<void(TModalForm&)> End;
        TModalResult Answer;
        TModalResult Kept; // ModalResult afterwards
    };
    const Case cases[] = {
        {"done with Yes", [](TModalForm& f) { f.Done(mrYes); }, mrYes, mrYes},
        {"done with nothing, then No",
         [](TModalForm& f) {
             f.Done(mrNone);
             f.Done(mrNo);
         },
         mrNo, mrNo},
        {"closed by its frame", [](TModalForm& f) { f.close(); }, mrCancel, mrCancel},
        {"hidden", [](TModalForm& f) { f.hide(); }, mrCancel, mrNone},
    };
    for (const Case& c : cases) {
        TModalForm form;
        EXPECT_EQ(RunUntil(form, [&] { c.End(form); }), c.Answer) << c.Name;
        EXPECT_FALSE(form.isVisible()) << c.Name;
        EXPECT_EQ(form.ModalResult(), c.Kept) << c.Name;
    }
}

// A message shown before any other window exists is the application's first window; closing it
// must answer Cancel, not end the program.
TEST(ModalForm, ClosingTheFirstWindowCreatedDoesNotEndTheProgram)
{
    TApplication application;
    TModalForm form;
    ASSERT_EQ(application.MainForm(), &form);
    EXPECT_EQ(RunUntil(form, [&] { form.close(); }), mrCancel);
    EXPECT_FALSE(application.Terminated());
}
