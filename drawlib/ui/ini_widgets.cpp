#include "drawlib/ui/ini_widgets.h"

#include <QAction>
#include <QComboBox>
#include <QListWidget>

#include "drawlib/ini/cls_file_ini.h"
#include "drawlib/ini/libr_ini.h"
#include "platform/ui/qt_text.h"

namespace {

std::vector<std::string> Items(const QComboBox* list) {
  std::vector<std::string> items;
  for (int i = 0; i < list->count(); ++i) items.push_back(FromQString(list->itemText(i)));
  return items;
}

std::vector<std::string> Items(const QListWidget* list) {
  std::vector<std::string> items;
  for (int i = 0; i < list->count(); ++i) items.push_back(FromQString(list->item(i)->text()));
  return items;
}

}  // namespace

void INItoList(QComboBox* list, std::string_view section) {
  std::vector<std::string> items;
  INItoList(items, section);
  list->clear();
  for (const std::string& item : items) list->addItem(ToQString(item));
}

void INItoList(QListWidget* list, std::string_view section) {
  std::vector<std::string> items;
  INItoList(items, section);
  list->clear();
  for (const std::string& item : items) list->addItem(ToQString(item));
}

bool ListToINI(const QComboBox* list, std::string_view section) {
  return ListToINI(Items(list), section);
}

bool ListToINI(const QListWidget* list, std::string_view section) {
  return ListToINI(Items(list), section);
}

std::vector<std::string> MenuCaptions(const std::vector<QAction*>& menu) {
  std::vector<std::string> captions;
  for (const QAction* item : menu) captions.push_back(item ? FromQString(item->text()) : "");
  return captions;
}

bool CtrlMenuToINI(const std::vector<QAction*>& menu, std::string_view section) {
  return CtrlMenuToINI(MenuCaptions(menu), section);
}

bool MenuToINI(clsFileINI& file, const std::vector<QAction*>& menu, std::string_view section) {
  return file.MenuToINI(MenuCaptions(menu), section);
}

void INItoMenu(clsFileINI& file, const std::vector<QAction*>& menu, std::string_view section) {
  std::vector<std::string> captions = MenuCaptions(menu);
  file.INItoMenu(captions, section);
  for (std::size_t i = 0; i < menu.size(); ++i) {
    if (menu[i] && FromQString(menu[i]->text()) != captions[i])
      menu[i]->setText(ToQString(captions[i]));
  }
}
