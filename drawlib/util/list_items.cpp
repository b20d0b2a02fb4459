#include "drawlib/util/list_items.h"

#include "drawlib/util/strings.h"
#include "platform/runtime_text.h"

std::string ListItemsByData(const std::vector<ListEntry>& list, std::string_view separator,
                            int32_t selector) {
  std::string joined;
  bool first = true;
  for (const ListEntry& entry : list) {
    std::string item = Trim(entry.text);
    if (item.empty()) continue;
    if (selector != 0 && (entry.data & selector) == 0) continue;
    if (!first) joined += separator;
    joined += item;
    first = false;
  }
  return joined;
}

std::vector<ListEntry> ListFill(std::string_view text, std::string_view separator, int32_t data) {
  std::vector<ListEntry> list;
  std::string rest(text);
  while (!rest.empty()) {
    std::string token = GetToken(rest, separator);
    if (!token.empty()) list.push_back(ListEntry{token, data});
  }
  return list;
}

void ListAddTop(std::vector<ListEntry>& list, std::string_view item, int16_t data) {
  const std::string key = UCase(item);
  for (std::size_t i = list.size(); i-- > 0;) {
    if (UCase(list[i].text) == key) {
      list.erase(list.begin() + std::ptrdiff_t(i));
      break;
    }
  }
  list.insert(list.begin(), ListEntry{std::string(item), data});
}

std::string CtrlCaptionsGet(const std::vector<CaptionEntry>& controls) {
  std::string joined;
  bool first = true;
  for (const CaptionEntry& c : controls) {
    if (c.caption.empty()) continue;
    if (!first) joined += '\0';
    joined += c.caption;
    first = false;
  }
  return joined;
}

void CtrlCaptionsSet(std::vector<CaptionEntry>& controls, std::string_view text) {
  if (Trim(text).empty()) return;
  std::string rest(text);
  for (CaptionEntry& c : controls) {
    std::string item = GetToken(rest, std::string_view("\0", 1));
    c.caption = item;
    c.visible = !item.empty();
  }
}
