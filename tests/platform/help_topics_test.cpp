// The shipped help topics (data/help/<context number>.html): every page is a titled HTML page,
// every link between topics leads to a topic, and the contents page reaches every topic.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "platform/help_viewer.h"

namespace {

namespace fs = std::filesystem;

// data/help of the source tree that holds this file (tests/platform/).
std::string HelpFolder() {
  return (fs::path(__FILE__).parent_path() / ".." / ".." / "data" / "help")
      .lexically_normal()
      .string();
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::set<int> LinkedTopics(const std::string& html) {
  static const std::regex link(R"(href="(\d+)\.html")");
  std::set<int> ids;
  for (auto it = std::sregex_iterator(html.begin(), html.end(), link);
       it != std::sregex_iterator(); ++it)
    ids.insert(std::stoi((*it)[1]));
  return ids;
}

}  // namespace

TEST(HelpTopics, EveryTopicIsATitledPageAndEveryLinkLeadsToATopic) {
  std::set<int> topics;
  for (const auto& entry : fs::directory_iterator(HelpFolder())) {
    const std::string name = entry.path().stem().string();
    ASSERT_EQ(entry.path().extension(), ".html") << entry.path();
    ASSERT_TRUE(std::regex_match(name, std::regex(R"(\d+)"))) << entry.path();
    topics.insert(std::stoi(name));
  }
  ASSERT_GT(topics.size(), 40u);

  for (int id : topics) {
    SCOPED_TRACE(id);
    const std::string html = ReadFile(HelpTopicPath(HelpFolder(), id));
    EXPECT_NE(html.find("<meta charset=\"utf-8\">"), std::string::npos);
    EXPECT_TRUE(std::regex_search(html, std::regex("<title>[^<]+</title>")));
    EXPECT_TRUE(std::regex_search(html, std::regex("<h1>[^<]+</h1>")));
    EXPECT_NE(html.find("</html>"), std::string::npos);
    for (int target : LinkedTopics(html)) EXPECT_TRUE(topics.count(target)) << "link to " << target;
  }

  std::set<int> reachable = LinkedTopics(ReadFile(HelpTopicPath(HelpFolder(), 70)));
  reachable.insert(70);
  EXPECT_EQ(reachable, topics);
}
