// The printer paper's width in world units, as the print set-up stored it; a Letter page when no
// printer size is known yet.
#pragma once

double PrinterPaperWidthWorld();
