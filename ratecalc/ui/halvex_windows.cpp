#include "ratecalc/ui/halvex_windows.h"

#include "drawlib/ui/forms.h"
#include "platform/ui/screen_fit.h"

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
  // The first window is centred; the next one takes the place of the one it replaces. Either
  // way it stays on the screen with its frame.
  window->adjustSize();  // its layout's size, before it is placed
  if (previous) {
    window->move(previous->pos());
    KeepOnScreen(window);
  } else {
    CenterForm(window);
  }
  current_ = window;
  window->show();
}
