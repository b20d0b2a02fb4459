#include "output/ui/zef1_prev.h"

#include "drawlib/text/text_fonts.h"

#include "drawlib/device/pen_cache.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QStyle>

#include <algorithm>
#include <cmath>
#include <memory>

#include "documents/file_location.h"
#include "drawlib/app_hooks.h"
#include "drawlib/color_scheme.h"
#include "drawlib/device/draw_options.h"
#include "drawlib/device/redraw_drawing.h"
#include "drawlib/device/world_window.h"
#include "drawlib/params_apply.h"
#include "drawlib/pardata.h"
#include "drawlib/pending_events.h"
#include "drawlib/ps_interface.h"
#include "drawlib/steps/output_switch.h"
#include "drawlib/steps/step_list.h"
#include "drawlib/text/label_attrs.h"
#include "drawlib/ui/forms.h"
#include "drawlib/ui/ini_widgets.h"
#include "drawlib/ui/list_helpers.h"
#include "drawlib/ui/numeric_key_filter.h"
#include "output/output_host.h"
#include "output/ui/frm_bottom_text.h"
#include "output/ui/frm_pref1.h"
#include "output/ui/page_picture.h"
#include "output/ui/preview_printer.h"
#include "output/ui/twips_layout.h"
#include "platform/msgbox.h"
#include "platform/ui/qt_text.h"

namespace {

constexpr const char* kPositionKey = "PrintPreview";

// The portrait (0) or landscape (1) page icon of the orientation button.
QIcon OrientationIcon(int landscape) {
  QPixmap pix(32, 32);
  pix.fill(Qt::transparent);
  QPainter p(&pix);
  p.setPen(QPen(Qt::black, 2));
  p.setBrush(Qt::white);
  p.drawRect(landscape ? QRect(2, 8, 28, 18) : QRect(8, 2, 18, 28));
  return QIcon(pix);
}

}  // namespace

