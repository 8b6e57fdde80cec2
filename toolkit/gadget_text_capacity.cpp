#include "toolkit/gadget_ops.h"

namespace tolvex {

int GadgetTextCapacity(int sizeClass) {
  switch (sizeClass & 0xFF) {
    case 1: return 1024;
    case 2: return 2048;
    case 3: return 4096;
    case 4: return 8192;
    case 5: return 16384;
    case 6: return 32768;
    case 7: return 66000;
    default: return 100000;
  }
}

}  // namespace tolvex
