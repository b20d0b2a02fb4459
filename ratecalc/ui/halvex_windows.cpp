#include "ratecalc/ui/halvex_windows.h"

#include "ratecalc/ui/frm_first_order.h"
#include "ratecalc/ui/frm_halvex.h"

void HalvexWindows::Start() { Show(new frmHalvex, nullptr); }

void HalvexWindows::Show(KwantForm* window, const KwantForm* previous) {
  window->setAttribute(Qt::WA_DeleteOnClose);
  const bool toFirstOrder = qobject_cast<frmHalvex*>(window) != nullptr;
  connect(window, &KwantForm::switchRequested, this, [this, window, toFirstOrder] {
    KwantForm* next = toFirstOrder ? static_cast<KwantForm*>(new frmFirstOrder)
                                   : static_cast<KwantForm*>(new frmHalvex);
    Show(next, window);
    window->close();
  });
  if (previous) window->move(previous->pos());
  current_ = window;
  window->show();
}
