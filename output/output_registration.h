// Start-up of printing and export: registers the output services with the main window and the
// printer control with the drawing library.
#pragma once

void OutputServicesRegister();
// The export entry, the renderer and the print command without the dialogs' windows; the main
// window's dialog services pass exports and rendering on to them.
class OutputServices;
OutputServices& PrintAndExportServices();
