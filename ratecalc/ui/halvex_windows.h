// The calculator's two windows: one shows at a time; the switch button of each closes it and
// opens the other afresh (from its start values) at the same place.
#pragma once

#include <QObject>
#include <QPointer>

#include "ratecalc/ui/kwant_form.h"


class HalvexWindows : public QObject {
  Q_OBJECT

 public:
  // Shows the activation-parameter window.
  void Start();
  // The window showing now (null after Exit).
  KwantForm* current() const { return current_; }

 private:
  void Show(KwantForm* window, const KwantForm* previous);
  QPointer<KwantForm> current_;
};
