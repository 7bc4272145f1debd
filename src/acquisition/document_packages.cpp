#include "acquisition/document_packages.h"

#include <dlfcn.h>

#include <filesystem>
#include <system_error>

namespace acquisition {

const DocumentPackageReaders* documentPackageReaders(std::string& problem) {
  using Entry = const DocumentPackageReaders* (*)();
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) {
    problem = "cannot find the program's own file: " + error.message();
    return nullptr;
  }
  // The loader keeps a module loaded once: a second dlopen only counts.
  const std::filesystem::path folder = self.parent_path();
  for (const std::filesystem::path& module :
       {folder / DocumentModuleName, folder / ".." / "lib" / "lumetra" / DocumentModuleName}) {
    if (!std::filesystem::exists(module, error)) continue;
    void* handle = ::dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
      problem = ::dlerror();
      return nullptr;
    }
    if (const auto entry = reinterpret_cast<Entry>(::dlsym(handle, DocumentPackageEntry)))
      return entry();
    problem = module.string() + " has no document readers";
    return nullptr;
  }
  problem = std::string(DocumentModuleName) + " is not installed beside " + self.string();
  return nullptr;
}

} // namespace acquisition
