#include "server_environment.h"

#include <memory>

namespace tarmaq::testing {

namespace {

std::unique_ptr<MailServers> servers;
std::string reason;

class ServerEnvironment final : public ::testing::Environment {
 public:
  void SetUp() override {
    reason = MailServers::missingPrograms();
    if (!reason.empty()) return;
    auto s = std::make_unique<MailServers>();
    std::string error;
    if (s->start(error))
      servers = std::move(s);
    else
      ADD_FAILURE() << error;
  }
  void TearDown() override { servers.reset(); }
};

[[maybe_unused]] ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new ServerEnvironment);

}  // namespace

MailServers* runningServers() { return servers.get(); }
const std::string& skipReason() { return reason; }

}  // namespace tarmaq::testing
