// The teams we ship: ten of them with two drivers each, every picture they name present
// as a bitmap of the size the dialogs lay out, and colours that tell the cars apart,
// also for players with the common kinds of colour blindness.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "engine/folders.h"
#include "gamefile/item_reader.h"
#include "setup/team_file.h"
#include "support/paths.h"

namespace tarmaq {
namespace {

namespace fs = std::filesystem;

std::vector<Team> shippedTeams(int* fileCount = nullptr) {
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(testing::shippedData("Teams")))
    if (entry.path().extension() == ".tem") files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  if (fileCount) *fileCount = static_cast<int>(files.size());
  std::vector<Team> teams;
  for (const auto& file : files) {
    auto read = readTeamFile(file);
    EXPECT_TRUE(read.has_value()) << file;
    if (read) teams.insert(teams.end(), read->begin(), read->end());
  }
  return teams;
}

// Width and height of an uncompressed Windows bitmap, or {0, 0} when it is not one.
std::array<int, 2> bitmapSize(const fs::path& file) {
  auto bytes = readFileBytes(file);
  if (!bytes || bytes->size() < 54 || bytes->compare(0, 2, "BM") != 0) return {0, 0};
  auto le32 = [&](std::size_t at) {
    std::uint32_t v = 0;
    for (int k = 3; k >= 0; --k) v = v << 8 | static_cast<unsigned char>((*bytes)[at + k]);
    return static_cast<std::int32_t>(v);
  };
  return {le32(18), std::abs(le32(22))};
}

// CIE L*a*b* of a 0x00BBGGRR colour as seen with normal vision (kind 0) or simulated
// protanopia, deuteranopia and tritanopia (kinds 1-3, full severity).
std::array<double, 3> seenAs(std::uint32_t color, int kind) {
  static const double Simulation[4][3][3] = {
      {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}},
      {{0.152286, 1.052583, -0.204868},
       {0.114503, 0.786281, 0.099216},
       {-0.003882, -0.048116, 1.051998}},
      {{0.367322, 0.860646, -0.227968},
       {0.280085, 0.672501, 0.047413},
       {-0.011820, 0.042940, 0.968881}},
      {{1.255528, -0.076749, -0.178779},
       {-0.078411, 0.930809, 0.147602},
       {0.004733, 0.691367, 0.303900}},
  };
  double linear[3];
  for (int i = 0; i < 3; ++i) {
    double c = static_cast<double>((color >> (8 * i)) & 0xFF) / 255.0;
    linear[i] = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  }
  double rgb[3];
  for (int i = 0; i < 3; ++i) {
    const auto& row = Simulation[kind][i];
    rgb[i] = std::clamp(row[0] * linear[0] + row[1] * linear[1] + row[2] * linear[2], 0.0, 1.0);
  }
  double x = (0.4124 * rgb[0] + 0.3576 * rgb[1] + 0.1805 * rgb[2]) / 0.95047;
  double y = 0.2126 * rgb[0] + 0.7152 * rgb[1] + 0.0722 * rgb[2];
  double z = (0.0193 * rgb[0] + 0.1192 * rgb[1] + 0.9505 * rgb[2]) / 1.08883;
  auto f = [](double t) { return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116.0; };
  return {116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
}

double difference(std::uint32_t a, std::uint32_t b, int kind) {
  auto p = seenAs(a, kind), q = seenAs(b, kind);
  return std::hypot(p[0] - q[0], p[1] - q[1], p[2] - q[2]);
}

TEST(ShippedTeams, TenTeamsOfTwoDriversInMoreThanOneFile) {
  int files = 0;
  auto teams = shippedTeams(&files);
  EXPECT_GE(files, 2);
  ASSERT_EQ(teams.size(), 10u);
  std::set<std::string> names;
  for (const Team& team : teams) {
    SCOPED_TRACE(team.name);
    EXPECT_FALSE(team.name.empty());
    EXPECT_TRUE(names.insert(team.name).second) << "two teams share a name";
    for (const TeamDriver& driver : team.drivers) {
      EXPECT_FALSE(driver.name.empty());
      EXPECT_TRUE(names.insert(driver.name).second) << driver.name << " appears twice";
    }
    // The editor's layout must carry every team unchanged.
    EXPECT_EQ(parseTeamFile(formatTeam(team)), std::vector<Team>{team});
  }
}

TEST(ShippedTeams, EveryPictureIsThereAtItsSize) {
  FolderTree folders(testing::shippedData(""));
  auto expectBitmap = [&](const std::string& name, std::array<int, 2> size) {
    auto file = findTeamPicture(folders, name);
    ASSERT_TRUE(file.has_value()) << name << " is missing";
    EXPECT_EQ(file->filename().string(), name) << "differs in letter case";
    EXPECT_EQ(bitmapSize(*file), size) << name;
  };
  const std::array<int, 2> logo = {96, 64}, portrait = {64, 64};
  expectBitmap(std::string(PlaceholderTeamPicture), logo);
  expectBitmap(std::string(PlaceholderDriverPicture), portrait);
  for (const Team& team : shippedTeams()) {
    expectBitmap(team.picture, logo);
    for (const TeamDriver& driver : team.drivers) expectBitmap(driver.picture, portrait);
  }
}

TEST(ShippedTeams, ColoursTellTheCarsApart) {
  auto teams = shippedTeams();
  const char* vision[] = {"normal vision", "protanopia", "deuteranopia", "tritanopia"};
  for (int kind = 0; kind < 4; ++kind) {
    SCOPED_TRACE(vision[kind]);
    for (std::size_t i = 0; i < teams.size(); ++i)
      for (std::size_t j = i + 1; j < teams.size(); ++j)
        EXPECT_GE(difference(teams[i].color, teams[j].color, kind), 12.0)
            << teams[i].name << " and " << teams[j].name;
  }
  for (const Team& team : teams) {
    SCOPED_TRACE(team.name);
    const std::uint32_t one = team.drivers[0].color, two = team.drivers[1].color;
    // One driver light, the other dark: lightness survives every kind of colour blindness.
    EXPECT_GE(std::abs(seenAs(one, 0)[0] - seenAs(two, 0)[0]), 25.0);
    // The wing must show against the body.
    for (std::uint32_t wing : {one, two}) EXPECT_GE(difference(wing, team.color, 0), 25.0);
  }
}

}  // namespace
}  // namespace tarmaq
