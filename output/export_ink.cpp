#include "output/export_ink.h"

#include <algorithm>
#include <exception>
#include <vector>

#include "drawlib/color_scheme.h"
#include "drawlib/device/pen_cache.h"
#include "drawlib/device/world_lines.h"
#include "drawlib/device/world_window.h"
#include "drawlib/steps/step_list.h"
#include "drawlib/text/label_attrs.h"
#include "drawlib/text/text_fonts.h"
#include "output/export_flags.h"
#include "output/export_pictures.h"
#include "output/render_output.h"
#include "output/render_targets.h"
#include "platform/gdi/ink_bounds_device.h"

namespace {

constexpr uint32_t kOptionPostScript = 0x0100;
// Drawn as a metafile on a device context: the text sizes and pen widths of every export.
constexpr uint16_t kMeasureFlags = 0x0042;

// The library state the measuring pass changes, put back however it ends.
class MeasureState {
 public:
  MeasureState()
      : window_(WorldWindow), flags_(OutputFlags), reference_(ReferenceDevice),
        measure_(TextMeasureDevice), options_(DrawOptions) {}
  ~MeasureState() {
    WorldWindow = window_;
    OutputFlags = flags_;
    ReferenceDevice = reference_;
    TextMeasureDevice = measure_;
    DrawOptions = options_;
  }
  MeasureState(const MeasureState&) = delete;
  MeasureState& operator=(const MeasureState&) = delete;

 private:
  WorldWindowRec window_;
  uint16_t flags_;
  Device* reference_;
  Device* measure_;
  uint32_t options_;
};

}  // namespace

void ExportInkExtend(OutputRegion& r, uint16_t flags) {
  ExportPictures* pictures = RegisteredExportPictures();
  Device* measure = pictures ? pictures->MeasureDevice() : nullptr;
  if (!measure || !(r.right > r.left) || !(r.top > r.bottom)) return;
  std::vector<int16_t> marks(size_t(kStepListUBound) + 1, 0);
  if (!FunMarkPointinRect(marks, r.left, r.bottom, r.right, r.top, 0)) return;
  InkBoundsDevice ink(measure);
  WorldWindowRec mapped;
  {
    MeasureState state;
    // PostScript has no printer scale of its own: it is measured as a screen picture.
    const uint16_t scale = (flags & kExportGdi) ? flags : uint16_t(flags | kExportScreenRef);
    float widthTwips = 0, heightTwips = 0;
    SetExportWorldWindow(r, uint16_t(scale & ~kExportPrinter), widthTwips, heightTwips);
    mapped = WorldWindow;
    if (!(mapped.sx > 0) || !(mapped.sy > 0)) return;
    OutputFlags = kMeasureFlags;
    ReferenceDevice = measure;
    TextMeasureDevice = measure;
    DrawOptions &= ~kOptionPostScript;
    try {
      PenSetAPI(&ink, 1, int32_t(SchemeForeColor), 4);
      LabelAttrReset(&ink);
      PenSetStyleColor(&ink, uint16_t(LabelAttrs[kSlotPen]), TextColourIndex, 0);
      WorldLineTo(&ink, -9999, -9999, -9999, -9999, 0);
      int16_t first = 1;
      DrawSteps(&ink, first, StepCountGet(), marks);
    } catch (const std::exception&) {
      // A drawing that cannot be measured keeps the extents it has; the export reports it.
    }
    FontSetMeasure(measure, 0);
    PenSetAPI(&ink, 0, 0, 0);
    FontSetAPI(&ink, 0);
  }
  if (!ink.Inked()) return;
  const GdiBox box = ink.Ink();
  r.left = std::min(r.left, mapped.x0 + float(box.left) / mapped.sx);
  r.right = std::max(r.right, mapped.x0 + float(box.right + 1) / mapped.sx);
  r.top = std::max(r.top, mapped.y0 - float(box.top) / mapped.sy);
  r.bottom = std::min(r.bottom, mapped.y0 - float(box.bottom + 1) / mapped.sy);
}
