// How the Qt program sets Qt up before its application object exists, shared with
// the harnesses that type into the real window so they run it the same way.
// Platform side (Qt).
#pragma once

namespace keyrill::qt {

// Chooses Qt's input-method and event-loop modes for typing. A variable the user
// has already set, even empty, is the user's choice and stays. Call before the
// QApplication is made.
void PrepareQtStartUp();

}  // namespace keyrill::qt
