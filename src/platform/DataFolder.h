#pragma once

#include <QString>

namespace DataFolder {

// The folder that holds every store file and the log: KESTO_DATA_DIR when it
// is set and not empty, else "Kesto Viruz" in the user's data location.
QString path();

// Creates the folder (and missing parents) private to the user: mode 0700 on
// every folder it creates. Returns false when it cannot be created.
bool ensure(const QString& folder);

} // namespace DataFolder
