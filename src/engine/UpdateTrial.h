#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QLockFile;

// The first real start of an installed update. The old process, once it
// has let go of everything the new one needs, starts the new program and
// waits for it to report that it is ready; only then do the old files go.
// A program that ends or stays silent instead is stopped, the old files
// come back, and the old program is started and told so. Main thread only.
namespace UpdateTrial {

inline constexpr auto readyOption = "--update-ready";
inline constexpr auto revertedOption = "--update-reverted";

struct Plan
{
    QString root;    // the install
    QString program; // the installed program, absolute
    std::shared_ptr<QLockFile> lock; // the install lock, held until the trial ends
};

enum class Outcome { started, reverted, mixed };

// Starts plan.program and waits up to timeoutMs for it to be ready.
Outcome run(const Plan& plan, int timeoutMs);
inline constexpr int defaultTimeoutMs = 90 * 1000;

// What run() is to do once the application has shut down.
void setPending(Plan plan);
std::optional<Plan> takePending();

// In the new program under root, once it runs: tells the waiting old
// process so when arguments ask for it. When that process is gone, the new
// program keeps itself. True when it did either.
bool reportReady(const QStringList& arguments, const QString& root);
// Whether this program was started after an update that did not start.
bool wasReverted(const QStringList& arguments);

} // namespace UpdateTrial
