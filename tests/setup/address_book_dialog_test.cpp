#include "setup/address_book_dialog.h"

#include <gtest/gtest.h>

#include "engine/settings_store.h"
#include "setup/new_game.h"

namespace tarmaq {
namespace {

TEST(AddressBookDialog, EveryDriverStartsLocalAndAnEmptiedBoxReadsLocalAgain) {
  AddressBookDialog d({"Ann", "Bo", "Cy"}, "me@here.example", false);
  ASSERT_EQ(d.rows.size(), 3u);
  for (const auto& r : d.rows) EXPECT_EQ(r.address, "(Local)");
  EXPECT_EQ(d.rows[1].driver, "Bo");
  EXPECT_FALSE(d.selectShown);
  d.setAddress(1, "bo@there.example");
  EXPECT_EQ(d.rows[1].address, "bo@there.example");
  d.setAddress(1, "");
  EXPECT_EQ(d.rows[1].address, "(Local)");
  d.setAddress(7, "nobody");  // no such row: nothing happens
  EXPECT_EQ(d.rows.size(), 3u);
}

TEST(AddressBookDialog, QuotesAndLineBreaksCannotReachTheGameFile) {
  struct Case {
    const char* typed;
    const char* stored;
  } const cases[] = {
      {"\"Bo\" <bo@x.example>", "'Bo' <bo@x.example>"},
      {"a\"b", "a'b"},
      {"two\nlines", "two lines"},
      {"plain@x.example", "plain@x.example"},
  };
  for (const Case& c : cases) {
    AddressBookDialog d({"Ann"}, "", false);
    d.setAddress(0, c.typed);
    EXPECT_EQ(d.rows[0].address, c.stored) << c.typed;
    d.setLocalAddress(c.typed);
    EXPECT_EQ(d.localAddress, c.stored) << c.typed;
  }
  EXPECT_EQ(AddressBookDialog({}, "\"me\"", false).localAddress, "'me'");
}

TEST(AddressBookDialog, OkNeedsTheLocalAddressAndGivesEachCarItsRow) {
  AddressBookDialog d({"Ann", "Bo", "Cy"}, "", true);
  EXPECT_FALSE(d.okEnabled());
  d.setLocalAddress("me@here.example");
  EXPECT_TRUE(d.okEnabled());
  d.setAddress(2, "cy@there.example");
  NewGameSetup setup;
  setup.gameType = 1;
  setup.teams.push_back({"One", "", 0, {{"Ann", "", 0, ""}, {"Bo", "", 0, ""}}});
  setup.teams.push_back({"Two", "", 0, {{"Cy", "", 0, ""}}});
  MemorySettings store;
  d.apply(setup, store);
  EXPECT_EQ(store.value("Settings", "LocalEMail"), "me@here.example");
  EXPECT_EQ(setup.localEMail, "me@here.example");
  EXPECT_EQ(setup.teams[0].drivers[0].eMail, "(Local)");
  EXPECT_EQ(setup.teams[0].drivers[1].eMail, "(Local)");
  EXPECT_EQ(setup.teams[1].drivers[0].eMail, "cy@there.example");
}

}  // namespace
}  // namespace tarmaq
