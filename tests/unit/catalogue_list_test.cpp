#include "catalogue/catalogue_list.h"

#include <gtest/gtest.h>

#include <set>

#include "fakes/recording_desktop.h"
#include "fakes/recording_window.h"

namespace quillpad {
namespace {

using testing::RecordingDesktop;
using testing::RecordingWindow;

// The part after scheme and host: "" or "/" for a site's home page.
TextView PathOf(TextView address) {
  const auto host = address.find(u"://") + 3;
  const auto slash = address.find(u'/', host);
  return slash == TextView::npos ? TextView{} : address.substr(slash);
}

bool IsHomePage(TextView address) {
  return PathOf(address).size() <= 1;
}

TextView Entry(int number) {
  return kCatalogueList[static_cast<std::size_t>(number - 1)];
}

TEST(CatalogueList, HoldsTwentyEightSitesThreeOfThemTwice) {
  EXPECT_EQ(kCatalogueList.size(), 31u);
  const std::set<TextView> distinct(kCatalogueList.begin(), kCatalogueList.end());
  EXPECT_EQ(distinct.size(), 28u);
  EXPECT_EQ(Entry(22), Entry(10));
  EXPECT_EQ(Entry(26), Entry(8));
  EXPECT_EQ(Entry(29), Entry(7));
}

TEST(CatalogueList, EveryEntryIsACompleteWebAddress) {
  for (TextView address : kCatalogueList) {
    EXPECT_TRUE(address.starts_with(u"https://") || address.starts_with(u"http://"));
    EXPECT_EQ(address.find_first_of(u" #@\t"), TextView::npos);
  }
}

TEST(CatalogueList, AllButFiveAreHomePagesWrittenBothWays) {
  int home_pages = 0, with_slash = 0;
  for (int number = 1; number <= 31; ++number) {
    if (!IsHomePage(Entry(number))) continue;
    ++home_pages;
    with_slash += PathOf(Entry(number)) == u"/";
  }
  EXPECT_EQ(home_pages, 26);
  EXPECT_GT(with_slash, 0);
  EXPECT_LT(with_slash, 26);
}

TEST(CatalogueList, TheFivePathsAreThreeFoldersAPageAndAScriptWithOneParameter) {
  for (int number : {2, 5, 28}) {
    const TextView path = PathOf(Entry(number));
    EXPECT_TRUE(path.size() > 1 && path.ends_with(u'/') && path.find(u'/', 1) == path.size() - 1)
        << number;
  }
  const TextView page = PathOf(Entry(24));
  EXPECT_TRUE(page.size() > 1 && !page.ends_with(u'/') && page.find(u'?') == TextView::npos);
  const TextView script = PathOf(Entry(19));
  const auto query = script.find(u'?');
  ASSERT_NE(query, TextView::npos);
  EXPECT_EQ(std::count(script.begin(), script.end(), u'='), 1);
  EXPECT_EQ(script.find(u'&'), TextView::npos);
}

TEST(CatalogueList, FillingAppendsEveryEntryInOrderAndGoOpensTheChosenTextAsRead) {
  std::vector<std::string> log;
  RecordingWindow window(log);
  RecordingDesktop desktop(log);
  const ControlId list{3};
  FillCatalogueList(window, list);
  EXPECT_EQ(window.items[list], std::vector<Text>(kCatalogueList.begin(), kCatalogueList.end()));

  OpenChosenCatalogue(window, desktop, list);  // nothing chosen: nothing opens
  EXPECT_EQ(desktop.opened, std::vector<Text>{});
  window.texts[list] = Text(Entry(22));
  OpenChosenCatalogue(window, desktop, list);
  OpenChosenCatalogue(window, desktop, list);
  EXPECT_EQ(desktop.opened, (std::vector<Text>{Text(Entry(10)), Text(Entry(10))}));
  EXPECT_EQ(log.back().rfind("desktop.ShellOpen 0 ", 0), 0u);
}

}  // namespace
}  // namespace quillpad
