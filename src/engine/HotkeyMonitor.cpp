#include "engine/HotkeyMonitor.h"

#include "core/Log.h"
#include "platform/Permissions.h"

namespace {

using Modifiers = KeySource::Modifiers;

// A toggle tap must be shorter than this.
constexpr qint64 tapLimitMs = 800;

struct FlagRule
{
    Modifiers down;
    Modifiers up;
};

FlagRule ruleOf(HotkeyKind kind)
{
    switch (kind) {
    case HotkeyKind::control:
        return {KeySource::Control, KeySource::Shift | KeySource::Option | KeySource::Command};
    case HotkeyKind::controlFn:
        return {KeySource::Control | KeySource::Function, KeySource::Shift | KeySource::Option | KeySource::Command};
    case HotkeyKind::fn:
        return {KeySource::Function, KeySource::Shift | KeySource::Control | KeySource::Option | KeySource::Command};
    case HotkeyKind::rightCommand:
        return {KeySource::Command, KeySource::Shift | KeySource::Control | KeySource::Option};
    case HotkeyKind::controlOption:
        return {KeySource::Control | KeySource::Option, KeySource::Shift | KeySource::Command};
    }
    return {};
}

void call(const std::function<void()>& callback)
{
    if (callback)
        callback();
}

} // namespace

HotkeyMonitor::HotkeyMonitor(Clock& clock, std::unique_ptr<KeySource> source, QObject* parent)
    : QObject(parent)
    , m_clock(clock)
    , m_source(source ? std::move(source) : KeySource::create())
{
    connect(m_source.get(), &KeySource::flagsChanged, this, &HotkeyMonitor::handleFlags);
    connect(m_source.get(), &KeySource::keyDown, this, &HotkeyMonitor::handleKeyDown);
    connect(m_source.get(), &KeySource::mouseDown, this, &HotkeyMonitor::handleMouseDown);
}

HotkeyMonitor::~HotkeyMonitor()
{
    stop();
}

bool HotkeyMonitor::isDown(HotkeyKind kind, Modifiers flags)
{
    const FlagRule rule = ruleOf(kind);
    return (flags & rule.down) == rule.down && !(flags & rule.up);
}

void HotkeyMonitor::start()
{
    stop();
    Log::write(QStringLiteral("hotkey monitor starting, kind=") + rawValue(m_kind) + QStringLiteral(" accessibility=")
               + (Permissions::accessibility().granted ? QStringLiteral("true") : QStringLiteral("false")));
    QString error;
    if (!m_source->start(&error))
        Log::write(QStringLiteral("global flagsChanged monitor could not be installed: ") + error);
}

void HotkeyMonitor::stop()
{
    m_source->stop();
    cancelPendingStart();
    m_heldKind.reset();
    m_recording = false;
}

bool HotkeyMonitor::isRunning() const
{
    return m_source->isRunning();
}

void HotkeyMonitor::handleFlags(Modifiers flags, bool rightCommandKey)
{
    if (m_mode == HotkeyMode::toggle)
        handleToggleFlags(flags, rightCommandKey);
    else
        handleHoldFlags(flags, rightCommandKey);
}

void HotkeyMonitor::handleKeyDown(bool escape)
{
    handleOtherKey(false, escape);
}

void HotkeyMonitor::handleMouseDown()
{
    handleOtherKey(true, false);
}

bool HotkeyMonitor::isPress(Modifiers flags, bool rightCommandKey) const
{
    if (!isDown(m_kind, flags))
        return false;
    // Of the Command keys only the right one starts this kind.
    return m_kind != HotkeyKind::rightCommand || rightCommandKey;
}

void HotkeyMonitor::handleHoldFlags(Modifiers flags, bool rightCommandKey)
{
    if (!m_heldKind) {
        if (!isPress(flags, rightCommandKey))
            return;
        m_heldKind = m_kind;
        cancelPendingStart();
        m_pendingStart = m_clock.schedule(qint64(m_holdThreshold * 1000.0), this, [this] {
            m_pendingStart.reset();
            holdReached();
        });
        return;
    }
    if (isDown(*m_heldKind, flags))
        return;
    m_heldKind.reset();
    cancelPendingStart();
    if (m_recording) {
        m_recording = false;
        Log::write(QStringLiteral("hotkey released, stopping"));
        call(m_onStop);
    }
}

void HotkeyMonitor::holdReached()
{
    if (!m_heldKind || m_recording)
        return;
    m_recording = true;
    Log::write(QStringLiteral("hold reached, starting dictation"));
    call(m_onStart);
}

void HotkeyMonitor::handleToggleFlags(Modifiers flags, bool rightCommandKey)
{
    if (!m_heldKind) {
        if (!isPress(flags, rightCommandKey))
            return;
        m_heldKind = m_kind;
        m_tapStarted = m_clock.monotonicMs();
        m_tapSpoiled = false;
        return;
    }
    if (isDown(*m_heldKind, flags))
        return;
    if (flags & ruleOf(*m_heldKind).up) {
        m_tapSpoiled = true;
        return;
    }
    m_heldKind.reset();
    const std::optional<qint64> started = std::exchange(m_tapStarted, std::nullopt);
    if (!started)
        return;
    if (m_clock.monotonicMs() - *started < tapLimitMs && !m_tapSpoiled) {
        Log::write(QStringLiteral("hotkey tapped, toggling"));
        call(m_onToggle);
    }
}

void HotkeyMonitor::handleOtherKey(bool mouse, bool escape)
{
    if (!mouse && escape && (m_recording || m_externalRecording)) {
        Log::write(QStringLiteral("escape pressed, cancelling"));
        cancelPendingStart();
        m_heldKind.reset();
        m_recording = false;
        call(m_onCancel);
        return;
    }
    if (!m_heldKind)
        return;
    if (m_mode == HotkeyMode::toggle) {
        m_tapSpoiled = true;
        return;
    }
    // A click while a held dictation runs is allowed.
    if (mouse && m_recording)
        return;
    // The combination was used as a shortcut: nothing starts.
    cancelPendingStart();
    if (m_recording) {
        Log::write(QStringLiteral("another key pressed while holding, cancelling"));
        m_recording = false;
        call(m_onCancel);
    }
}

void HotkeyMonitor::cancelPendingStart()
{
    if (m_pendingStart)
        m_clock.cancel(*m_pendingStart);
    m_pendingStart.reset();
}
