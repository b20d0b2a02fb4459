#include "mainwin/printer_page.h"

#include "drawlib/params_apply.h"
#include "drawlib/ps_interface.h"

double PrinterPaperWidthWorld() {
  if (PrinterPage.paperWidth > 0) return PrinterPage.paperWidth;
  return 2 * kLetterHalfWidth;
}
