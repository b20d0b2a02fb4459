// The entries of the print preview and the export dialog for the main window's commands.
#pragma once

#include <string>

class QWidget;

// Shows the print preview; prints the current page when the returned request holds it.
void PrintWithPreview(QWidget* parent);
// Shows the export dialog with the settings text; returns its tag ("" when cancelled).
std::string ExportSetupDialog(QWidget* parent, const std::string& settings);
