// The toggle button hides the target and shows it again; its caption is the
// toggle's only state.
#include "targets.h"
#include "../app/app.h"
#include "../app/state.h"
#include "../app/text.h"
#include "../platform/wm.h"
#include "../ui/ids.h"
#include "../ui/toolkit.h"

static const char HIDE_CAPTION[] = "隐藏游戏喊话";
static const char SHOW_CAPTION[] = "显 示 游 戏";
static const char NO_TARGET_PROMPT[] = "请[双击选择]-请选择游戏窗口!!!";

void OnToggleButtonClicked()
{
    RestoreTargetWindow();
    char* caption = ReadControlText(按钮1);
    if (TextEquals(caption, SHOW_CAPTION)) {
        SetControlCaption(按钮1, HIDE_CAPTION);
    } else if (WindowExists(targetWindow) == 1) {
        SetWindowShowState(targetWindow, WM_SHOW_HIDE);
        SetControlCaption(按钮1, SHOW_CAPTION);
    } else {
        SetControlCaption(标签1, NO_TARGET_PROMPT);
    }
    TextFree(caption);
}
