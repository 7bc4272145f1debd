#include "dialogs/recent_files_store.h"

#include <QFile>
#include <QSettings>
#include <QString>

#include <system_error>
#include <utility>

#include "dialogs/config_folder.h"

namespace dialogs {

namespace fs = std::filesystem;

namespace {

QString qtPath(const fs::path& path) {
  return QFile::decodeName(QByteArray::fromStdString(path.string()));
}

QString valueName(int number) {
  return QStringLiteral("MRU%1").arg(number);
}

// "MRU" followed by a decimal number of at least one digit.
bool isEntryName(const QString& name) {
  if (name.size() < 4 || !name.startsWith(QLatin1String("MRU"))) return false;
  for (qsizetype i = 3; i < name.size(); ++i)
    if (!name[i].isDigit()) return false;
  return true;
}

} // namespace

fs::path recentFilesStorePath(const fs::path& configHome) {
  return configHome / "lumetra" / "recent-files.ini";
}

RecentFilesStore::RecentFilesStore(fs::path file) : file_(std::move(file)) {}

std::optional<std::vector<std::string>> RecentFilesStore::load(const std::string& key,
                                                               int maxItems) const {
  std::error_code error;
  if (file_.empty() || !fs::is_regular_file(file_, error)) return std::nullopt;
  QSettings settings(qtPath(file_), QSettings::IniFormat);
  if (settings.status() != QSettings::NoError) return std::nullopt;
  settings.beginGroup(QString::fromStdString(key));
  if (settings.childKeys().isEmpty()) return std::nullopt;
  std::vector<std::string> entries;
  for (int n = 1; n <= maxItems; ++n) {
    const QVariant value = settings.value(valueName(n));
    if (value.isValid()) entries.push_back(QFile::encodeName(value.toString()).toStdString());
  }
  return entries;
}

bool RecentFilesStore::save(const std::string& key, const std::vector<std::string>& entries) const {
  if (file_.empty()) return false;
  std::error_code error;
  fs::create_directories(file_.parent_path(), error);
  if (error || (fs::exists(file_, error) && !fs::is_regular_file(file_, error))) return false;
  QSettings settings(qtPath(file_), QSettings::IniFormat);
  // Only ever replace the file whole, never write into it in place.
  settings.setAtomicSyncRequired(true);
  if (settings.status() != QSettings::NoError) return false;
  settings.beginGroup(QString::fromStdString(key));
  for (const QString& name : settings.childKeys())
    if (isEntryName(name)) settings.remove(name);
  for (std::size_t i = 0; i < entries.size(); ++i)
    settings.setValue(valueName(static_cast<int>(i) + 1),
                      QFile::decodeName(QByteArray::fromStdString(entries[i])));
  settings.endGroup();
  settings.sync();
  return settings.status() == QSettings::NoError;
}

RecentFilesStore currentRecentFilesStore() {
  const fs::path home = currentConfigHome();
  return RecentFilesStore(home.empty() ? fs::path() : recentFilesStorePath(home));
}

} // namespace dialogs