Zef1Prev::Zef1Prev(QWidget* parent) : TagDialog(parent) {
  SizeFormTwips(this, 10200, 6600);
  struct ButtonDef {
    const char* caption;
    const char* tip;
  };
  const ButtonDef defs[12] = {
      {"Printer Setup .", "Windows Printer Setup"},
      {"Format Drawing Name", "Define what is printed at bottom of screen"},
      {"", "Click to Switch Landscape/Portrait"},
      {"", "Click to Switch Landscape/Portrait"},
      {"Redraw", "Center the page, rescale it, and redraw"},
      {"Close", "xit without printing but with page changes"},
      {"Cancel", "Exit without making any changes in page design"},
      {"&Save Setup",
       "Save Landscape/portrait, Print Scale, and Print Drawing Name Status to INI file"},
      {"&Print", "Print the page on the Windows printer"},
      {"", "Change scale"},
      {"", "Change scale"},
      {"Spectrum Layout", "Define what is printed at bottom of screen"}};
  for (int i = 0; i < 12; ++i) {
    cmdPrintPrev[i] = MakeButton(this, defs[i].caption, defs[i].tip);
    cmdPrintPrev[i]->setAutoDefault(false);
    connect(cmdPrintPrev[i], &QPushButton::clicked, this, [this, i] { cmdPrintPrev_Click(i); });
  }
  PlaceTwips(cmdPrintPrev[0], 120, 120, 2400, 400);
  lstPrinters = new QComboBox(this);
  SetTip(lstPrinters, "Previously selected printers");
  PlaceTwips(lstPrinters, 120, 600, 2400, 360);
  PlaceTwips(cmdPrintPrev[2], 120, 1060, 600, 600);
  PlaceTwips(cmdPrintPrev[3], 780, 1060, 600, 600);
  cmdPrintPrev[3]->hide();  // has no action of its own
  cmdPrintPrev[2]->setIconSize(QSize(28, 28));

  fraPrintScale = MakeFrame(this, "Print Scale ");
  PlaceTwips(fraPrintScale, 780, 1000, 1740, 720);
  txtPrintScale[2] = MakeTextBox(fraPrintScale, "Type in a value for the print scale");
  PlaceTwips(txtPrintScale[2], 100, 300, 900, 330);
  PlaceTwips(cmdPrintPrev[9], 1080, 250, 280, 200);
  PlaceTwips(cmdPrintPrev[10], 1080, 470, 280, 200);
  for (int i : {9, 10}) {
    cmdPrintPrev[i]->setParent(fraPrintScale);
    PlaceTwips(cmdPrintPrev[i], 1060, 240 + (i - 9) * 230, 560, 220);
    cmdPrintPrev[i]->setIcon(style()->standardIcon(i == 9 ? QStyle::SP_ArrowUp
                                                          : QStyle::SP_ArrowDown));
  }

  fraPageDesign = MakeFrame(this, "Page Design");
  PlaceTwips(fraPageDesign, 120, 1800, 2400, 1845);
  chkPageDesign[0] = MakeCheck(fraPageDesign, "Print Drawing Name", "Identification Bottom of Page");
  chkPageDesign[1] = MakeCheck(fraPageDesign, "Print Black on White", "All colors mapped to Black");
  const char* perPage[4] = {"Full Page", "2/Page", "4/Page", "6/Page"};
  const char* perPageTips[4] = {"Print at normal scale - 1 page per page",
                                "Print 2 pages per page (1/2 scale)",
                                "Print 4 pages per page (1/4 scale)",
                                "Print 6 pages per page (1/6 scale)"};
  for (int i = 0; i < 2; ++i) {
    PlaceTwips(chkPageDesign[i], 120, 270 + i * 270, 2200, 260);
    connect(chkPageDesign[i], &QCheckBox::clicked, this, [this, i] { chkPageDesign_Click(i); });
  }
  for (int i = 0; i < 4; ++i) {
    optPagepPage[i] = MakeOption(fraPageDesign, perPage[i], perPageTips[i]);
    PlaceTwips(optPagepPage[i], 120 + (i % 2) * 1140, 900 + (i / 2) * 270, 1100, 260);
  }
  optPagepPage[0]->setChecked(true);
  auto* perSheetGroup = new QButtonGroup(this);
  for (QRadioButton* o : optPagepPage) perSheetGroup->addButton(o);
  const char* pages[3] = {"Current Pg", "All pages", "Pages:"};
  for (int i = 0; i < 3; ++i) {
    optPages[i] = MakeOption(fraPageDesign, pages[i]);
    PlaceTwips(optPages[i], 120, 1470 + i * 0, 1100, 260);
  }
  optPages[0]->setChecked(true);
  auto* rangeGroup = new QButtonGroup(this);
  for (QRadioButton* o : optPages) rangeGroup->addButton(o);
  for (int i = 0; i < 2; ++i) {
    txtPgPrint[i] = MakeTextBox(fraPageDesign);
    PlaceTwips(txtPgPrint[i], 1260 + i * 540, 1470, 480, 280);
    txtPgPrint[i]->installEventFilter(this);
  }

  fraOutput = MakeFrame(this, "Output");
  optWIN_EPS[0] = MakeOption(fraOutput, "Windows Printer");
  optWIN_EPS[1] = MakeOption(fraOutput, "ZEF-EPS File");
  optWIN_EPS[0]->setChecked(true);
  optWIN_EPS[1]->setEnabled(false);
  fraOutput->hide();

  PlaceTwips(cmdPrintPrev[4], 120, 3780, 1170, 420);
  PlaceTwips(cmdPrintPrev[7], 1350, 3780, 1170, 420);
  PlaceTwips(cmdPrintPrev[11], 120, 4260, 2400, 420);
  PlaceTwips(cmdPrintPrev[1], 120, 4740, 2400, 420);
  PlaceTwips(cmdPrintPrev[8], 120, 5220, 1170, 420);
  PlaceTwips(cmdPrintPrev[5], 1350, 5220, 1170, 420);
  PlaceTwips(cmdPrintPrev[6], 120, 5700, 1170, 420);

  picPrintSetup = new PagePicture(this);
  SetTip(picPrintSetup,
         "Drag anywhere to move page boundary, drag red square to resize page (change scale).");
  PlaceTwips(picPrintSetup, 2640, 60, 7440, 6480);
  connect(picPrintSetup, &PictureWidget::mouseDown, this,
          [this](int, int, float x, float y) { MouseDown(x, y); });
  connect(picPrintSetup, &PictureWidget::mouseMove, this,
          [this](int button, int, float x, float y) {
            if (button) MouseMove(x, y);
          });
  connect(picPrintSetup, &PictureWidget::mouseUp, this,
          [this](int, int, float, float) { PreviewMouseUp(state_); });
  connect(picPrintSetup, &PictureWidget::repaintNeeded, this, [this] {
    if (Tag() == "OK") DrawPicture();
  });

  txtPrintScale[2]->installEventFilter(this);
  connect(lstPrinters, &QComboBox::activated, this, [this] { lstPrinters_Click(); });

  // Form_Load
  RestoreDialogPos(this, kPositionKey);
  cmdPrintPrev[11]->setVisible(true);
  for (QRadioButton* o : optPages) o->hide();
  for (QLineEdit* t : txtPgPrint) t->hide();
  INItoList(lstPrinters, "Printers");
  // A blank entry (an unnamed printer kept by an older list) names no printer.
  for (int i = lstPrinters->count() - 1; i >= 0; --i)
    if (lstPrinters->itemText(i).trimmed().isEmpty()) lstPrinters->removeItem(i);
  ListAddTop(lstPrinters, PrinterDeviceName(), 0);
  lstPrinters->setCurrentIndex(0);
}

