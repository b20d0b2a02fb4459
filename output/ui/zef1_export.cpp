#include "output/ui/zef1_export.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSignalBlocker>

#include <functional>

#include "output/export_resolution.h"
#include "output/output_host.h"
#include "output/ui/twips_layout.h"
#include "platform/ui/qt_text.h"

namespace {

constexpr const char* kPositionKey = "ExportSetup";
constexpr int32_t kExportHelpTopic = 5971;

QButtonGroup* Group(QWidget* owner, QRadioButton* const* buttons, int count,
                    const std::function<void(int)>& click) {
  auto* group = new QButtonGroup(owner);
  for (int i = 0; i < count; ++i) group->addButton(buttons[i], i);
  QObject::connect(group, &QButtonGroup::idClicked, owner, click);
  return group;
}

}  // namespace

Zef1Export::Zef1Export(QWidget* parent) : TagDialog(parent) {
  setWindowTitle("Export Setup");
  SizeFormTwips(this, 8160, 5160);

  fraGraphics = MakeFrame(this, "Type of Graphics");
  PlaceTwips(fraGraphics, 120, 120, 5280, 2280);
  const char* graphicsTips[kGraphicsOptions] = {
      "", "", "BMP images can be very large - use only for small pictures", "",
      "GIF - Most common graphics format for web pages", ""};
  for (int i = 0; i < kGraphicsOptions; ++i) {
    optGraphics[i] = MakeOption(fraGraphics, model_.GraphicsCaption(i), graphicsTips[i]);
    PlaceTwips(optGraphics[i], 120, 300 + i * 320, 5040, 300);
  }
  fraFrame = MakeFrame(this, "Framing");
  PlaceTwips(fraFrame, 5520, 120, 2520, 1560);
  const char* frameCaptions[kFrameOptions] = {"Modify Box", "L && R Margins", "Drawing Frame",
                                              "Page"};
  const char* frameTips[kFrameOptions] = {
      "Use the Modify box as the image border (will use Margins if not in Modify)",
      "Use paper margins as left/right boundary, top/bottom limits of drawing",
      "Create a minimal drawing boundary to enclose the drawing",
      "Use the page margins as drawing boundary"};
  for (int i = 0; i < kFrameOptions; ++i) {
    // "&&" shows as one "&", as the caption is meant to read.
    optFrame[i] = MakeOption(fraFrame, frameCaptions[i], frameTips[i]);
    PlaceTwips(optFrame[i], 120, 300 + i * 300, 2400, 280);
  }
  fraOutput = MakeFrame(this, "Output To:");
  PlaceTwips(fraOutput, 5520, 1800, 2520, 960);
  optOutput[0] = MakeOption(fraOutput, "Disk File", "Save image to disk");
  optOutput[1] = MakeOption(fraOutput, "Clipboard", "Place image in the clipboard");
  for (int i = 0; i < kOutputOptions; ++i) PlaceTwips(optOutput[i], 120, 300 + i * 300, 2400, 280);

  chkEMF = MakeCheck(this, "Enhanced MF");
  chkIncludeZEF = MakeCheck(this, "Include ZEF in EMF",
                            "Place a copy of the ZEF drawing in the metafile");
  chkGIFTransparent = MakeCheck(this, "GIF Transparent Background");
  chkLineSmooth = MakeCheck(this, "BMP GIF JPG Line Smoothing");
  PlaceTwips(chkEMF, 240, 2520, 2160, 300);
  PlaceTwips(chkIncludeZEF, 2520, 2520, 2160, 300);
  PlaceTwips(chkGIFTransparent, 240, 2880, 3600, 300);
  PlaceTwips(chkLineSmooth, 240, 3240, 3600, 300);
  chkIncludeZEF->setEnabled(false);

  Label1 = MakeLabel(this, "");
  PlaceTwips(Label1, 240, 3660, 7200, 300);
  lblInfo = MakeLabel(this, "");
  lblInfo->setWordWrap(true);
  PlaceTwips(lblInfo, 240, 3960, 7200, 600);

  cmdExit = MakeButton(this, "OK");
  cmdCancel = MakeButton(this, "Cancel");
  cmdHelp = MakeButton(this, "Help");
  PlaceTwips(cmdExit, 3360, 4620, 1440, 420);
  PlaceTwips(cmdCancel, 4980, 4620, 1440, 420);
  PlaceTwips(cmdHelp, 6600, 4620, 1440, 420);
  cmdExit->setDefault(true);

  Group(this, optGraphics.data(), kGraphicsOptions, [this](int i) { optGraphics_Click(i); });
  Group(this, optFrame.data(), kFrameOptions, [this](int i) { optFrame_Click(i); });
  Group(this, optOutput.data(), kOutputOptions, [this](int i) { optOutput_Click(i); });
  connect(chkEMF, &QCheckBox::clicked, this, [this] { chkEMF_Click(); });
  for (QCheckBox* box : {chkIncludeZEF, chkGIFTransparent, chkLineSmooth})
    connect(box, &QCheckBox::clicked, this, [this, box] {
      if (box == chkIncludeZEF) model_.includeZEF = box->isChecked();
      if (box == chkGIFTransparent) model_.gifTransparent = box->isChecked();
      if (box == chkLineSmooth) model_.lineSmooth = box->isChecked();
      ShowCapt();
    });
  connect(cmdExit, &QPushButton::clicked, this, [this] { cmdExit_Click(); });
  connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
  connect(cmdHelp, &QPushButton::clicked, this, [this] { cmdHelp_Click(); });

  // Form_Load
  RestoreDialogPos(this, kPositionKey);
  optFrame[0]->hide();
  chkIncludeZEF->hide();
  optGraphics[5]->hide();
  ShowModel();
}

