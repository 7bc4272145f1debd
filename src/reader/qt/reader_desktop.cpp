#include "reader/qt/reader_desktop.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QUrl>

namespace reader {
namespace {

constexpr const char* WebSite = "https://lumetra.example.org/";

} // namespace

const char* const OpenFileFilter =
    "All Lumetra Compatible (*.txt;*.doc) (*.txt *.doc *.docx *.odt *.pdf *.text *.md *.log);;"
    "Documents (*.docx *.odt *.pdf);;Text (*.text *.md *.log);;All files (*)";

std::optional<std::string> chooseReaderFile(QWidget* parent, const std::string& folder) {
  QFileDialog dialog(parent, "Open File", QString::fromStdString(folder), OpenFileFilter);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setSizeGripEnabled(true);
  dialog.raise();
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().front().toStdString();
}

void openHelpFile(const std::filesystem::path& programFolder) {
  const std::filesystem::path help = programFolder / "Lumetra Help.html";
  std::error_code error;
  if (!std::filesystem::exists(help, error)) return;
  QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(help.string())));
}

void openWebSite() {
  QDesktopServices::openUrl(QUrl(WebSite));
}

} // namespace reader
