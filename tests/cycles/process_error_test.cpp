#include <gtest/gtest.h>

#include "cycles/process_error.h"
#include "fake_process_dialog.h"

using namespace quillmar;

namespace {

// The title carries the number with its sign; the two messages of their own are exact.
TEST(ShowProcessError, ExactTextsAndTitles) {
    struct Case {
        int number;
        const char* title;
        const char* text;
    } cases[] = {
        {11, "Error 11", "ゼロ割り算エラー。工具径などのデータが０です。"},
        {91, "Error 91", "ファイルが開いていないので挿入出来ません。新しく作成をする時は[新規]を押してください。"},
        {-1, "Error-1", nullptr},
        {0, nullptr, nullptr},  // no error shows nothing
    };
    for (const Case& c : cases) {
        test::FakeProcessDialog user;
        ShowProcessError(c.number, nullptr);
        ASSERT_EQ(user.messages.size(), c.title ? 1u : 0u) << c.number;
        if (!c.title)
            continue;
        EXPECT_EQ(user.messages[0].title.toStdString(), c.title);
        if (c.text) {
            EXPECT_EQ(user.messages[0].text.toStdString(), c.text);
        }
    }
}

}  // namespace
