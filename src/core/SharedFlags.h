#pragma once

// Set by the schedule editor after it saved the schedule; the main window's tick clears it and
// reloads its view of the schedule.
struct TYorraClockEditedCheck {
    bool Edited = false;
};

// Which of the task windows are showing; each window sets its flag when shown and clears it
// when closed, and the main window shows a task button for every flag that is set.
struct TYorraClockFormVisible {
    bool Memo = false;
    bool Address = false;
    bool Map = false;
    bool ScreenShot = false;
    bool Schedule = false;
};
