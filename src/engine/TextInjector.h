#pragma once

#include "platform/Clock.h"
#include "platform/KeyInjector.h"

#include <QList>
#include <QString>
#include <QStringList>

// Puts a finished transcript where the text cursor is in the front
// application: by pasting it (the clipboard and Ctrl+V, after which the
// user's clipboard is put back) or by typing it as key strokes. Main thread.
namespace TextInjector {

// What a line break becomes when typing. Stored as "shiftReturn",
// "optionReturn", "return" and "space".
enum class NewlineMode { shiftReturn, optionReturn, returnKey, space };

// An unknown or empty value is shiftReturn.
NewlineMode newlineModeFromRaw(const QString& raw);

// One step of typing: a chunk of text, a key stroke, or a pause.
struct Action
{
    enum class Kind { text, key, pause };

    Kind kind = Kind::text;
    QString text;
    KeyInjector::Key key = KeyInjector::Key::Return;
    KeySource::Modifiers modifiers;
    int pauseMs = 0;

    static Action typed(const QString& text) { return {Kind::text, text, {}, {}, 0}; }
    static Action pressed(KeyInjector::Key key, KeySource::Modifiers modifiers) { return {Kind::key, {}, key, modifiers, 0}; }
    static Action pause(int ms) { return {Kind::pause, {}, {}, {}, ms}; }

    bool operator==(const Action&) const = default;
};

// The text without whitespace and line breaks at either end.
QString trimmed(const QString& text);
// Consecutive pieces of size characters (grapheme clusters: an emoji
// sequence or a letter with its marks is never cut); the last holds the rest.
QStringList chunked(const QString& text, int size);
// The steps that type text (already trimmed) with line breaks as newline.
QList<Action> typingActions(const QString& text, NewlineMode newline);

// The key stroke that pastes in an application, and whether it pastes the
// primary selection rather than the clipboard.
struct PasteChord
{
    KeyInjector::Key key = KeyInjector::Key::V;
    KeySource::Modifiers modifiers;
    bool primary = false;

    bool operator==(const PasteChord&) const = default;
};

// Terminal emulators read Ctrl+V as a control character and paste with
// Ctrl+Shift+V, except the xterm and rxvt families, which paste the primary
// selection on Shift+Insert; frontAppId is the front application's id.
bool isTerminal(const QString& frontAppId);
PasteChord pasteChord(const QString& frontAppId);

// Types text when method is exactly "type", else pastes it. Blank text does
// nothing. Both return at once: typing goes on in a worker thread, one text
// after another; pasting finishes on the main loop (the key stroke after
// 50 ms, the user's clipboard, and the primary selection where it was used,
// back 400 ms later).
void insert(const QString& text, const QString& method, const QString& newline, const QString& frontAppId = {});
// The same with the key injector and clock given (tests).
void insert(const QString& text, const QString& method, const QString& newline, const QString& frontAppId,
            KeyInjector& injector, Clock& clock);
// Blocks until every text asked to be typed has gone out (tests, quitting).
void waitForTyping();

} // namespace TextInjector
