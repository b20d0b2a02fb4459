#include "output/ui/frm_pref1.h"

#include <QCheckBox>
#include <QFontDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>

#include <cmath>

#include "documents/spec_record.h"
#include "drawlib/pardata.h"
#include "drawlib/pending_events.h"
#include "drawlib/ps_interface.h"
#include "drawlib/text/label_attrs.h"
#include "drawlib/ui/forms.h"
#include "drawlib/util/numbers.h"
#include "engine/engine_globals.h"
#include "engine/sim_type_traits.h"
#include "output/layout_model.h"
#include "output/ui/help_icon.h"
#include "output/output_host.h"
#include "output/ui/layout_help.h"
#include "output/ui/twips_layout.h"
#include "output/ui/zef1_prev.h"
#include "platform/runtime_numbers.h"
#include "platform/runtime_text.h"
#include "platform/ui/qt_text.h"

namespace {

constexpr const char* kPositionKey = "KavoSpecLayout";
constexpr int32_t kLayoutHelpTopic = 78;
constexpr int kDesignBoxes[10] = {0, 1, 2, 3, 4, 5, 10, 11, 12, 13};
constexpr float kParamFrameTop = 3780, kParamFrameHeight = 900, kFirstBoxTop = 270;
constexpr float kBoxLefts[5] = {120, 1380, 2640, 3900, 5160};

bool TypeValid() { return gSimType >= 0 && gSimType < int16_t(gSimTypes.size()); }

float PaperWorld(int box) {
  const float size = box == 0 ? float(PrinterPage.paperWidth) : float(PrinterPage.paperHeight);
  return size > 0 ? size : (box == 0 ? 2 * 4339.59f : 2 * 5615.94f);
}

}  // namespace

