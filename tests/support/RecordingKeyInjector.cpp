#include "RecordingKeyInjector.h"

bool RecordingKeyInjector::isAvailable(QString* error)
{
    if (!failure.isEmpty() && error)
        *error = failure;
    return failure.isEmpty();
}

void RecordingKeyInjector::pressKey(Key key, KeySource::Modifiers modifiers)
{
    QString entry = key == Key::V        ? QStringLiteral("key:V")
                    : key == Key::Insert ? QStringLiteral("key:Insert")
                                         : QStringLiteral("key:Return");
    if (modifiers & KeySource::Control)
        entry += QStringLiteral("+Ctrl");
    if (modifiers & KeySource::Shift)
        entry += QStringLiteral("+Shift");
    if (modifiers & KeySource::Option)
        entry += QStringLiteral("+Alt");
    calls << entry;
}

void RecordingKeyInjector::typeText(const QString& text)
{
    calls << QStringLiteral("text:") + text;
}
