#include <gtest/gtest.h>
#include <string.h>

#include "app/text.h"
#include "targets/window_records.h"

static WindowRecord MakeRecord(int32_t handle, const char* className, const char* title)
{
    WindowRecord record = {handle, handle + 1, handle + 2, (char*)className, (char*)title};
    return record;
}

TEST(WindowRecordList, AppendKeepsOrderAndCopiesEveryField)
{
    WindowRecordList list;
    RecordListMakeEmpty(&list);
    char className[] = "ChatWindow";
    char title[] = "\xBA\xB0 game";
    for (int32_t i = 1; i <= 40; i++) {  // past the first growth of the storage
        WindowRecord record = MakeRecord(i * 16, className, title);
        ASSERT_EQ(1, RecordListAppend(&list, &record));
        ASSERT_EQ(i, RecordListCount(&list));
    }
    // The list holds copies: changing the caller's buffers changes nothing.
    className[0] = 'X';
    title[0] = 'X';
    for (int32_t i = 1; i <= 40; i++) {
        const WindowRecord* record = RecordListAt(&list, i);
        ASSERT_NE(nullptr, record);
        EXPECT_EQ(i * 16, record->handle);
        EXPECT_EQ(i * 16 + 1, record->processId);
        EXPECT_EQ(i * 16 + 2, record->threadId);
        EXPECT_STREQ("ChatWindow", record->className);
        EXPECT_STREQ("\xBA\xB0 game", record->title);
    }
    EXPECT_EQ(nullptr, RecordListAt(&list, 0));
    EXPECT_EQ(nullptr, RecordListAt(&list, 41));
    RecordListFree(&list);
    EXPECT_EQ(0, RecordListCount(&list));
}

TEST(WindowRecordList, DeepCopySurvivesFreeingTheOriginal)
{
    WindowRecordList original;
    RecordListMakeEmpty(&original);
    WindowRecord titled = MakeRecord(100, "A", "first");
    WindowRecord untitled = MakeRecord(200, "B", "");
    WindowRecord missing = MakeRecord(300, nullptr, nullptr);
    RecordListAppend(&original, &titled);
    RecordListAppend(&original, &untitled);
    RecordListAppend(&original, &missing);

    WindowRecordList copy;
    ASSERT_EQ(1, RecordListCopy(&original, &copy));
    ASSERT_EQ(3, RecordListCount(&copy));
    for (int32_t i = 1; i <= 3; i++) {
        const WindowRecord* a = RecordListAt(&original, i);
        const WindowRecord* b = RecordListAt(&copy, i);
        if (a->title) {
            EXPECT_NE(a->title, b->title) << "texts must be duplicated, not shared";
        }
    }
    RecordListFree(&original);  // ASan reports any use of freed texts below

    EXPECT_STREQ("first", RecordListAt(&copy, 1)->title);
    EXPECT_STREQ("A", RecordListAt(&copy, 1)->className);
    EXPECT_STREQ("", RecordListAt(&copy, 2)->title);
    EXPECT_EQ(200, RecordListAt(&copy, 2)->handle);
    EXPECT_EQ(nullptr, RecordListAt(&copy, 3)->title) << "a missing text stays missing";
    EXPECT_EQ(nullptr, RecordListAt(&copy, 3)->className);
    EXPECT_EQ(301, RecordListAt(&copy, 3)->processId);
    RecordListFree(&copy);
}

TEST(WindowRecordList, EmptyListCopiesAndFreesToEmpty)
{
    WindowRecordList empty;
    RecordListMakeEmpty(&empty);
    WindowRecordList copy;
    ASSERT_EQ(1, RecordListCopy(&empty, &copy));
    EXPECT_EQ(0, RecordListCount(&copy));
    RecordListFree(&copy);
    RecordListFree(&empty);
    RecordListFree(&empty);  // freeing twice leaves it empty, no double free
    EXPECT_EQ(0, RecordListCount(&empty));
}

TEST(Text, EqualityTreatsMissingAsEmptyAndComparesBytes)
{
    EXPECT_TRUE(TextEquals(nullptr, ""));
    EXPECT_TRUE(TextEquals("", nullptr));
    EXPECT_FALSE(TextEquals("   ", ""));
    EXPECT_FALSE(TextEquals("\xBA", "\xBB"));
    EXPECT_TRUE(TextIsEmpty(nullptr));
    EXPECT_TRUE(TextIsEmpty(""));
    EXPECT_FALSE(TextIsEmpty(" "));
    char* joined = TextConcat("\xC7\xEB[", nullptr);
    EXPECT_STREQ("\xC7\xEB[", joined);
    TextFree(joined);
    joined = TextConcat("ab", "cd");
    EXPECT_STREQ("abcd", joined);
    TextFree(joined);
}
