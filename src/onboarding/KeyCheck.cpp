#include "onboarding/KeyCheck.h"

#include "core/AppState.h"

namespace {

// Spaces and tabs only: a key of them cannot be checked.
QString trimmedBlanks(const QString& text)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    auto blank = [](QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); };
    while (start < end && blank(text.at(start)))
        ++start;
    while (end > start && blank(text.at(end - 1)))
        --end;
    return text.mid(start, end - start);
}

} // namespace

KeyCheck::KeyCheck(AppState& state, QObject* parent)
    : QObject(parent)
    , m_state(state)
    , m_lastKey(state.config().apiKey)
{
    connect(&m_state, &AppState::configChanged, this, &KeyCheck::keyEdited);
    connect(&m_state, &AppState::keyStatusChanged, this, &KeyCheck::keyStatusChanged);
}

void KeyCheck::setChecked(bool checked)
{
    if (checked == m_checked)
        return;
    m_checked = checked;
    Q_EMIT changed();
}

bool KeyCheck::canCheck() const
{
    return !m_busy && !trimmedBlanks(m_state.config().apiKey).isEmpty();
}

void KeyCheck::start()
{
    if (!canCheck())
        return;
    m_busy = true;
    m_error.clear();
    const QString key = m_state.config().apiKey.trimmed();
    if (key != m_state.config().apiKey)
        m_state.updateConfig([&key](Config& config) { config.apiKey = key; });
    m_pending = m_state.config().resolvedApiKey();
    Q_EMIT changed();
    m_state.actions().checkKey();
}

void KeyCheck::resetView()
{
    if (!m_busy && m_error.isEmpty())
        return;
    m_busy = false;
    m_error.clear();
    Q_EMIT changed();
}

void KeyCheck::keyEdited()
{
    if (m_state.config().apiKey == m_lastKey)
        return;
    m_lastKey = m_state.config().apiKey;
    m_checked = false;
    m_error.clear();
    Q_EMIT changed();
}

void KeyCheck::keyStatusChanged()
{
    if (m_pending.isEmpty())
        return;
    const KeyStatus status = m_state.keyStatus();
    if (status.kind == KeyStatus::Kind::checking)
        return;
    const bool sameKey = m_state.config().resolvedApiKey() == m_pending;
    m_pending.clear();
    m_busy = false;
    // An answer for a key no longer in the field only ends the wait; so does
    // a check the application dropped because the key changed.
    if (sameKey) {
        if (status.kind == KeyStatus::Kind::ok)
            m_checked = true;
        else if (status.kind == KeyStatus::Kind::failed)
            m_error = status.message;
    }
    Q_EMIT changed();
}
