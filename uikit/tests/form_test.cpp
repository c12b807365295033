#include "uikit/testing/guiapp.h"
#include "uikit/form.h"

#include <QCloseEvent>
#include <QTimer>

#include <atomic>
#include <thread>

#include <gtest/gtest.h>

using uikit::Form;
using uikit::ModalResult;

namespace {

// A form whose close query answers from a script and counts the questions.
class QueryForm : public Form {
public:
    std::vector<bool> answers;
    std::vector<ModalResult> asked;

protected:
    bool closeQuery() override
    {
        asked.push_back(modalResult());
        if (answers.empty())
            return true;
        const bool answer = answers.front();
        answers.erase(answers.begin());
        return answer;
    }
};

} // namespace

TEST(Form, NonZeroResultEndsTheModalLoopWithThatResult)
{
    guiApp();
    QueryForm form;
    QTimer::singleShot(0, &form, [&] { form.setModalResult(ModalResult::Cancel); });
    EXPECT_EQ(form.showModal(), ModalResult::Cancel);
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(form.isShowingModal());
    ASSERT_EQ(form.asked.size(), 1u);
}

TEST(Form, RefusedCloseQueryResetsTheResultAndKeepsTheFormOpen)
{
    guiApp();
    QueryForm form;
    form.answers = {false, true};
    ModalResult afterRefusal = ModalResult::Ok;
    QTimer::singleShot(0, &form, [&] { form.setModalResult(ModalResult::Cancel); });
    QTimer::singleShot(30, &form, [&] {
        afterRefusal = form.modalResult();
        EXPECT_TRUE(form.isVisible());
        form.setModalResult(ModalResult::Ok);
    });
    EXPECT_EQ(form.showModal(), ModalResult::Ok);
    EXPECT_EQ(afterRefusal, ModalResult::None);
    EXPECT_EQ(form.asked, (std::vector<ModalResult>{ModalResult::Cancel, ModalResult::Ok}));
}

TEST(Form, ZeroResultDoesNotEndTheLoop)
{
    guiApp();
    QueryForm form;
    QTimer::singleShot(0, &form, [&] { form.setModalResult(ModalResult::None); });
    QTimer::singleShot(30, &form, [&] { form.setModalResult(7); });
    EXPECT_EQ(form.showModal(), ModalResult::No);
    EXPECT_EQ(form.asked.size(), 1u) << "a zero result never asks the close query";
}

TEST(Form, CloseCommandOfAModalFormIsACancel)
{
    guiApp();
    QueryForm form;
    QTimer::singleShot(0, &form, [&] { form.close(); });
    EXPECT_EQ(form.showModal(), ModalResult::Cancel);
}

TEST(Form, ResultSetByAWorkerThreadIsDeliveredOnTheUiThread)
{
    guiApp();
    QueryForm form;
    std::thread worker;
    QTimer::singleShot(0, &form, [&] { worker = std::thread([&] { form.setModalResult(ModalResult::Ok); }); });
    EXPECT_EQ(form.showModal(), ModalResult::Ok);
    worker.join();
}

TEST(Form, CloseQueryCanKeepANonModalFormOpen)
{
    guiApp();
    QueryForm form;
    form.answers = {false};
    form.show();
    EXPECT_FALSE(form.close());
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(form.close());
}
