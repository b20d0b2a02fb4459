#include "drawlib/util/list_items.h"

#include <gtest/gtest.h>

using namespace std::string_literals;

TEST(ListItems, SelectAndFill) {
  const std::vector<ListEntry> list = {{" a ", 1}, {"", 3}, {"b", 2}, {"  ", 1}, {"c", 3}};
  EXPECT_EQ(ListItemsByData(list, ";", 0), "a;b;c");
  EXPECT_EQ(ListItemsByData(list, ";", 1), "a;c");
  EXPECT_EQ(ListItemsByData(list, ";", 4), "");

  EXPECT_EQ(ListFill("x,,y,", ",", 7), (std::vector<ListEntry>{{"x", 7}, {"y", 7}}));
  EXPECT_EQ(ListFill("x y", "", 1), (std::vector<ListEntry>{{"x y", 1}}));  // no endless loop
}

TEST(ListItems, MostRecentlyUsedOnTop) {
  std::vector<ListEntry> list = {{"One", 0}, {"two", 0}, {"TWO", 5}, {"three", 0}};
  ListAddTop(list, "Two", 9);
  EXPECT_EQ(list, (std::vector<ListEntry>{{"Two", 9}, {"One", 0}, {"two", 0}, {"three", 0}}));
  ListAddTop(list, "new", 1);
  EXPECT_EQ(list.front(), (ListEntry{"new", 1}));
  EXPECT_EQ(list.size(), 5u);
}

TEST(ListItems, CaptionsJoinedByNul) {
  std::vector<CaptionEntry> menu = {{"a", true}, {"", false}, {"b", true}};
  EXPECT_EQ(CtrlCaptionsGet(menu), "a\0b"s);
  CtrlCaptionsSet(menu, "x\0\0z"s);
  EXPECT_EQ(menu, (std::vector<CaptionEntry>{{"x", true}, {"", false}, {"z", true}}));
  CtrlCaptionsSet(menu, "only"s);
  EXPECT_EQ(menu, (std::vector<CaptionEntry>{{"only", true}, {"", false}, {"", false}}));
  CtrlCaptionsSet(menu, "  ");  // blank: unchanged
  EXPECT_EQ(menu[0].caption, "only");
}
