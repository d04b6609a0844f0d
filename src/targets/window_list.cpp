#include "targets.h"
#include "../app/app.h"
#include "../app/state.h"
#include "../app/text.h"
#include "../ui/ids.h"
#include "../ui/toolkit.h"

static const char CHOOSE_PROMPT[] = "请[双击选择]-";
static const char CHOOSE_CAPTION[] = "请[双击选择]-接收发言信息的窗口";

void OnRefreshButtonClicked()
{
    RestoreTargetWindow();
    SetControlCaption(标签1, CHOOSE_CAPTION);
    targetWindow = 0;
    RecordListFree(&listedWindows);
    ListBoxClear(列表框);

    int32_t n = EnumerateTopLevelWindows(&listedWindows);
    for (int32_t i = 1; i <= n; i++) {
        const WindowRecord* record = RecordListAt(&listedWindows, i);
        if (!record)
            break;
        char* title = TextDuplicate(record->title);
        if (!TextEquals(title, ""))
            ListBoxAppend(列表框, title, record->handle);
        TextFree(title);
    }
}

void OnWindowListDoubleClicked()
{
    RestoreTargetWindow();
    int selection = ListBoxSelection(列表框);
    targetWindow = ListBoxItemValue(列表框, selection);
    char* text = ListBoxItemText(列表框, selection);
    char* caption = TextConcat(CHOOSE_PROMPT, text);
    SetControlCaption(标签1, caption ? caption : CHOOSE_PROMPT);
    TextFree(caption);
    TextFree(text);
}
