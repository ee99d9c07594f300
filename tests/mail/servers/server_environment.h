// The servers of one test run, started once for all its tests.
#pragma once

#include <gtest/gtest.h>

#include "mail_servers.h"

namespace tarmaq::testing {

// The running servers, or nullptr; `skipReason` says why there are none.
MailServers* runningServers();
const std::string& skipReason();

#define REQUIRE_MAIL_SERVERS()                                              \
  do {                                                                      \
    if (!::tarmaq::testing::runningServers()) {                             \
      if (!::tarmaq::testing::skipReason().empty())                         \
        GTEST_SKIP() << "mail servers " << ::tarmaq::testing::skipReason(); \
      FAIL() << "the mail servers did not start";                           \
    }                                                                       \
  } while (false)

}  // namespace tarmaq::testing
