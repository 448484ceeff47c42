// How the Qt program sets Qt up before its application object exists and leaves it
// at the end, shared with
// the harnesses that type into the real window so they run it the same way.
// Platform side (Qt).
#pragma once

namespace keyrill::qt {

// Chooses Qt's input-method and event-loop modes for typing. A variable the user
// has already set, even empty, is the user's choice and stays. Call before the
// QApplication is made.
void PrepareQtStartUp();

// The status for main to return once its windows are gone. Qt 6.4's Wayland client
// can deadlock tearing down its display connection (its event thread waits for a
// read the main thread never finishes), leaving an ended program running; there the
// process ends at once instead, with its output flushed, and the compositor frees
// the connection's objects itself.
int EndingStatus(int status);

}  // namespace keyrill::qt
