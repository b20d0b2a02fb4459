// Placing controls by the twips geometry of a form, and a few control makers used by the
// print preview and the option dialogs. Captions are program text (Windows-1252).
#pragma once

#include <string>

class QWidget;
class QPushButton;
class QCheckBox;
class QRadioButton;
class QLabel;
class QLineEdit;
class QGroupBox;

// Moves and sizes the widget to the twips rectangle of its parent's client area.
void PlaceTwips(QWidget* widget, double left, double top, double width, double height);
// Sets the client size of the form in twips.
void SizeFormTwips(QWidget* form, double width, double height);
// The tooltip as program text.
void SetTip(QWidget* widget, const std::string& tip);

QPushButton* MakeButton(QWidget* parent, const std::string& caption, const std::string& tip = "");
QCheckBox* MakeCheck(QWidget* parent, const std::string& caption, const std::string& tip = "");
QRadioButton* MakeOption(QWidget* parent, const std::string& caption,
                         const std::string& tip = "");
QLabel* MakeLabel(QWidget* parent, const std::string& caption);
QGroupBox* MakeFrame(QWidget* parent, const std::string& caption);
QLineEdit* MakeTextBox(QWidget* parent, const std::string& tip = "");

// The window rectangle under the key of "Dialog Position and Size": restored on load, kept on
// unload.
void RestoreDialogPos(QWidget* form, const char* key);
void SaveDialogPos(const QWidget* form, const char* key);
