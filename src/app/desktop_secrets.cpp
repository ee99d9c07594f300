#include "app/desktop_secrets.h"

#ifdef TARMAQ_HAVE_KEYCHAIN
#include <qt6keychain/keychain.h>

#include <QEventLoop>
#include <QTimer>
#endif

namespace tarmaq {

#ifdef TARMAQ_HAVE_KEYCHAIN
namespace {

const QString Service = QStringLiteral("Tarmaq E-Mail");

// Runs one job to its end; a desktop that does not answer within a few seconds is
// treated as having no store.
bool finish(QKeychain::Job& job) {
  job.setAutoDelete(false);
  QEventLoop loop;
  bool done = false;
  QObject::connect(&job, &QKeychain::Job::finished, &loop, [&] {
    done = true;
    loop.quit();
  });
  QTimer::singleShot(5000, &loop, &QEventLoop::quit);
  job.start();
  if (!done) loop.exec(QEventLoop::ExcludeUserInputEvents);
  return done;
}

class KeychainStore final : public SecretStore {
 public:
  bool available() override {
    if (!known_) {
      // A read of an account nobody has tells whether there is a store at all.
      QKeychain::ReadPasswordJob job(Service);
      job.setInsecureFallback(false);
      job.setKey(QStringLiteral("tarmaq-probe"));
      available_ = finish(job) &&
                   (job.error() == QKeychain::NoError || job.error() == QKeychain::EntryNotFound);
      known_ = true;
    }
    return available_;
  }
  std::optional<std::string> read(const std::string& account) override {
    if (!available()) return std::nullopt;
    QKeychain::ReadPasswordJob job(Service);
    job.setInsecureFallback(false);
    job.setKey(QString::fromStdString(account));
    if (!finish(job) || job.error() != QKeychain::NoError) return std::nullopt;
    return job.textData().toStdString();
  }
  bool write(const std::string& account, const std::string& password) override {
    if (!available()) return false;
    QKeychain::WritePasswordJob job(Service);
    job.setInsecureFallback(false);
    job.setKey(QString::fromStdString(account));
    job.setTextData(QString::fromStdString(password));
    return finish(job) && job.error() == QKeychain::NoError;
  }
  void erase(const std::string& account) override {
    if (!available()) return;
    QKeychain::DeletePasswordJob job(Service);
    job.setInsecureFallback(false);
    job.setKey(QString::fromStdString(account));
    finish(job);
  }

 private:
  bool known_ = false;
  bool available_ = false;
};

}  // namespace

std::unique_ptr<SecretStore> desktopSecretStore() { return std::make_unique<KeychainStore>(); }
#else
std::unique_ptr<SecretStore> desktopSecretStore() { return std::make_unique<NoSecretStore>(); }
#endif

}  // namespace tarmaq