frmPref1::frmPref1(QWidget* parent, Zef1Prev* preview) : TagDialog(parent), preview_(preview) {
  setWindowTitle("Spectrum Layout Dialog");
  SizeFormTwips(this, 6600, kParamFrameTop + kParamFrameHeight + 500);
  const char* sizeCaptions[2] = {"Box Width (mm)", "Box Height (mm)"};
  const char* sizeTips[2] = {"Spectrum width (at printer scale =1.0)",
                             "Spectrum box height (at printer scale = 1.0)"};
  const char* fullTips[2] = {"Set width to maximum size that will fit on page",
                             "Set height to maximum size that will fit on page"};
  for (int i = 0; i < 2; ++i) {
    Frame3d3[i] = MakeFrame(this, sizeCaptions[i]);
    PlaceTwips(Frame3d3[i], 120 + i * 2160, 120, 2040, 720);
    txtWdHt[i] = MakeTextBox(Frame3d3[i], sizeTips[i]);
    PlaceTwips(txtWdHt[i], 100, 300, 720, 330);
    txtWdHt[i]->installEventFilter(this);
    connect(txtWdHt[i], &QLineEdit::textEdited, this, [this, i] { sizeEdited_[i] = true; });
    for (int d = 0; d < 2; ++d) {
      Spin1[i][d] = new QToolButton(Frame3d3[i]);
      Spin1[i][d]->setArrowType(d ? Qt::UpArrow : Qt::DownArrow);
      PlaceTwips(Spin1[i][d], 840, 260 + (1 - d) * 200, 300, 190);
      connect(Spin1[i][d], &QToolButton::clicked, this, [this, i, d] { Spin1_Change(i, d == 1); });
    }
    cmdPrintFullWdHt[i] = MakeButton(Frame3d3[i], "Full", fullTips[i]);
    PlaceTwips(cmdPrintFullWdHt[i], 1200, 280, 720, 360);
    connect(cmdPrintFullWdHt[i], &QPushButton::clicked, this,
            [this, i] { cmdPrintFullWdHt_Click(i); });
  }
  lblMHz = MakeLabel(this, "MHz:");
  PlaceTwips(lblMHz, 4440, 220, 600, 300);
  txtMHz = MakeTextBox(this);
  PlaceTwips(txtMHz, 5040, 180, 1000, 330);
  Label2 = MakeLabel(this, "ID:");
  PlaceTwips(Label2, 120, 960, 400, 300);
  txtSpecID = MakeTextBox(this);
  PlaceTwips(txtSpecID, 540, 920, 5900, 330);
  connect(txtSpecID, &QLineEdit::textChanged, this, [this](const QString& t) {
    if (TypeValid()) gSimTypes[gSimType].SpecID = FromQString(t);
  });

  Frame3D1 = MakeFrame(this, "Labeling of Spectrum");
  PlaceTwips(Frame3D1, 120, 1380, 6360, 1800);
  struct Design {
    const char *caption, *tip;
  };
  const Design design[14] = {
      {"Shift Scale", "Place a Hz or ppm scale on the spectrum"},
      {"Hz/ppm mark", "Print the scale caption (Hz or ppm)"},
      {"Heading", "Print a title above the spectrum"},
      {"Par in Box", "Print a list of parameters (those checked at bottom)"},
      {"ID", "Identifying text (e.g., temperature or value of a parameter)"},
      {"Box", "Draw an enclosing box"}, {nullptr, nullptr}, {nullptr, nullptr},
      {nullptr, nullptr}, {nullptr, nullptr},
      {"Freq. Marks", "Place identifying marks at chemical shift positions"},
      {"Parameters", "Print a complete table of parameters below the spectrum"},
      {"Print Freq Table", "Print a tabel of calculated frequencies below the spectrum"},
      {"PrintExchMatr", "Identifying text (e.g., temperature or value of a parameter)"}};
  for (int k = 0; k < 10; ++k) {
    const int j = kDesignBoxes[k];
    chkPageDesign[j] = MakeCheck(Frame3D1, design[j].caption, design[j].tip);
    PlaceTwips(chkPageDesign[j], 120 + (k % 3) * 2060, 270 + (k / 3) * 300, 2000, 280);
    connect(chkPageDesign[j], &QCheckBox::clicked, this, [this, j] { chkPageDesign_Click(j); });
  }
  optHzOrPpm[0] = MakeOption(Frame3D1, "Hz", "Select Hz scale");
  optHzOrPpm[1] = MakeOption(Frame3D1, "ppm", "Select ppm scale");
  for (int i = 0; i < 2; ++i) {
    PlaceTwips(optHzOrPpm[i], 2180 + i * 1000, 1470, 900, 280);
    connect(optHzOrPpm[i], &QRadioButton::clicked, this, [this] { optHzOrPpm_Click(); });
  }
  cmdUnCheck[0] = MakeButton(this, "Uncheck");
  cmdUnCheck[1] = MakeButton(this, "Check All");
  for (int i = 0; i < 2; ++i) {
    PlaceTwips(cmdUnCheck[i], 120 + i * 1200, 3280, 1100, 360);
    connect(cmdUnCheck[i], &QPushButton::clicked, this, [this, i] { cmdUnCheck_Click(i); });
  }
  const char* prefCaptions[9] = {"", "", "", "", "", "OK", "Redraw", "Save Setup", ""};
  for (int i = 0; i < 9; ++i) {
    cmdPrintPref[i] = MakeButton(this, prefCaptions[i]);
    cmdPrintPref[i]->setAutoDefault(false);
    connect(cmdPrintPref[i], &QPushButton::clicked, this, [this, i] { cmdPrintPref_Click(i); });
    if (i < 4 || i == 7) cmdPrintPref[i]->hide();
  }
  cmdPrintPref[4]->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
  cmdPrintPref[4]->setText("A");
  cmdPrintPref[8]->setIcon(HelpQuestionIcon());
  cmdPrintPref[8]->setIconSize(QSize(16, 16));
  PlaceTwips(cmdPrintPref[4], 2520, 3280, 600, 360);
  PlaceTwips(cmdPrintPref[6], 3240, 3280, 1100, 360);
  PlaceTwips(cmdPrintPref[5], 4440, 3280, 1100, 360);
  PlaceTwips(cmdPrintPref[8], 5640, 3280, 600, 360);
  cmdPrintPref[5]->setDefault(true);

  Frame3D2 = MakeFrame(this, "Parameters to Print Inside Box (drag to set ID)");
  PlaceTwips(Frame3D2, 120, kParamFrameTop, 6360, kParamFrameHeight);
  for (int i = 0; i < 5; ++i) {
    chkParToPrint.push_back(
        MakeCheck(Frame3D2, "", "If checked, this parameter will be printed in box"));
    PlaceTwips(chkParToPrint[i], kBoxLefts[i], kFirstBoxTop, 1200, 280);
  }
  Form_Load();
}

frmPref1::~frmPref1() { SaveDialogPos(this, kPositionKey); }

