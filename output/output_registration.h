// Start-up of printing and export: registers the output services with the main window and the
// printer control with the drawing library.
#pragma once

void OutputServicesRegister();
