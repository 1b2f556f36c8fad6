// Must not compile: a layer including what lies above it (see check.cmake).
#include "windows/links.h"

int probe();
