#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

// Every file and folder under a folder, hidden ones too, as its mode and
// content, so that two trees compare byte for byte and mode for mode.
namespace TreeSnapshot {

QMap<QString, QByteArray> of(const QString& root);
// The octal permission bits of path, not following a link.
QString modeOf(const QString& path);

} // namespace TreeSnapshot
