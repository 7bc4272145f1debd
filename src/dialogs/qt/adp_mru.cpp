#include "dialogs/qt/adp_mru.h"

#include <QFile>
#include <QMenu>

#include <utility>

#include "dialogs/recent_files_captions.h"

namespace dialogs {

TMRUMenuItem::TMRUMenuItem(int index, const QString& caption, QObject* parent)
    : QAction(caption, parent), index_(index) {}

TadpMRU::TadpMRU(RecentFilesStore store, std::string registryPath, QObject* parent)
    : QObject(parent), store_(std::move(store)), registryPath_(std::move(registryPath)) {
  list_.OnChanged = [this] { rebuildMenu(); };
  load();
}

TadpMRU::~TadpMRU() {
  list_.OnChanged = nullptr;
  save();
}

void TadpMRU::setRegistryPath(const std::string& path) {
  if (path == registryPath_) return;
  registryPath_ = path;
  load();
}

void TadpMRU::setShowFullPath(bool showFullPath) {
  showFullPath_ = showFullPath;
  rebuildMenu();
}

void TadpMRU::setParentMenuItem(QMenu* menu) {
  parentMenu_ = menu;
  rebuildMenu();
}

void TadpMRU::load() {
  if (auto stored = store_.load(registryPath_, list_.MaxItems())) list_.assign(*stored);
}

void TadpMRU::save() const {
  store_.save(registryPath_, list_.entries());
}

void TadpMRU::rebuildMenu() {
  if (parentMenu_ == nullptr) return;
  for (QAction* action : parentMenu_->actions()) {
    if (auto* item = qobject_cast<TMRUMenuItem*>(action)) {
      parentMenu_->removeAction(item);
      // The item may be the one whose choice led here.
      item->deleteLater();
    }
  }
  const std::vector<std::string>& entries = list_.entries();
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const int index = static_cast<int>(i);
    const std::string caption = recentFileCaption(index, entries[i], showFullPath_);
    auto* item =
        new TMRUMenuItem(index, QFile::decodeName(QByteArray::fromStdString(caption)), parentMenu_);
    connect(item, &QAction::triggered, this, [this, index] { itemChosen(index); });
    parentMenu_->addAction(item);
  }
}

void TadpMRU::itemChosen(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= list_.entries().size() || !OnClick) return;
  // A copy: the handler usually moves the entry to the top.
  const std::string fileName = list_.entries()[static_cast<std::size_t>(index)];
  OnClick(*this, fileName);
}

} // namespace dialogs
