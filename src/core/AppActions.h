#pragma once

#include "core/AppStateTypes.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QUuid>

#include <functional>
#include <optional>

struct Config;

// The answer of a model list request: the names the key may use, sorted,
// and the model picked among them for the settings of the moment; or, when
// the request failed, the failure's text.
struct ModelList
{
    std::optional<QStringList> names;
    std::optional<QString> pick;
    QString error;
};

// What the views may ask of the application controller. Each starts as a
// do-nothing function; the controller installs its own table once at start-up.
// Views call these and never the engine, the phone server or windows directly.
struct AppActions
{
    // Starts a dictation into the target when idle or failed, stops the one
    // being recorded, and does nothing while working.
    std::function<void(const Target&)> toggleDictation = [](const Target&) {};
    std::function<void()> cancelDictation = [] {};
    // Transcribes the kept audio of a History entry again.
    std::function<void(const QUuid&)> retry = [](const QUuid&) {};
    // Delivers a text to the front application with the configured method.
    std::function<void(const QString&)> insert = [](const QString&) {};
    std::function<void()> checkKey = [] {};
    // Asks the model service which models the key of these settings may use,
    // changing nothing; done runs later, on the main thread.
    std::function<void(const Config&, std::function<void(const ModelList&)>)> listModels
        = [](const Config&, const std::function<void(const ModelList&)>&) {};
    std::function<void()> toggleMicTest = [] {};
    std::function<void()> newPhoneCode = [] {};
    std::function<void()> openOnboarding = [] {};
    // The microphones to choose from, in the sound server's order.
    std::function<QList<Microphone>()> microphones = [] { return QList<Microphone>{}; };
    // Stores the interface language (none: the system's) and, when it
    // changed, restarts the application in it.
    std::function<void(const std::optional<QString>&)> chooseInterfaceLanguage = [](const std::optional<QString>&) {};
};
