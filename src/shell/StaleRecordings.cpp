#include "shell/StaleRecordings.h"

#include "core/AppState.h"
#include "core/Config.h"
#include "core/L10n.h"
#include "core/Log.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>

#include <algorithm>

namespace {

const QString uuid = QStringLiteral("[0-9A-Fa-f]{8}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{12}");

// The recorder's own file, untrimmed: what the user said.
bool isOriginal(const QString& fileName)
{
    static const QRegularExpression pattern(QStringLiteral("^kesto-") + uuid + QStringLiteral("\\.wav$"));
    return pattern.match(fileName).hasMatch();
}

// 16 kHz mono 16-bit after a 44-byte header; a file cut off by a crash
// still counts its whole samples.
double recordingSeconds(qint64 bytes)
{
    return double(std::max<qint64>(0, bytes - 44) / 2) / 16000.0;
}

} // namespace

namespace StaleRecordings {

bool isRecordingName(const QString& fileName)
{
    static const QRegularExpression pattern(QStringLiteral("^kesto-(") + uuid
                                            + QStringLiteral("(\\.trimmed)?\\.(wav|m4a)|phone-") + uuid
                                            + QStringLiteral("(\\.trimmed)?\\.[a-z0-9]+)$"));
    return pattern.match(fileName).hasMatch();
}

Outcome tidy(AppState& state, const QDateTime& now)
{
    Outcome outcome;
    const QDir folder(Config::recordingsDirectory());
    if (!folder.exists())
        return outcome;

    QHash<QString, int> linked; // file name -> index of its entry
    const QList<HistoryEntry>& entries = state.history().entries;
    for (int i = 0; i < entries.size(); ++i) {
        if (entries.at(i).audioFile)
            linked.insert(*entries.at(i).audioFile, i);
    }

    QList<HistoryEntry> moved;
    QList<HistoryEntry> recovered;
    QFileInfoList files = folder.entryInfoList(QDir::Files, QDir::Time | QDir::Reversed);
    for (const QFileInfo& file : std::as_const(files)) {
        const QString name = file.fileName();
        if (!isRecordingName(name))
            continue;
        if (const auto link = linked.constFind(name); link != linked.cend()) {
            // Linked because it could not be kept: there may be room now.
            HistoryEntry entry = entries.at(*link);
            if (const std::optional<QString> kept = History::keepAudio(file.absoluteFilePath(), entry.id)) {
                entry.audioFile = kept;
                moved << entry;
            }
            continue;
        }
        if (isOriginal(name) && file.size() > 44) {
            HistoryEntry entry;
            entry.date = file.lastModified().toUTC();
            entry.duration = recordingSeconds(file.size());
            entry.model = state.config().model;
            entry.status = HistoryEntry::Status::failed;
            entry.error = L10n::tr("The application was closed before the transcript arrived.");
            entry.audioFile = History::keepOrLink(file.absoluteFilePath(), entry.id);
            if (entry.audioFile) {
                recovered << entry;
                continue;
            }
        }
        if (QFile::remove(file.absoluteFilePath()))
            ++outcome.removed;
    }

    if (moved.isEmpty() && recovered.isEmpty())
        return outcome;
    outcome.kept = int(moved.size());
    outcome.recovered = int(recovered.size());
    const qint64 days = state.config().historyDays;
    state.updateHistory([&](History& history) {
        for (const HistoryEntry& entry : std::as_const(moved))
            history.update(entry);
        // Oldest first, so the newest ends up at the top.
        for (const HistoryEntry& entry : std::as_const(recovered))
            history.add(entry);
        history.prune(days, now);
    });
    return outcome;
}

} // namespace StaleRecordings
