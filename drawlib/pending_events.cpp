#include "drawlib/pending_events.h"

namespace {
void (*gHandler)() = nullptr;
}

void SetPendingEventsHandler(void (*handler)()) { gHandler = handler; }

void DoEvents() {
  if (gHandler) gHandler();
}
