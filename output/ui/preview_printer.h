// The printer the preview sets up and prints on: one QPrinter for the program, its page sizes
// given to the drawing library, and the print of the current page with its footer. With no
// printer installed the page is a 600-dpi Letter page.
#pragma once

class QPrinter;

QPrinter& SharedPrinter();
// The printer's orientation from preference 20, its paper and printable sizes in world units
// at the print scale stored for the drawing library.
void PreviewPrinterSetup();
// The name of the program's printer when no system printer is there.
inline constexpr const char* kPdfFilePrinterName = "PDF file";
// The printer's device name: the system printer's, or "PDF file".
const char* PrinterDeviceName();

