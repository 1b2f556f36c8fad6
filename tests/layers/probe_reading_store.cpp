// Must not compile: a layer including what lies above it (see check.cmake).
#include "store/storefile.h"

int probe();
