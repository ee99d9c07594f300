#include <gtest/gtest.h>

#include "cli/run_cli.h"

namespace {

TEST(ClassInfo, PrintsTheLoadedClassAsJson) {
  auto r = runCli({"class-info", std::string(TARMAQ_FIXTURES) + "/classes/basic.cls"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("\"title\":\"Test Class, Mk I\""), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("\"gearCount\":6"), std::string::npos);
  EXPECT_NE(r.out.find("\"tooltip\":\"4th Gear, 7-12\""), std::string::npos);
  EXPECT_NE(r.out.find("\"wear\":[[4,2,2,3,3,2],[8,4,4,4,4,3],[12,6,6,5,5,4]]"), std::string::npos);
  EXPECT_NE(r.out.find("\"carPolygons\":[{\"color\":1,\"points\":[[-60,-30]"), std::string::npos);
}

TEST(ClassInfo, MissingFileExitsWithStatusTwoAndOneLine) {
  auto r = runCli({"class-info", "/nonexistent/none.cls"});
  EXPECT_EQ(r.status, 2);
  EXPECT_TRUE(r.out.empty());
  EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
}

}  // namespace
