#include "drawlib/util/strings.h"

#include <algorithm>
#include <cstring>

#include "platform/runtime_text.h"

std::string GetToken(std::string& text, std::string_view separator) {
  std::size_t at = separator.empty() ? std::string::npos : text.find(separator);
  if (at == std::string::npos) {
    std::string whole = std::move(text);
    text.clear();
    return whole;
  }
  std::string token = text.substr(0, at);
  text.erase(0, at + separator.size());
  return token;
}

std::string ReplaceAll(std::string_view text, std::string_view find, std::string_view replacement,
                       int32_t& start) {
  std::string result(text);
  if (find.empty()) return result;
  if (start < 1) start = 1;
  while (start >= 1 && std::size_t(start) <= result.size()) {
    std::size_t at = result.find(find, std::size_t(start) - 1);
    if (at == std::string::npos) {
      start = 0;
      break;
    }
    result.replace(at, find.size(), replacement);
    start = int32_t(at + replacement.size()) + 1;
  }
  return result;
}

std::string ReplaceAll(std::string_view text, std::string_view find, std::string_view replacement) {
  int32_t start = 1;
  return ReplaceAll(text, find, replacement, start);
}

std::string TrimNul(std::string& text, int16_t keepLeading) {
  std::size_t end = text.size();
  while (end > 0 && (text[end - 1] == ' ' || text[end - 1] == '\0')) --end;
  std::size_t begin = 0;
  if (keepLeading == 0) {
    while (begin < end && text[begin] == ' ') ++begin;
  }
  text = text.substr(begin, end - begin);
  return text;
}

std::string CutAtControl(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && static_cast<unsigned char>(text[i]) >= 32) ++i;
  return std::string(text.substr(0, i));
}

int16_t DigitAt(std::string_view text, int16_t position) {
  if (position < 1 || std::size_t(position) > text.size()) return -1;
  return int16_t(static_cast<unsigned char>(text[std::size_t(position) - 1]) - 48);
}

std::string TextBetween(std::string_view text, std::string_view startMarker,
                        std::string_view endMarker, int32_t& position) {
  std::size_t from = position > 1 ? std::size_t(position) - 1 : 0;
  if (from > text.size()) return std::string();
  std::size_t open = text.find(startMarker, from);
  if (open == std::string_view::npos) return std::string();
  std::size_t inner = open + startMarker.size();
  std::size_t close = text.find(endMarker, inner);
  if (close == std::string_view::npos) return std::string();
  position = int32_t(close + endMarker.size()) + 1;
  return std::string(text.substr(inner, close - inner));
}

namespace {
std::string OpenTag(std::string_view tag) { return "<" + std::string(tag) + ">"; }
std::string CloseTag(std::string_view tag) { return "</" + std::string(tag) + ">"; }
}  // namespace

std::string TagGet(std::string_view text, std::string_view tag) {
  int32_t position = 1;
  return TextBetween(text, OpenTag(tag), CloseTag(tag), position);
}

std::string TagSet(std::string_view text, std::string_view tag, std::string_view value) {
  const std::string open = OpenTag(tag), close = CloseTag(tag);
  std::size_t at = text.find(open);
  std::string result(text);
  if (at == std::string_view::npos) return result + open + std::string(value) + close;
  std::size_t inner = at + open.size();
  std::size_t end = text.find(close, inner);
  if (end == std::string_view::npos) {
    result.insert(inner, std::string(value) + close);
  } else {
    result.replace(inner, end - inner, value);
  }
  return result;
}

std::string MarkupEscape(std::string_view text) {
  std::string s = ReplaceAll(text, "^", "^^");
  for (const char* c : {"\\", "|", "~", "{", "}"}) s = ReplaceAll(s, c, std::string("^") + c);
  return ReplaceAll(s, "_", " _");
}

int16_t MarkupScan(std::string_view text, char opening, char closing, int16_t start) {
  int depth = 0;
  for (long i = long(start) + 1; i >= 1 && std::size_t(i) <= text.size(); ++i) {
    char c = text[std::size_t(i) - 1];
    if (c == opening) {
      ++depth;
    } else if (c == closing) {
      if (--depth == -1) return int16_t(i > 32767 ? 0 : i);
    }
  }
  return 0;
}

std::string ArrayJoin(const std::vector<std::string>& items, std::string_view separator,
                      int16_t last) {
  std::string joined;
  for (int i = 0; i <= last && std::size_t(i) < items.size(); ++i) {
    if (i > 0) joined += separator;
    joined += items[std::size_t(i)];
  }
  return joined;
}

void ArraySplit(std::string_view text, std::vector<std::string>& items, std::string_view separator,
                std::string_view filler) {
  for (auto& item : items) item = std::string(filler);
  std::string rest(text);
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (Trim(rest).empty()) break;
    std::string token = Trim(GetToken(rest, separator));
    if (!token.empty()) items[i] = token;
  }
}

int16_t StrToInt(std::string_view text) {
  uint8_t b[2] = {0, 0};
  if (!text.empty()) std::memcpy(b, text.data(), std::min<std::size_t>(2, text.size()));
  return int16_t(uint16_t(b[0] | (b[1] << 8)));
}

int32_t StrToLong(std::string_view text) {
  uint8_t b[4] = {0, 0, 0, 0};
  if (!text.empty()) std::memcpy(b, text.data(), std::min<std::size_t>(4, text.size()));
  return int32_t(uint32_t(b[0]) | (uint32_t(b[1]) << 8) | (uint32_t(b[2]) << 16) |
                 (uint32_t(b[3]) << 24));
}

float BytesToSngl(std::span<const uint8_t> bytes) {
  if (bytes.size() < 4) return 0.0f;
  float value;
  std::memcpy(&value, bytes.data(), 4);
  return value;
}
