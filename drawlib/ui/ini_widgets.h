// The settings-file list and menu helpers on Qt widgets: thin adapters over the text forms in
// drawlib/ini (a list's items in order; a menu control array indexed by Index, nullptr where
// the array has no control).
#pragma once

#include <string>
#include <string_view>
#include <vector>

class QAction;
class QComboBox;
class QListWidget;
class clsFileINI;

void INItoList(QComboBox* list, std::string_view section);
void INItoList(QListWidget* list, std::string_view section);
bool ListToINI(const QComboBox* list, std::string_view section);
bool ListToINI(const QListWidget* list, std::string_view section);
bool CtrlMenuToINI(const std::vector<QAction*>& menu, std::string_view section);
bool MenuToINI(clsFileINI& file, const std::vector<QAction*>& menu, std::string_view section);
void INItoMenu(clsFileINI& file, const std::vector<QAction*>& menu, std::string_view section);

// The captions of a menu control array (empty where there is no control).
std::vector<std::string> MenuCaptions(const std::vector<QAction*>& menu);
