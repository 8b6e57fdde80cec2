#include "app/shell_state.h"

namespace tolvex {

std::string NAMEF1040;
std::string DIR1040;

}  // namespace tolvex