void frmPref1::Form_Load() {
  layoutReady_ = false;
  RestoreDialogPos(this, kPositionKey);
  if (gSimType >= 0 && gSimType <= 44)
    setWindowTitle(ToQString("Print Setup for " + Trim(OutputApp().TypeCaption())));
  const int last = TypeValid() ? std::clamp<int>(gSimTypes[gSimType].LastPar, 0, kSimParCount - 1)
                               : 0;
  const float grow = ParamFrameGrowth(last);
  const double tpp = TwipsPerPixel(this);
  PlaceTwips(Frame3D2, 120, kParamFrameTop, 6360, kParamFrameHeight + grow);
  resize(width(), int(std::lround((kParamFrameTop + kParamFrameHeight + grow + 500) / tpp)));
  sizeEdited_[0] = sizeEdited_[1] = false;
  txtWdHt[0]->setText(ToQString(Format(gPrintBoxWidth / 40.2f, "0")));
  txtWdHt[1]->setText(ToQString(Format(gPrintBoxHeight / 40.2f, "0")));
  txtMHz->setText(ToQString(Format(gSpec.MHz, "0.00")));
  txtMHz->setEnabled(MHzEditable(gSimType, gLineFit != 0));
  if (TypeValid()) txtSpecID->setText(ToQString(Trim(gSimTypes[gSimType].SpecID)));
  optHzOrPpm[(gPrintBoxToggles & 64) ? 1 : 0]->setChecked(true);
  BoxSizeValidate(6);
  const std::string printList = TypeValid() ? gSimTypes[gSimType].PrintPars : "";
  for (int i = 0; i <= last; ++i) {
    if (i > 4) {
      chkParToPrint.push_back(
          MakeCheck(Frame3D2, "", "If checked, this parameter will be printed in box"));
      const BoxPlace p = ParamBoxPlace(i, kBoxLefts, kFirstBoxTop);
      PlaceTwips(chkParToPrint[i], p.left, p.top, 1200, 280);
      chkParToPrint[i]->show();
    }
    chkParToPrint[i]->setText(ToQString(Trim(gSimPar[i].Name)));
    chkParToPrint[i]->setChecked(PrintListHas(printList, i));
    chkParToPrint[i]->setProperty("parIndex", i);
    chkParToPrint[i]->installEventFilter(this);
  }
  for (int i = last + 1; i < 5; ++i) chkParToPrint[i]->hide();
  for (int j : kDesignBoxes) chkPageDesign[j]->setChecked((gPrintBoxToggles >> j) & 1);
  const bool exchange = HasExchangeMatrix(gSimType) && gNumSpinMarks >= 2 && (gTypeMode & 2);
  chkPageDesign[13]->setEnabled(exchange);
  AttachLayoutHelp(*this);
  DoEvents();
  layoutReady_ = true;
}

void frmPref1::PrintSpectrum() {
  OutputApp().CreateSimPlot(0);
  if (preview_) preview_->DrawPicture();
}

void frmPref1::BoxSizeValidate(int mask) {
  for (int i = 0; i < 2; ++i) {
    if (!(mask & (i == 0 ? 2 : 4))) continue;  // bit 2 width, bit 4 height
    const BoxSize b = BoxSizeCheck(FromQString(txtWdHt[i]->text()), PaperWorld(i));
    txtWdHt[i]->setText(ToQString(b.text));
    // A size left as it opened keeps its exact value, not the whole millimetres shown.
    if (sizeEdited_[i]) (i == 0 ? gPrintBoxWidth : gPrintBoxHeight) = b.worldUnits;
    txtWdHt[i]->setStyleSheet(b.red ? "color: rgb(255, 0, 0);" : "color: black;");
  }
}

void frmPref1::LayoutApply() {
  layoutReady_ = false;
  LayoutInput in;
  for (QCheckBox* box : chkParToPrint) in.printChecked.push_back(box->isVisible() && box->isChecked());
  if (TypeValid())
    in.printChecked.resize(std::min<size_t>(in.printChecked.size(),
                                            size_t(gSimTypes[gSimType].LastPar) + 1));
  BoxSizeValidate(6);
  in.widthText = FromQString(txtWdHt[0]->text());
  in.heightText = FromQString(txtWdHt[1]->text());
  in.mhzText = FromQString(txtMHz->text());
  in.widthEdited = sizeEdited_[0];
  in.heightEdited = sizeEdited_[1];
  LayoutApplyValues(in);
  layoutReady_ = true;
}

