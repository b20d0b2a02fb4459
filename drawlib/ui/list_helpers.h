// List-box, combo-box and menu helpers on Qt widgets. Item data (the runtime's ItemData) is kept
// in Qt::UserRole as an int; texts are Windows-1252 program text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class QAction;
class QComboBox;
class QListWidget;

// The trimmed non-empty items whose data shares a bit with the selector (all when it is 0),
// joined by the separator.
std::string ListItemsByData(const QListWidget* list, std::string_view separator, int32_t selector);
std::string ListItemsByData(const QComboBox* list, std::string_view separator, int32_t selector);
// Clears the list and adds every non-empty token of the text, each with the given data.
void ListFill(QListWidget* list, std::string_view text, std::string_view separator, int32_t data);
void ListFill(QComboBox* list, std::string_view text, std::string_view separator, int32_t data);
// Removes the last entry equal to the item without regard to case and inserts the item at the
// top with the given data (a most-recently-used list).
void ListAddTop(QListWidget* list, std::string_view item, int16_t data);
void ListAddTop(QComboBox* list, std::string_view item, int16_t data);

// The non-empty captions of the menu items in order, joined by NUL characters.
std::string CtrlCaptionsGet(const std::vector<QAction*>& items);
// When the text is not blank: each item takes the next NUL-separated caption; a non-empty one
// shows the item, an empty one clears and hides it.
void CtrlCaptionsSet(const std::vector<QAction*>& items, std::string_view text);
