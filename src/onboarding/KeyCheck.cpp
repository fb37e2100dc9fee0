#include "onboarding/KeyCheck.h"

#include "core/AppState.h"

#include <QPointer>

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
    const int request = ++m_request;
    Q_EMIT changed();
    const QPointer<KeyCheck> self(this);
    m_state.actions().listModels(m_state.config(), [self, key, request](const ModelList& answer) {
        if (self)
            self->answered(key, request, answer);
    });
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

void KeyCheck::answered(const QString& key, int request, const ModelList& answer)
{
    if (request == m_request)
        m_busy = false;
    // An answer for a key no longer in the field only ends the wait.
    if (m_state.config().apiKey == key) {
        if (answer.names) {
            if (answer.pick && *answer.pick != m_state.config().model)
                m_state.updateConfig([&answer](Config& config) { config.model = *answer.pick; });
            m_checked = true;
        } else {
            m_error = answer.error;
        }
    }
    Q_EMIT changed();
}
