#pragma once
// The commands that move recorded spins in and out of dati.mdb as CSV.

#include <QStringList>

namespace zt {

// zentrima13 export [--db FILE] [--out FILE] [--type Live|Spin]
int runExport(const QStringList& arguments);

// zentrima13 import FILE [--db FILE] [--type Live|Spin]
int runImport(const QStringList& arguments);

} // namespace zt
