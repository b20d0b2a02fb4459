#include "drawlib/ui/list_helpers.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QListWidget>

using namespace std::string_literals;

namespace {

std::vector<std::string> Texts(const QListWidget& l) {
  std::vector<std::string> t;
  for (int i = 0; i < l.count(); ++i) t.push_back(l.item(i)->text().toStdString());
  return t;
}

TEST(ListHelpers, ListWidgetFillSelectAndMostRecentlyUsed) {
  QListWidget list;
  ListFill(&list, "a|b||c", "|", 2);
  EXPECT_EQ(Texts(list), (std::vector<std::string>{"a", "b", "c"}));
  list.item(1)->setData(Qt::UserRole, 4);
  EXPECT_EQ(ListItemsByData(&list, ",", 2), "a,c");
  EXPECT_EQ(ListItemsByData(&list, ",", 0), "a,b,c");
  ListAddTop(&list, "B", 8);
  EXPECT_EQ(Texts(list), (std::vector<std::string>{"B", "a", "c"}));
  EXPECT_EQ(list.item(0)->data(Qt::UserRole).toInt(), 8);
}

TEST(ListHelpers, ComboBoxKeepsItemDataAndTextsOutsideAscii) {
  QComboBox box;
  ListFill(&box, "\xE9t\xE9;x", ";", 3);  // Windows-1252 e-acute
  ASSERT_EQ(box.count(), 2);
  EXPECT_EQ(box.itemText(0), QString::fromUtf8("\u00e9t\u00e9"));
  ListAddTop(&box, "X", 1);
  EXPECT_EQ(box.count(), 2);
  EXPECT_EQ(box.itemText(0), "X");
  EXPECT_EQ(box.itemData(0, Qt::UserRole).toInt(), 1);
  EXPECT_EQ(ListItemsByData(&box, ";", 2), "\xE9t\xE9");
}

TEST(ListHelpers, MenuCaptions) {
  QAction a("one"), b(""), c("three");
  std::vector<QAction*> menu = {&a, &b, &c};
  EXPECT_EQ(CtrlCaptionsGet(menu), "one\0three"s);
  CtrlCaptionsSet(menu, "x\0y"s);
  EXPECT_EQ(a.text(), "x");
  EXPECT_EQ(b.text(), "y");
  EXPECT_TRUE(b.isVisible());
  EXPECT_EQ(c.text(), "");
  EXPECT_FALSE(c.isVisible());
}

}  // namespace