Zef1Prev::~Zef1Prev() {
  SaveDialogPos(this, kPositionKey);
  ListToINI(lstPrinters, "Printers");
}

void Zef1Prev::Prev_Caption() {
  setWindowTitle(ToQString(std::string("Print Setup - ") + PrinterDeviceName()));
}

void Zef1Prev::showEvent(QShowEvent* event) {
  TagDialog::showEvent(event);
  if (!event->spontaneous()) Form_Activate();
}

void Zef1Prev::Form_Activate() {
  int16_t flags = 9;
  SetOutputObject(nullptr, picPrintSetup, 1.0f, 0, 0, flags);
  PreviewActivate(state_);
  ColorSchemeBW(int16_t(std::floor(Pardata[56].Default)));
  ApplyOrientation();
  chkPageDesign[0]->setChecked(Pardata[48].Default > 0.5f);
  chkPageDesign[1]->setChecked(Pardata[56].Default > 0.5f);
  for (int i = 1; i < 4; ++i) optPagepPage[i]->setEnabled(true);
  txtPrintScale[2]->setText(ToQString(PreviewScaleText()));
  Prev_Caption();
  DoEvents();
  DrawPicture();
  SetTag("OK");
}

void Zef1Prev::DrawPicture() {
  const float zoom = PreviewZoom(picPrintSetup->ScaleHeight());
  WorldWindow.zoom = zoom;
  picPrintSetup->DrawMode = PictureBox::kDrawModeCopyPen;
  picPrintSetup->BackColor = SchemeBackColor;
  const uint32_t options = DrawOptions;
  DrawOptions &= ~kDrawOptionHandles;
  picPrintSetup->BeginDrawing();
  ScreenSetScale(4);
  float x1, y1, x2, y2;
  TargetWorldRect(x1, y1, x2, y2);
  SetWorldWindow(picPrintSetup, x1, y1, x2, y2);
  // The page picture is a new target for the library's pen and brush.
  PenSetAPI(picPrintSetup->DeviceContext(), 1, int32_t(SchemeForeColor), 4);
  LabelAttrReset(picPrintSetup->DeviceContext());
  OutputFlags = kOutputFlagsScreen;
  {
    // The page as it prints: text at the printed size relative to the drawing.
    TextSizedAsPrintedScope asPrinted;
    RedrawDrawing(picPrintSetup->DeviceContext(), 0, StepCountGet(), 0);
  }
  // The picture's pen and font are released before its device goes away.
  PenSetAPI(picPrintSetup->DeviceContext(), 0, 0, 0);
  FontSetAPI(picPrintSetup->DeviceContext(), 0);
  picPrintSetup->EndDrawing();
  DrawOptions = options;
  ShowFrame();
}

