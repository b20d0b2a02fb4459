#include "output/ui/frm_bottom_text.h"

#include <QLabel>
#include <QPushButton>

#include "drawlib/ini/libr_ini.h"
#include "output/bottom_label.h"
#include "output/footer_fields.h"
#include "output/ui/twips_layout.h"
#include "platform/ui/qt_text.h"

namespace {
constexpr const char* kPositionKey = "BottomTextDialog";
constexpr const char* kFieldCaptions[6] = {"Date",        "Filename",    "Filename and Path",
                                           "Time",        "Print Scale", "Page Number"};
}  // namespace

frmBottomText::frmBottomText(QWidget* parent) : TagDialog(parent) {
  setWindowTitle("Bottom Text Define");
  SizeFormTwips(this, 6240, 2700);
  for (int i = 0; i < 6; ++i) {
    cmdBTxt[i] = MakeButton(this, kFieldCaptions[i]);
    PlaceTwips(cmdBTxt[i], 120 + (i % 3) * 2040, 120 + (i / 3) * 480, 1920, 400);
    connect(cmdBTxt[i], &QPushButton::clicked, this, [this, i] { cmdBTxt_Click(i); });
  }
  lblBTxt = MakeLabel(this, "");
  lblBTxt->setFrameShape(QFrame::Panel);
  lblBTxt->setFrameShadow(QFrame::Sunken);
  PlaceTwips(lblBTxt, 120, 1140, 6000, 420);
  cmdClear = MakeButton(this, "Start Over");
  cmdSave = MakeButton(this, "Save to INI");
  cmdExit = MakeButton(this, "Exit");
  PlaceTwips(cmdClear, 120, 1740, 1920, 420);
  PlaceTwips(cmdSave, 2160, 1740, 1920, 420);
  PlaceTwips(cmdExit, 4200, 1740, 1920, 420);
  connect(cmdClear, &QPushButton::clicked, this, [this] { cmdClear_Click(); });
  connect(cmdSave, &QPushButton::clicked, this, [this] { cmdSave_Click(); });
  connect(cmdExit, &QPushButton::clicked, this, [this] { cmdExit_Click(); });

  // Form_Load
  RestoreDialogPos(this, kPositionKey);
  fields_ = IniGetString("ExportButtons", "DrawingName", "");
  cmdBTxt[5]->hide();
}

frmBottomText::~frmBottomText() { SaveDialogPos(this, kPositionKey); }

void frmBottomText::cmdBTxt_Click(int index) {
  if (index < 0 || index >= 6) return;
  if (FooterFieldAdd(fields_, kFieldCaptions[index]))
    lblBTxt->setText(ToQString(BottomLabelText(fields_)));
}

void frmBottomText::cmdClear_Click() {
  fields_.clear();
  lblBTxt->clear();
}

void frmBottomText::cmdSave_Click() {
  IniPutString("ExportButtons", "DrawingName", fields_);
  lblBTxt->setText(ToQString(BottomLabelText(fields_)));
}

void frmBottomText::cmdExit_Click() { HideDialog(); }
