#include "platform/beep.h"

namespace {
BeepHandler gBeepHandler = nullptr;
}  // namespace

void SetBeepHandler(BeepHandler handler) { gBeepHandler = handler; }

void Beep() {
  if (gBeepHandler) gBeepHandler();
}
