#include "acquisition/recent_files.h"

#include <gtest/gtest.h>

namespace acquisition {
namespace {

using Paths = std::vector<std::string>;

TEST(RecentFilesList, NewestComesFirst) {
  RecentFilesList list;
  list.add("/a.txt");
  list.add("/b.txt");
  list.add("/c.txt");
  EXPECT_EQ(list.entries(), (Paths{"/c.txt", "/b.txt", "/a.txt"}));
}

TEST(RecentFilesList, AddingAgainMovesToTheTopOnce) {
  RecentFilesList list;
  list.add("/a.txt");
  list.add("/b.txt");
  list.add("/a.txt");
  EXPECT_EQ(list.entries(), (Paths{"/a.txt", "/b.txt"}));
}

TEST(RecentFilesList, ADifferentLetterCaseReplacesTheEntryWithTheNewSpelling) {
  RecentFilesList list;
  list.add("/Docs/A.txt");
  list.add("/b.txt");
  list.add("/docs/a.TXT");
  EXPECT_EQ(list.entries(), (Paths{"/docs/a.TXT", "/b.txt"}));
}

TEST(RecentFilesList, ASixthFilePushesTheOldestOut) {
  RecentFilesList list;
  for (const char* p : {"/1", "/2", "/3", "/4", "/5", "/6"})
    list.add(p);
  EXPECT_EQ(list.entries(), (Paths{"/6", "/5", "/4", "/3", "/2"}));
}

TEST(RecentFilesList, EmptyPathIsIgnoredAndReportsNoChange) {
  RecentFilesList list;
  int changes = 0;
  list.OnChanged = [&] { ++changes; };
  list.add("");
  EXPECT_TRUE(list.entries().empty());
  EXPECT_EQ(changes, 0);
  list.add("/a");
  EXPECT_EQ(changes, 1);
}

TEST(RecentFilesList, ALimitOfZeroKeepsOne) {
  RecentFilesList list(0);
  EXPECT_EQ(list.MaxItems(), 1);
  list.add("/a");
  list.add("/b");
  EXPECT_EQ(list.entries(), (Paths{"/b"}));
}

TEST(RecentFilesList, LoweringTheLimitDropsTheOldest) {
  RecentFilesList list;
  for (const char* p : {"/1", "/2", "/3"})
    list.add(p);
  list.setMaxItems(2);
  EXPECT_EQ(list.entries(), (Paths{"/3", "/2"}));
}

TEST(RecentFilesList, AssignKeepsOrderSkipsBlanksAndHoldsTheLimit) {
  RecentFilesList list(2);
  list.assign({"/x", "", "/y", "/z"});
  EXPECT_EQ(list.entries(), (Paths{"/x", "/y"}));
}

} // namespace
} // namespace acquisition