void Zef1Prev::ShowFrame() {
  state_.handleSize = HandleSizeFor(WorldWindow.zoom);
  std::vector<PixelShape> shapes;
  for (const FrameShape& f : PageFrameShapes(state_)) {
    int32_t l, t, r, b;
    WorldToPixel(f.left, f.top, l, t);
    WorldToPixel(f.right, f.bottom, r, b);
    shapes.push_back({QRect(QPoint(std::min(l, r), std::min(t, b)),
                            QPoint(std::max(l, r), std::max(t, b))),
                      DefaultColorRGB(f.colour), f.filled});
  }
  picPrintSetup->SetFrame(std::move(shapes));
}

void Zef1Prev::ApplyOrientation() {
  PreviewApplyOrientation(state_);
  cmdPrintPrev[2]->setIcon(OrientationIcon(state_.orientation));
}

void Zef1Prev::ToWorld(float twipsX, float twipsY, float& x, float& y) const {
  const float tpp = picPrintSetup->PictureWidget::TwipsPerPixelX();
  PixelToWorld(int32_t(std::lround(twipsX / tpp)), int32_t(std::lround(twipsY / tpp)), x, y);
}

void Zef1Prev::MouseDown(float tx, float ty) {
  float x, y;
  ToWorld(tx, ty, x, y);
  PreviewMouseDown(state_, x, y);
}

void Zef1Prev::MouseMove(float tx, float ty) {
  if (state_.dragMode == kDragNone) return;
  float x, y;
  ToWorld(tx, ty, x, y);
  if (!PreviewMouseMove(state_, x, y)) return;
  if (state_.dragMode == kDragResize) txtPrintScale[2]->setText(ToQString(PreviewScaleText()));
  ShowFrame();
  FileStateValue(0);
}

void Zef1Prev::CloseDialog() {
  int16_t flags = 0;
  SetOutputObject(defaultPict_, nullptr, 0, 0, 0, flags);
  ColorSchemeBW(0);
  int16_t mode = kApplyToLibrary;
  ParamsApply(std::string(1, char(35)), mode);
  HideDialog();
}

void Zef1Prev::cmdPrintPrev_Click(int index) {
  switch (index) {
    case 0: {
      QPrintDialog dialog(&SharedPrinter(), this);
      if (dialog.exec() == QDialog::Accepted) PrinterChange();
      break;
    }
    case 1: {
      auto footer = std::make_unique<frmBottomText>(this);
      footer->RunModal();
      break;
    }
    case 2:
      state_.orientation = int16_t(1 - state_.orientation);
      ApplyOrientation();
      FileStateValue(0);
      DrawPicture();
      break;
    case 4:
    case 5:
    case 8:
      PreviewApplyOffset(state_);
      if (index == 4) {
        DrawPicture();
      } else if (index == 5) {
        CloseDialog();
      } else {
        CloseDialog();
        int16_t choice = 0;
        while (choice < 3 && !optPagepPage[choice]->isChecked()) ++choice;
        const int16_t perSheet = PagesPerSheet(choice);
        int16_t range = 0;
        while (range < 2 && !optPages[range]->isChecked()) ++range;
        const PageRange r = PrintPageRange(range, perSheet, OutputApp().CurrentPage(),
                                           OutputApp().PageCount(),
                                           FromQString(txtPgPrint[0]->text()),
                                           FromQString(txtPgPrint[1]->text()));
        if (range == 2) {
          txtPgPrint[0]->setText(QString::number(r.from));
          txtPgPrint[1]->setText(QString::number(r.to));
        }
        SetTag(PrintRequestTag(r, perSheet));
      }
      break;
    case 6:
      PreviewCancel(state_);
      CloseDialog();
      break;
    case 7:
      if (!PreviewSaveSetup()) MsgBox("The setup could not be saved to the settings file.", 48, "");
      break;
    case 9:
    case 10:
      PreviewScaleStep(index == 9);
      txtPrintScale[2]->setText(ToQString(PreviewScaleText()));
      ShowFrame();
      FileStateValue(0);
      break;
    case 11: {
      PreviewApplyOffset(state_);
      auto layout = std::make_unique<frmPref1>(this, this);
      layout->RunModal();
      layout.reset();
      // The drawing takes what the layout dialog applied, so that the page printed from here
      // is the one an export draws.
      OutputApp().CreateSimPlot(0);
      DrawPicture();
      break;
    }
    default:
      break;
  }
}

