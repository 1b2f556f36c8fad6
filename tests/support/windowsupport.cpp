#include "windowsupport.h"

namespace zt::test {

void endWindows()
{
    delete linksSlot();
    linksSlot() = nullptr;
}

} // namespace zt::test
