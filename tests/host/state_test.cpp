#include <gtest/gtest.h>

#include "app/state.h"

// The exit routine frees both lists with all their texts; LeakSanitizer
// fails the run if anything stays allocated.
TEST(SharedState, ReleaseFreesBothListsFullOrEmpty)
{
    InitSharedState();
    EXPECT_EQ(0, targetWindow);
    EXPECT_EQ(0, shoutCursor);
    EXPECT_EQ(0, RecordListCount(&listedWindows));
    EXPECT_EQ(0, RecordListCount(&enumeratedWindows));

    WindowRecord record = {7, 8, 9, (char*)"Class", (char*)"Title"};
    for (int i = 0; i < 3; i++)
        RecordListAppend(&enumeratedWindows, &record);
    ASSERT_EQ(1, RecordListCopy(&enumeratedWindows, &listedWindows));
    ReleaseSharedState();
    EXPECT_EQ(0, RecordListCount(&listedWindows));
    EXPECT_EQ(0, RecordListCount(&enumeratedWindows));

    ReleaseSharedState();  // empty lists: only their storage, which is none
    EXPECT_EQ(0, RecordListCount(&listedWindows));
}