void Zef1Prev::PrinterChange() {
  PreviewPrinterSetup();
  Prev_Caption();
  const float w = float(PrinterPage.paperWidth), h = float(PrinterPage.paperHeight);
  if (!PageIsLandscape(w, h)) state_.orientation = int16_t(1 - state_.orientation);
  ApplyOrientation();
  FileStateValue(0);
  DrawPicture();
  ListAddTop(lstPrinters, PrinterDeviceName(), 0);
  lstPrinters->setCurrentIndex(0);
}

void Zef1Prev::lstPrinters_Click() {
  const QString name = lstPrinters->currentText();
  if (!QPrinterInfo::availablePrinterNames().contains(name)) return;
  if (name == SharedPrinter().printerName()) return;
  SharedPrinter().setPrinterName(name);
  PrinterChange();
}

void Zef1Prev::chkPageDesign_Click(int index) {
  const int value = chkPageDesign[index]->isChecked() ? 1 : 0;
  if (index == 0) {
    Pardata[48].Default = float(value);
    ShowFrame();
  } else {
    Pardata[56].Default = float(value);
    ColorSchemeBW(int16_t(value));
    DrawPicture();
  }
}

void Zef1Prev::ScaleBoxEnter() {
  if (!PreviewScaleTyped(FromQString(txtPrintScale[2]->text())))
    MsgBox("The print scale must be a number from 0.1 to 10.", 48, "");
  txtPrintScale[2]->setText(ToQString(PreviewScaleText()));
  ShowFrame();
}

bool Zef1Prev::eventFilter(QObject* watched, QEvent* event) {
  if (watched == txtPrintScale[2]) {
    if (event->type() == QEvent::FocusIn) state_.scaleEditing = true;
    if (event->type() == QEvent::FocusOut) {
      txtPrintScale[2]->setText(ToQString(PreviewScaleText()));
      state_.scaleEditing = false;
    }
    if (event->type() == QEvent::KeyPress) {
      auto* key = static_cast<QKeyEvent*>(event);
      if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        ScaleBoxEnter();
        return true;
      }
      return NumericKeyPress(txtPrintScale[2], key, true).consumed;
    }
  } else if (event->type() == QEvent::MouseButtonPress) {
    optPages[2]->setChecked(true);  // a click in either page box
  }
  return TagDialog::eventFilter(watched, event);
}

void Zef1Prev::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if ((key == Qt::Key_Return || key == Qt::Key_Enter) && !state_.scaleEditing) {
    cmdPrintPrev_Click(5);
  } else if (key == Qt::Key_Escape) {
    cmdPrintPrev_Click(6);
  } else if (key == Qt::Key_P) {
    cmdPrintPrev_Click(8);
  } else if (key == Qt::Key_C) {
    cmdPrintPrev_Click(4);
  } else {
    TagDialog::keyPressEvent(event);
  }
}

void Zef1Prev::resizeEvent(QResizeEvent* event) {
  TagDialog::resizeEvent(event);
  if (!picPrintSetup) return;
  const double tpp = TwipsPerPixel(this);
  const double left = picPrintSetup->x() * tpp, top = picPrintSetup->y() * tpp;
  const double w = std::max(width() * tpp - left - 4 * tpp, 1000.0);
  const double h = std::max(height() * tpp - 8 * tpp, 1000.0);
  PlaceTwips(picPrintSetup, left, top, w, h);
  if (Tag() == "OK") cmdPrintPrev_Click(4);
}
