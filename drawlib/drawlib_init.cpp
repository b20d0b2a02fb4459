#include "drawlib/drawlib_init.h"

#include <cmath>

#include "drawlib/color_scheme.h"
#include "drawlib/device/output_object.h"
#include "drawlib/device/pen_cache.h"
#include "drawlib/device/world_lines.h"
#include "drawlib/device/world_window.h"
#include "drawlib/ini/libr_ini.h"
#include "drawlib/linetypes/draw_alt_bnd.h"
#include "drawlib/document_services.h"
#include "drawlib/pardata.h"
#include "drawlib/params_apply.h"
#include "drawlib/pending_events.h"
#include "drawlib/ps_interface.h"
#include "drawlib/steps/output_switch.h"
#include "drawlib/steps/step_list.h"
#include "drawlib/text/label_attrs.h"
#include "drawlib/text/label_layout.h"
#include "drawlib/text/label_render.h"
#include "drawlib/util/util_reset.h"

std::array<uint16_t, 16> BitMask{};
int16_t LibraryMode = 0;

void DrawLibInit(OutputObject* picture) {
  WorldWindow.zoom = 1.0f;
  SchemePaletteFlag = true;
  for (int i = 0; i < 16; ++i) BitMask[i] = static_cast<uint16_t>(1u << i);
  LibraryMode = 1;
  PardataBuild();
  FileInit();
  StylesInit(-1);
  DoEvents();
  if (picture) {
    picture->SetForeColor(SchemeForeColor);
    picture->SetBackColor(SchemeBackColor);
    picture->SetDrawStyle(0);
    picture->SetDrawMode(13);
  }
  OutputFlags = kOutputFlagsScreen;
}

void PolarToXY(float angleDeg, float lengthMM, float& x, float& y) {
  const float r = std::fabs(lengthMM) * 40.2f;
  const float t = angleDeg * 0.017453294f;
  x = static_cast<float>(double(r) * std::cos(double(t)));
  y = static_cast<float>(double(r) * std::sin(double(t)));
  if (!std::isfinite(x) || !std::isfinite(y)) x = y = 0.0f;
}

void EmptyTextProc(const std::string& /*text*/) {}

void DrawLibReset() {
  Pardata = {};
  BitMask = {};
  LibraryMode = 0;
  ColorScheme = ColorSchemeRec{};
  SchemeSaved = ColorSchemeRec{};
  SchemeBackIndex = SchemeModIndex = SchemeHighIndex = SchemeHandIndex = 0;
  SchemeBackColor = SchemeModColor = SchemeForeColor = SchemeTextColor = 0;
  SchemeBlackOnWhite = false;
  SchemePaletteFlag = false;
  PrintableRect = {};
  PaperRect = {};
  PrinterPage = {};
  TextLayerReset();
  LabelLayoutReset();
  LabelRenderReset();
  WorldWindow = {};
  OutputFlags = kOutputFlagsScreen;
  OutputTarget = nullptr;
  DrawOptions = 0;
  PenCacheReset();
  WorldLinesReset();
  LineTypesReset();
  StepListReset();
  OutputSwitchReset();
  ResetUtilState();
  IniResetForTests();
}
