#pragma once

#include "platform/KeyInjector.h"

#include <QStringList>

// A key injector that sends nothing and records what it was asked, one entry
// per call: "key:V+Ctrl", "key:Return+Shift", "text:<chunk>".
class RecordingKeyInjector final : public KeyInjector
{
public:
    bool isAvailable(QString* error) override;
    void pressKey(Key key, KeySource::Modifiers modifiers) override;
    void typeText(const QString& text) override;

    // isAvailable() fails with this error when it is not empty.
    QString failure;
    QStringList calls;
};
