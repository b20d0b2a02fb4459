#include "groups/ui/frm_restore_opt.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>

#include "drawlib/ui/forms.h"

namespace {

constexpr const char* kOptionTags[] = {"Both", "Spec", "Sim"};
constexpr const char* kOptionCaptions[] = {"Restore both Spectrum and Simulation",
                                           "Restore the spectrum only",
                                           "Restore the simulation only"};

}  // namespace

frmRestoreOpt::frmRestoreOpt(QWidget* parent) : TagDialog(parent) {
  const double tpp = TwipsPerPixel(parent ? parent : this);
  auto px = [tpp](int twips) { return static_cast<int>(std::lround(twips / tpp)); };
  auto rect = [&px](int l, int t, int w, int h) { return QRect(px(l), px(t), px(w), px(h)); };
  setWindowTitle("Restore Options");
  setFixedSize(px(4845), px(2490));
  for (int i = 0; i < 3; ++i) {
    auto* option = new QRadioButton(kOptionCaptions[i], this);
    option->setObjectName(QString("OptRestore%1").arg(i));
    option->setGeometry(rect(240, 180 + 360 * i, 4365, 300));
    connect(option, &QRadioButton::clicked, this, [this, i] { SetTag(kOptionTags[i]); });
    options_[static_cast<size_t>(i)] = option;
  }
  options_[0]->setChecked(true);
  lblRestore_ = new QLabel(this);
  lblRestore_->setGeometry(rect(240, 1260, 4365, 240));
  const char* captions[] = {"OK", "Cancel"};
  for (int i = 0; i < 2; ++i) {
    auto* button = new QPushButton(captions[i], this);
    button->setObjectName(QString("cmdRestore%1").arg(i));
    button->setGeometry(rect(1080 + 1500 * i, 1740, 1200, 420));
    button->setAutoDefault(i == 0);
    connect(button, &QPushButton::clicked, this, [this, i] { cmdRestore_Click(i); });
    buttons_[static_cast<size_t>(i)] = button;
  }
  // The tag of the first selected option.
  for (int i = 0; i < 3; ++i)
    if (options_[static_cast<size_t>(i)]->isChecked()) {
      SetTag(kOptionTags[i]);
      break;
    }
}

void frmRestoreOpt::cmdRestore_Click(int index) {
  if (index == 1) SetTag("Neither");
  HideDialog();
}

void frmRestoreOpt::FrameClose() { cmdRestore_Click(1); }

void frmRestoreOpt::EscapePressed() { cmdRestore_Click(1); }