void frmPref1::LayoutFontDialog() {
  const std::string start = TextNameGet(9, int16_t(Pardata[9].Default));
  QFont font(ToQString(start.empty() ? "Arial" : start));
  font.setPointSizeF(std::clamp(HeightToPoints(Pardata[2].Default), 5.0f, 20.0f));
  bool ok = false;
  const QFont chosen = QFontDialog::getFont(&ok, font, this);
  if (!ok) return;
  LayoutFontStore(FromQString(chosen.family()), float(chosen.pointSizeF()));
  LayoutApply();
  PrintSpectrum();
}

void frmPref1::cmdPrintPref_Click(int index) {
  switch (index) {
    case 4: LayoutFontDialog(); break;
    case 5: LayoutApply(); HideDialog(); break;
    case 6: LayoutApply(); PrintSpectrum(); break;
    case 8: OutputApp().HelpShowTopic(kLayoutHelpTopic); break;
    default: break;
  }
  OutputApp().MainPictureRepaint();
}

void frmPref1::cmdPrintFullWdHt_Click(int index) {
  float scale = Pardata[35].Default;
  if (!(scale > 0)) scale = 1;
  sizeEdited_[index] = true;
  txtWdHt[index]->setText(ToQString(FullBoxSizeText(PaperWorld(index), scale)));
  BoxSizeValidate(6);
  PrintSpectrum();
}

void frmPref1::Spin1_Change(int index, bool up) {
  const float v = ValPoint(FromQString(txtWdHt[index]->text()));
  sizeEdited_[index] = true;
  txtWdHt[index]->setText(ToQString(Str(up ? v + 5 : v - 5)));
  BoxSizeValidate(index == 0 ? 2 : 4);
  DoEvents();
}

void frmPref1::chkPageDesign_Click(int index) {
  if (!layoutReady_) return;
  if (chkPageDesign[index]->isChecked()) gPrintBoxToggles = int16_t(gPrintBoxToggles | (1 << index));
  else gPrintBoxToggles = int16_t(gPrintBoxToggles & ~(1 << index));
  PrintSpectrum();
}

void frmPref1::optHzOrPpm_Click() {
  if (!layoutReady_) return;
  gRedrawFlags = 2;
  if (optHzOrPpm[0]->isChecked()) gPrintBoxToggles = int16_t(gPrintBoxToggles & ~64);
  else gPrintBoxToggles = int16_t(gPrintBoxToggles | 64);
  PrintSpectrum();
}

void frmPref1::cmdUnCheck_Click(int index) {
  for (QCheckBox* box : chkParToPrint) box->setChecked(index == 1);
}

void frmPref1::txtSpecID_DragDrop(int boxIndex) {
  if (boxIndex < 0 || boxIndex >= kSimParCount) return;
  const std::string text =
      DroppedParamIdText(gSimPar[boxIndex].Name, gSimPar[boxIndex].Value, boxIndex);
  txtSpecID->setText(ToQString(text));
  if (TypeValid()) gSimTypes[gSimType].SpecID = text;
}

void frmPref1::ParamBoxMouse(QObject* box, QEvent* event) {
  auto* mouse = static_cast<QMouseEvent*>(event);
  const double tpp = TwipsPerPixel(this);
  const QPoint at = mapFromGlobal(mouse->globalPosition().toPoint());
  const float x = float(at.x() * tpp), y = float(at.y() * tpp);
  if (event->type() == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) {
    dragBox_ = static_cast<QCheckBox*>(box);
    downX_ = x;
    downY_ = y;
    dragging_ = false;
  } else if (event->type() == QEvent::MouseMove && dragBox_ &&
             (mouse->buttons() & Qt::LeftButton)) {
    if (!dragging_ && DragStarts(downX_, downY_, x, y)) {
      dragging_ = true;
      setCursor(Qt::DragCopyCursor);
    }
  } else if (event->type() == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton) {
    if (dragging_ && txtSpecID->geometry().contains(at))
      txtSpecID_DragDrop(dragBox_->property("parIndex").toInt());
    if (dragging_) unsetCursor();
    dragging_ = false;
    dragBox_ = nullptr;
  }
}

bool frmPref1::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut) {
    if (watched == txtWdHt[0]) BoxSizeValidate(2);
    if (watched == txtWdHt[1]) BoxSizeValidate(4);
  }
  const auto type = event->type();
  if ((type == QEvent::MouseButtonPress || type == QEvent::MouseMove ||
       type == QEvent::MouseButtonRelease) && watched->property("parIndex").isValid())
    ParamBoxMouse(watched, event);
  return TagDialog::eventFilter(watched, event);
}
