#include <gtest/gtest.h>

#include "cli/run_cli.h"

namespace {

std::string fixtureTrack(const std::string& name) {
  return std::string(TARMAQ_FIXTURES) + "/tracks/" + name;
}
std::string shipped(const std::string& name) {
  return std::string(TARMAQ_DATA) + "/Tracks/" + name;
}

bool has(const std::string& out, const std::string& part) {
  return out.find(part) != std::string::npos;
}

TEST(CheckTrack, ShippedCircuitsPassWithBothFinishSettings) {
  for (const char* file : {"VelmontPark.trk", "PortCastellane.trk", "BrackwoodRing.trk"})
    for (const char* finish : {"nose", "entire"}) {
      auto r = runCli({"check-track", shipped(file), "--finish", finish});
      EXPECT_EQ(r.status, 0) << file << " " << finish << "\n" << r.out << r.err;
      EXPECT_TRUE(r.out.empty()) << r.out;
    }
}

TEST(CheckTrack, ReportsEachViolationOnItsOwnLine) {
  auto r = runCli({"check-track", fixtureTrack("ring.trk")});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out,
            "space 2000: side link 1 to 0 is not answered\n"
            "space 2000: side link 2 to 1 is not answered\n"
            "header grid value 5 is 99 but the grid place is space 2\n"
            "header grid value 7 is -1 but the grid place is space 1002\n"
            "header grid value 20 names no racing space\n"
            "space 0: enters the pit lane after the start/finish line\n"
            "the pit lane rejoins the track before the start/finish line\n"
            "the pit lane rejoins the track before the start/finish line\n");

  r = runCli({"check-track", fixtureTrack("no_pit.trk")});
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(has(r.out, "the circuit has no \"Pit\" and \"Garages\" lanes\n")) << r.out;
}

TEST(CheckTrack, UnreadableAndRefusedFiles) {
  auto r = runCli({"check-track", "/nonexistent/none.trk"});
  EXPECT_EQ(r.status, 2);
  EXPECT_TRUE(r.out.empty());
  r = runCli({"check-track"});
  EXPECT_EQ(r.status, 2);
  r = runCli({"check-track", fixtureTrack("ring.trk"), "--finish", "tail"});
  EXPECT_EQ(r.status, 2);
}

TEST(TrackInfo, PrintsTheModelAsJson) {
  auto r = runCli({"track-info", fixtureTrack("ring.trk")});
  ASSERT_EQ(r.status, 0) << r.err;
  for (const char* part : {
           "\"name\":\"Test Ring, North Loop\"",
           "\"weather\":[\"1 - 7\",\"8 - 12\",\"13 - 20\"]",
           "\"lanes\":[{\"name\":\"Right\",\"spaces\":4},{\"name\":\"Left\",\"spaces\":4}",
           "\"pitLane\":2,\"garageLane\":3",
           "\"numberOfLanes\":\"2 (plus Pit Lane)\"",
           "\"laneRows\":{\"Lane 1 Length\":4,\"Lane 3 Length\":4,\"Pit Lane Length\":3}",
           "\"longestStraight\":3",
           "{\"name\":\"Turn One\",\"requiredStops\":2,\"longestPath\":5,\"shortestPath\":3,"
           "\"signX\":100,\"signY\":200,\"signLeft\":120,\"signTop\":-50,\"signRight\":280,"
           "\"signBottom\":110}",
           "\"numberOfCorners\":3,\"totalStops\":6",
           "\"grid\":[1003,1002,-1,-1,2,-1,1002,",
           "\"backColor\":16384,\"shapes\":2",
           "\"scroll\":{\"h\":[0,700,350,70],\"v\":[0,300,150,30]}",
       })
    EXPECT_TRUE(has(r.out, part)) << part << "\n" << r.out;
  EXPECT_FALSE(has(r.out, "\"spaces\":[["));
}

TEST(TrackInfo, SpacesAndTheEntireCarFinish) {
  auto nose = runCli({"track-info", fixtureTrack("ring.trk"), "--spaces"});
  ASSERT_EQ(nose.status, 0) << nose.err;
  EXPECT_TRUE(has(nose.out,
                  "\"spaces\":[[{\"x\":100,\"y\":100,\"angle\":0,\"lengthFactor\":1,\"marker\":0,"
                  "\"position\":1,\"next1\":1001,\"next2\":2000,\"side\":[1000,-1,-1,-1],"
                  "\"segment\":0,\"edge\":0,\"vertices\":[[0,50],[200,50],[200,150],[0,150]]}"))
      << nose.out;
  auto entire = runCli({"track-info", "--finish", "entire", fixtureTrack("ring.trk"), "--spaces"});
  ASSERT_EQ(entire.status, 0) << entire.err;
  EXPECT_TRUE(has(entire.out,
                  "\"spaces\":[[{\"x\":300,\"y\":100,\"angle\":0,\"lengthFactor\":1,"
                  "\"marker\":0,\"position\":1,\"next1\":1001,"))
      << entire.out;
  EXPECT_TRUE(has(entire.out, "\"grid\":[1002,1001,"));
  EXPECT_EQ(runCli({"track-info", fixtureTrack("ring.trk"), "--everything"}).status, 2);
}

TEST(TrackSvg, DrawsACircuit) {
  auto r = runCli({"track-svg", shipped("BrackwoodRing.trk")});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out.rfind("<?xml", 0), 0u);
  EXPECT_TRUE(has(r.out, "<svg xmlns=\"http://www.w3.org/2000/svg\""));
  EXPECT_TRUE(has(r.out, "</svg>\n"));
  EXPECT_TRUE(has(r.out, ">Hollow</text>"));    // a corner's name beside its sign
  EXPECT_TRUE(has(r.out, "fill=\"#ffff00\""));  // the yellow sign boards
  // Lower detail leaves out the kerbs, so the picture gets shorter.
  auto low = runCli({"track-svg", shipped("BrackwoodRing.trk"), "--detail", "0"});
  ASSERT_EQ(low.status, 0);
  EXPECT_LT(low.out.size(), r.out.size());
  EXPECT_EQ(runCli({"track-svg", "/nonexistent/none.trk"}).status, 2);
}

}  // namespace
