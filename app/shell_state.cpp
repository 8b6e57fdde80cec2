#include "app/shell_state.h"

#include "toolkit/files.h"

namespace tolvex {

std::string NAMEF1040;
std::string DIR1040;
std::vector<std::string> PROGRAMLINES;
PackedLines SCRIPTLINES;
std::string SCRIPTBYTES;
int SCREEN_X = 0, SCREEN_Y = 0;

std::string FolderOf(const std::string& path) {
  const size_t separator = path.find_last_of(kPathSeparator);
  if (separator == std::string::npos) return files::CurrentFolder();
  const bool root = separator == 0 || (kPathSeparator == '\\' && path[separator - 1] == ':');
  return path.substr(0, root ? separator + 1 : separator);
}

}  // namespace tolvex
