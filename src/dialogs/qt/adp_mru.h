// The recent-files component of the reader window and of QuickLaunch: a
// RecentFilesList kept in the recent-files store under RegistryPath, loaded
// when the component is made (and when RegistryPath changes) and saved when
// it is destroyed, and shown as items of their own class, TMRUMenuItem, in
// a parent menu. Any change of the list rebuilds those items at once and
// leaves the menu's other items alone; choosing one calls OnClick with the
// full path of its entry.
//
// The hand-over adds opened files to list(); both windows' components add
// the same files, and the one destroyed last is what the store keeps.
#pragma once

#include <QAction>
#include <QMenu>
#include <QObject>
#include <QPointer>

#include <functional>
#include <string>

#include "acquisition/recent_files.h"
#include "dialogs/recent_files_store.h"

namespace dialogs {

class TMRUMenuItem : public QAction {
  Q_OBJECT
public:
  TMRUMenuItem(int index, const QString& caption, QObject* parent);
  // The entry this item shows (0 the most recent).
  int index() const { return index_; }

private:
  int index_;
};

class TadpMRU : public QObject {
  Q_OBJECT
public:
  // Loads the list from `store` under `registryPath`.
  TadpMRU(RecentFilesStore store, std::string registryPath = RecentFilesKey,
          QObject* parent = nullptr);
  // Saves the list.
  ~TadpMRU() override;

  int MaxItems() const { return list_.MaxItems(); }
  // Setting 0 keeps one entry.
  void setMaxItems(int maxItems) { list_.setMaxItems(maxItems); }
  const std::string& RegistryPath() const { return registryPath_; }
  // A different path loads the list from it.
  void setRegistryPath(const std::string& path);
  bool ShowFullPath() const { return showFullPath_; }
  void setShowFullPath(bool showFullPath);
  QMenu* ParentMenuItem() const { return parentMenu_; }
  void setParentMenuItem(QMenu* menu);

  // Called with the full path of the entry whose item was chosen.
  std::function<void(TadpMRU& sender, const std::string& fileName)> OnClick;

  // Moves `path` to the top (an empty path is ignored).
  void add(const std::string& path) { list_.add(path); }
  // Replaces the list by the store's when the key holds entries.
  void load();
  void save() const;

  const std::vector<std::string>& entries() const { return list_.entries(); }
  acquisition::RecentFilesList& list() { return list_; }

private:
  void rebuildMenu();
  void itemChosen(int index);

  RecentFilesStore store_;
  std::string registryPath_;
  acquisition::RecentFilesList list_;
  bool showFullPath_ = true;
  QPointer<QMenu> parentMenu_;
};

} // namespace dialogs
