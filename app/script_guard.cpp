#include "app/script_guard.h"

namespace tolvex {

void RunScripts::Add(const std::string& path) {
  files::FileId id;
  if (files::IdentityOf(path, id)) scripts_.emplace_back(id, path);
}

void RunScripts::AddStandardInput() {
  files::FileId id;
  if (files::IdentityOf(files::StandardInput(), id)) scripts_.emplace_back(id, "-");
}

const std::string* RunScripts::ReplacedBy(const std::string& path) const {
  files::FileId id;
  if (!files::IdentityOf(path, id)) return nullptr;
  for (const auto& [script, name] : scripts_) {
    if (script == id) return &name;
  }
  return nullptr;
}

}  // namespace tolvex
