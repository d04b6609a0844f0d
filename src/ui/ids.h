// Control ids of the main window, named as the form names its controls.
#pragma once

enum ControlId {
    超级链接框1 = 1001,  // hyperlink to the publisher's server list
    按钮2,              // refresh button
    按钮1,              // toggle button: hides and shows the target
    标签1,              // status label
    列表框,             // window list box
    时钟发言,           // shout timer (a timer id, not a window)
    选择夹2,            // tab control holding the message boxes
    选择框,             // auto-shout check box
    编辑框,             // interval box, seconds
    标签,               // the interval's unit label
    编辑框1,            // message boxes, one per tab page
    编辑框2,
    编辑框3,
    编辑框4,
    编辑框5,
};

enum { FIRST_CONTROL_ID = 超级链接框1, LAST_CONTROL_ID = 编辑框5 };

// 1 for the ids of the five message boxes.
inline int IsMessageBoxId(int id)
{
    return id >= 编辑框1 && id <= 编辑框5;
}
