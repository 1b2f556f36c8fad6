// Must not compile: a layer including what lies above it (see check.cmake).
#include "reading/stripreader.h"

int probe();
