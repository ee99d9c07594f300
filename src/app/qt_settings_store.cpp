#include "app/qt_settings_store.h"

namespace tarmaq {

namespace {

// QSettings reads "/" as a group separator and "\" as one too: a key that holds either
// ("Standard/\"Color\" Comments") is escaped so that it stays one key.
QString keyName(const std::string& key) {
  QString out;
  for (QChar c : QString::fromStdString(key)) {
    if (c == '%')
      out += "%25";
    else if (c == '/')
      out += "%2F";
    else if (c == '\\')
      out += "%5C";
    else
      out += c;
  }
  return out;
}

QString groupName(const std::string& section) {
  return QString::fromStdString(section).replace('\\', '/');
}

}  // namespace

QtSettingsStore::QtSettingsStore()
    : settings_(std::make_unique<QSettings>(QStringLiteral("Tarmaq"), QStringLiteral("Tarmaq"))) {}

QtSettingsStore::QtSettingsStore(const QString& iniFile)
    : settings_(std::make_unique<QSettings>(iniFile, QSettings::IniFormat)) {}

std::optional<std::string> QtSettingsStore::value(const std::string& section,
                                                  const std::string& key) const {
  const QString path = groupName(section) + "/" + keyName(key);
  if (!settings_->contains(path)) return std::nullopt;
  return settings_->value(path).toString().toStdString();
}

void QtSettingsStore::setValue(const std::string& section, const std::string& key,
                               const std::string& value) {
  settings_->setValue(groupName(section) + "/" + keyName(key), QString::fromStdString(value));
}

void QtSettingsStore::removeSection(const std::string& section) {
  settings_->beginGroup(groupName(section));
  const QStringList keys = settings_->childKeys();
  for (const QString& k : keys) settings_->remove(k);
  settings_->endGroup();
}

}  // namespace tarmaq
