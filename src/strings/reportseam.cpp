#include "strings/reportseam.h"

namespace zt {

namespace {
StringsReportTarget* currentTarget = nullptr;
}

void setStringsReportTarget(StringsReportTarget* target)
{
    currentTarget = target;
}

StringsReportTarget* stringsReportTarget()
{
    return currentTarget;
}

} // namespace zt
