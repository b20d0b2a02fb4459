// Lets pending window events run (the GUI layer installs the handler; without one nothing runs).
#pragma once

void SetPendingEventsHandler(void (*handler)());
void DoEvents();
