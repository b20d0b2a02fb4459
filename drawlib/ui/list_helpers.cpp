#include "drawlib/ui/list_helpers.h"

#include <QAction>
#include <QComboBox>
#include <QListWidget>

#include "drawlib/util/list_items.h"
#include "platform/ui/qt_text.h"

namespace {

std::vector<ListEntry> Entries(const QListWidget* list) {
  std::vector<ListEntry> entries;
  for (int i = 0; i < list->count(); ++i) {
    const QListWidgetItem* item = list->item(i);
    entries.push_back({FromQString(item->text()), item->data(Qt::UserRole).toInt()});
  }
  return entries;
}

std::vector<ListEntry> Entries(const QComboBox* list) {
  std::vector<ListEntry> entries;
  for (int i = 0; i < list->count(); ++i) {
    entries.push_back({FromQString(list->itemText(i)), list->itemData(i, Qt::UserRole).toInt()});
  }
  return entries;
}

void Store(QListWidget* list, const std::vector<ListEntry>& entries) {
  list->clear();
  for (const ListEntry& e : entries) {
    auto* item = new QListWidgetItem(ToQString(e.text));
    item->setData(Qt::UserRole, e.data);
    list->addItem(item);
  }
}

void Store(QComboBox* list, const std::vector<ListEntry>& entries) {
  const QString shown = list->isEditable() ? list->currentText() : QString();
  list->clear();
  for (const ListEntry& e : entries) list->addItem(ToQString(e.text), e.data);
  if (list->isEditable()) list->setEditText(shown);
}

}  // namespace

std::string ListItemsByData(const QListWidget* list, std::string_view separator, int32_t selector) {
  return ListItemsByData(Entries(list), separator, selector);
}
std::string ListItemsByData(const QComboBox* list, std::string_view separator, int32_t selector) {
  return ListItemsByData(Entries(list), separator, selector);
}

void ListFill(QListWidget* list, std::string_view text, std::string_view separator, int32_t data) {
  Store(list, ListFill(text, separator, data));
}
void ListFill(QComboBox* list, std::string_view text, std::string_view separator, int32_t data) {
  Store(list, ListFill(text, separator, data));
}

void ListAddTop(QListWidget* list, std::string_view item, int16_t data) {
  std::vector<ListEntry> entries = Entries(list);
  ListAddTop(entries, item, data);
  Store(list, entries);
}
void ListAddTop(QComboBox* list, std::string_view item, int16_t data) {
  std::vector<ListEntry> entries = Entries(list);
  ListAddTop(entries, item, data);
  Store(list, entries);
}

std::string CtrlCaptionsGet(const std::vector<QAction*>& items) {
  std::vector<CaptionEntry> captions;
  for (const QAction* a : items) captions.push_back({FromQString(a->text()), a->isVisible()});
  return CtrlCaptionsGet(captions);
}

void CtrlCaptionsSet(const std::vector<QAction*>& items, std::string_view text) {
  std::vector<CaptionEntry> captions;
  for (const QAction* a : items) captions.push_back({FromQString(a->text()), a->isVisible()});
  CtrlCaptionsSet(captions, text);
  for (std::size_t i = 0; i < items.size(); ++i) {
    items[i]->setText(ToQString(captions[i].caption));
    items[i]->setVisible(captions[i].visible);
  }
}
