// The shipped help topics (data/help/<context number>.html): every page is a titled HTML page,
// every link between topics leads to a topic, and the contents page reaches every topic.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "platform/help_viewer.h"

namespace {

namespace fs = std::filesystem;

// data/help of the source tree.
std::string HelpFolder() { return KAVO_HELP_TOPICS; }

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

bool AllDigits(const std::string& s) {
  return !s.empty() && s.find_first_not_of("0123456789") == std::string::npos;
}

// The topics of the links href="<number>.html".
std::set<int> LinkedTopics(const std::string& html) {
  std::set<int> ids;
  const std::string open = "href=\"";
  for (size_t at = html.find(open); at != std::string::npos; at = html.find(open, at + 1)) {
    const size_t start = at + open.size();
    const size_t end = html.find(".html\"", start);
    if (end != std::string::npos && AllDigits(html.substr(start, end - start)))
      ids.insert(std::stoi(html.substr(start, end - start)));
  }
  return ids;
}

// The element holds text: <tag>something</tag>.
bool HasTextElement(const std::string& html, const std::string& tag) {
  const size_t open = html.find("<" + tag + ">");
  if (open == std::string::npos) return false;
  const size_t start = open + tag.size() + 2;
  const size_t close = html.find("</" + tag + ">", start);
  return close != std::string::npos && close > start &&
         html.substr(start, close - start).find('<') == std::string::npos;
}

}  // namespace

TEST(HelpTopics, EveryTopicIsATitledPageAndEveryLinkLeadsToATopic) {
  std::set<int> topics;
  for (const auto& entry : fs::directory_iterator(HelpFolder())) {
    const std::string name = entry.path().stem().string();
    ASSERT_EQ(entry.path().extension(), ".html") << entry.path();
    ASSERT_TRUE(AllDigits(name)) << entry.path();
    topics.insert(std::stoi(name));
  }
  ASSERT_GT(topics.size(), 40u);

  for (int id : topics) {
    SCOPED_TRACE(id);
    const std::string html = ReadFile(HelpTopicPath(HelpFolder(), id));
    EXPECT_NE(html.find("<meta charset=\"utf-8\">"), std::string::npos);
    EXPECT_TRUE(HasTextElement(html, "title"));
    EXPECT_TRUE(HasTextElement(html, "h1"));
    EXPECT_NE(html.find("</html>"), std::string::npos);
    for (int target : LinkedTopics(html)) EXPECT_TRUE(topics.count(target)) << "link to " << target;
  }

  std::set<int> reachable = LinkedTopics(ReadFile(HelpTopicPath(HelpFolder(), 70)));
  reachable.insert(70);
  EXPECT_EQ(reachable, topics);
}

namespace {

// Topics that answer a chemist's questions name what they explain: the members of the type
// groups, the meaning of the exchange box, and every choice of the export settings.
TEST(HelpTopics, TopicsNameWhatTheyExplain) {
  struct Case {
    int topic;
    std::vector<std::string> phrases;
  };
  const Case cases[] = {
      {72, {"8-Spin", "AB2", "ABX", "AA'BB'", "first-order", "kab+kba", "<i>sum</i>"}},
      {520, {"WMF-P", "WMF-S", "printer", "screen", "EMF", "GIF", "Drawing Frame",
             "L &amp; R Margins", "Page"}},
  };
  for (const Case& c : cases) {
    const std::string html = ReadFile(HelpFolder() + "/" + std::to_string(c.topic) + ".html");
    for (const std::string& phrase : c.phrases)
      EXPECT_NE(html.find(phrase), std::string::npos) << c.topic << ": " << phrase;
  }
}

}  // namespace