Zef1Export::~Zef1Export() {
  SetTag("");
  SaveDialogPos(this, kPositionKey);
}

void Zef1Export::showEvent(QShowEvent* event) {
  TagDialog::showEvent(event);
  if (!event->spontaneous()) Form_Activate();
}

void Zef1Export::Form_Activate() {
  model_ = ExportSetup{};
  model_.ApplyInput(Tag());
  lblInfo->setText(ToQString(ExportInfoText(ExportPrintScale())));
  ShowModel();
}

void Zef1Export::ShowModel() {
  for (int i = 0; i < kGraphicsOptions; ++i) {
    optGraphics[i]->setText(ToQString(model_.GraphicsCaption(i)));
    optGraphics[i]->setChecked(i == model_.graphics);
  }
  for (int i = 0; i < kFrameOptions; ++i) optFrame[i]->setChecked(i == model_.frame);
  for (int i = 0; i < kOutputOptions; ++i) optOutput[i]->setChecked(i == model_.output);
  optOutput[1]->setEnabled(model_.clipboardEnabled);
  chkEMF->setChecked(model_.emf);
  chkIncludeZEF->setEnabled(model_.emf);
  chkIncludeZEF->setChecked(model_.includeZEF);
  chkGIFTransparent->setChecked(model_.gifTransparent);
  chkLineSmooth->setChecked(model_.lineSmooth);
  ShowCapt();
}

void Zef1Export::ShowCapt() { Label1->setText(ToQString(model_.ShowCapt())); }

void Zef1Export::optGraphics_Click(int index) {
  model_.ClickGraphics(int16_t(index));
  ShowModel();
}
void Zef1Export::optFrame_Click(int index) {
  model_.ClickFrame(int16_t(index));
  ShowModel();
}
void Zef1Export::optOutput_Click(int index) {
  model_.ClickOutput(int16_t(index));
  ShowModel();
}
void Zef1Export::chkEMF_Click() {
  model_.SetEMF(chkEMF->isChecked());
  ShowModel();
}

void Zef1Export::cmdExit_Click() {
  SetTag(FromQString(Label1->text()));
  HideDialog();
}

void Zef1Export::cmdCancel_Click() {
  SetTag("");
  HideDialog();
}

void Zef1Export::cmdHelp_Click() { OutputApp().HelpShowTopic(kExportHelpTopic); }
