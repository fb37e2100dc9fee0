#pragma once

#include "core/Tone.h"

#include <QString>
#include <QUuid>

#include <optional>

// Small values of the application state, shared with the actions table.

// The dictation phase; only the application controller moves it.
enum class Phase {
    idle,
    recording,
    working, // a finished recording is being processed
    failed,  // shown for a while, then back to idle
};

// The main window's screens; stored by raw value.
enum class Screen {
    history,
    notes,
    vocabulary,
    phone,
};

enum class SettingsTab {
    general,
    shortcuts,
    ai,
    microphone,
    advanced,
};

QString rawValue(Screen screen);
QString rawValue(SettingsTab tab);
std::optional<Screen> screenFromRaw(const QString& raw);
std::optional<SettingsTab> settingsTabFromRaw(const QString& raw);

// Where a transcript goes.
struct Target
{
    enum class Kind {
        note,        // into the note noteID
        frontApp,    // typed or pasted into the front application
        historyOnly, // kept in History only
    };

    Kind kind = Kind::frontApp;
    QUuid noteID;

    static Target note(const QUuid& id) { return {Kind::note, id}; }
    static Target frontApp() { return {Kind::frontApp, {}}; }
    static Target historyOnly() { return {Kind::historyOnly, {}}; }

    bool operator==(const Target& other) const
    {
        return kind == other.kind && (kind != Kind::note || noteID == other.noteID);
    }
};

// The state of the API-key check.
struct KeyStatus
{
    enum class Kind {
        unknown, // not checked, or the key changed since
        checking,
        ok,
        failed,
    };

    Kind kind = Kind::unknown;
    QString message; // for failed

    static KeyStatus failed(const QString& message) { return {Kind::failed, message}; }

    bool operator==(const KeyStatus& other) const
    {
        return kind == other.kind && (kind != Kind::failed || message == other.message);
    }
};

// A microphone of the sound server, as the settings offer it.
struct Microphone
{
    QString id; // what Config::inputDeviceID stores
    QString name;

    bool operator==(const Microphone&) const = default;
};

// A toast on screen. Every showing has a new id, so two showings of the same
// text are different toasts.
struct Toast
{
    QUuid id = QUuid::createUuid();
    QString title;
    QString detail;
    ToastTone tone = ToastTone::info;

    bool operator==(const Toast&) const = default;
};
