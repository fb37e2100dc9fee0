#include "engine/TextInjector.h"

#include "core/Log.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QSet>
#include <QTextBoundaryFinder>
#include <QThread>
#include <QThreadPool>

#include <memory>

namespace TextInjector {

namespace {

constexpr int chunkSize = 16;
constexpr int chunkPauseMs = 4;
constexpr int lineBreakPauseMs = 20;
constexpr int keyDelayMs = 50;
constexpr int restoreDelayMs = 400;

const QSet<QString>& terminals()
{
    static const QSet<QString> ids = {
        QStringLiteral("gnome-terminal"), QStringLiteral("gnome-terminal-server"), QStringLiteral("org.gnome.terminal"),
        QStringLiteral("org.gnome.console"), QStringLiteral("kgx"), QStringLiteral("org.gnome.ptyxis"),
        QStringLiteral("ptyxis"), QStringLiteral("konsole"), QStringLiteral("org.kde.konsole"),
        QStringLiteral("xfce4-terminal"), QStringLiteral("org.xfce.terminal"), QStringLiteral("kitty"),
        QStringLiteral("alacritty"), QStringLiteral("wezterm"), QStringLiteral("org.wezfurlong.wezterm"),
        QStringLiteral("foot"), QStringLiteral("footclient"), QStringLiteral("org.codeberg.dnkl.foot"),
        QStringLiteral("tilix"), QStringLiteral("com.gexperts.tilix"), QStringLiteral("terminator"),
        QStringLiteral("ghostty"), QStringLiteral("com.mitchellh.ghostty"), QStringLiteral("mate-terminal"),
        QStringLiteral("lxterminal"), QStringLiteral("qterminal"), QStringLiteral("terminology"), QStringLiteral("st"),
        QStringLiteral("st-256color"), QStringLiteral("io.elementary.terminal"), QStringLiteral("deepin-terminal"),
        QStringLiteral("com.raggesilver.blackbox"), QStringLiteral("tabby"),
    };
    return ids;
}

// They paste the primary selection on Shift+Insert and take Ctrl+Shift+V as
// a key of its own.
const QSet<QString>& selectionTerminals()
{
    static const QSet<QString> ids = {
        QStringLiteral("xterm"), QStringLiteral("uxterm"), QStringLiteral("debian-xterm"),
        QStringLiteral("debian-uxterm"), QStringLiteral("rxvt"), QStringLiteral("urxvt"),
        QStringLiteral("rxvt-unicode"), QStringLiteral("urxvtc"), QStringLiteral("urxvt-tabbed"),
    };
    return ids;
}

// The user's clipboard (and primary selection) while a paste borrows it. Two
// pastes close together keep what the first saved, and only the last one
// restores it.
struct PasteState
{
    std::unique_ptr<QMimeData> saved;
    std::unique_ptr<QMimeData> savedSelection;
    bool restorePending = false;
    bool selectionBorrowed = false;
    quint64 generation = 0;
};

PasteState& pasteState()
{
    static PasteState state;
    return state;
}

// Every format of the clipboard, so that an image or a file list comes back
// as well as text.
std::unique_ptr<QMimeData> copyOf(const QMimeData* source)
{
    auto copy = std::make_unique<QMimeData>();
    if (!source)
        return copy;
    const QString qtImage = QStringLiteral("application/x-qt-image");
    for (const QString& format : source->formats()) {
        if (format == qtImage)
            continue;
        const QByteArray data = source->data(format);
        if (!data.isEmpty())
            copy->setData(format, data);
    }
    if (source->hasImage())
        copy->setImageData(source->imageData());
    return copy;
}

void restore(QClipboard::Mode mode, std::unique_ptr<QMimeData> saved)
{
    // With nothing saved, the pasted text stays.
    if (saved && !saved->formats().isEmpty())
        QGuiApplication::clipboard()->setMimeData(saved.release(), mode);
}

void paste(const QString& text, const QString& frontAppId, KeyInjector& injector, Clock& clock)
{
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (!app) {
        Log::write(QStringLiteral("paste skipped: no clipboard without a graphical session"));
        return;
    }
    QClipboard* clipboard = QGuiApplication::clipboard();
    const PasteChord chord = pasteChord(frontAppId);
    const bool selection = chord.primary && clipboard->supportsSelection();
    PasteState& state = pasteState();
    if (!state.restorePending) {
        state.saved = copyOf(clipboard->mimeData());
        state.selectionBorrowed = false;
    }
    if (selection && !state.selectionBorrowed) {
        state.savedSelection = copyOf(clipboard->mimeData(QClipboard::Selection));
        state.selectionBorrowed = true;
    }
    state.restorePending = true;
    const quint64 generation = ++state.generation;
    clipboard->setText(text);
    if (selection)
        clipboard->setText(text, QClipboard::Selection);

    clock.schedule(keyDelayMs, app, [&injector, &clock, chord, generation, app] {
        injector.pressKey(chord.key, chord.modifiers);
        clock.schedule(restoreDelayMs, app, [generation] {
            PasteState& state = pasteState();
            if (generation != state.generation)
                return;
            state.restorePending = false;
            restore(QClipboard::Clipboard, std::move(state.saved));
            if (state.selectionBorrowed) {
                state.selectionBorrowed = false;
                restore(QClipboard::Selection, std::move(state.savedSelection));
            }
        });
    });
}

// Typing waits for the target between key-map changes, so it runs off the
// interface thread; one typing at a time, in the order asked.
// Made after the injector, so at exit it is destroyed first and lets the
// typing under way finish while the injector is still there.
QThreadPool& typingThread()
{
    static QThreadPool pool;
    static const bool single = [] {
        pool.setMaxThreadCount(1);
        return true;
    }();
    Q_UNUSED(single);
    return pool;
}

void type(const QString& text, NewlineMode newline, KeyInjector& injector)
{
    const QList<Action> actions = typingActions(text, newline);
    typingThread().start([actions, text, &injector] {
        injector.prepareTyping(text);
        for (const Action& action : actions) {
            switch (action.kind) {
            case Action::Kind::text:
                injector.typeText(action.text);
                break;
            case Action::Kind::key:
                injector.pressKey(action.key, action.modifiers);
                break;
            case Action::Kind::pause:
                QThread::msleep(action.pauseMs);
                break;
            }
        }
        injector.finishTyping();
    });
}

void appendTyped(QList<Action>& actions, const QString& text)
{
    for (const QString& chunk : chunked(text, chunkSize)) {
        actions << Action::typed(chunk);
        actions << Action::pause(chunkPauseMs);
    }
}

} // namespace

NewlineMode newlineModeFromRaw(const QString& raw)
{
    if (raw == QLatin1String("optionReturn"))
        return NewlineMode::optionReturn;
    if (raw == QLatin1String("return"))
        return NewlineMode::returnKey;
    if (raw == QLatin1String("space"))
        return NewlineMode::space;
    return NewlineMode::shiftReturn;
}

QString trimmed(const QString& text)
{
    // QString::trimmed() drops exactly the Unicode white space, line breaks included.
    return text.trimmed();
}

QStringList chunked(const QString& text, int size)
{
    QStringList chunks;
    if (text.isEmpty() || size <= 0)
        return chunks;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype start = 0;
    int count = 0;
    for (qsizetype at = finder.toNextBoundary(); at != -1; at = finder.toNextBoundary()) {
        if (++count == size) {
            chunks << text.mid(start, at - start);
            start = at;
            count = 0;
        }
    }
    if (start < text.size())
        chunks << text.mid(start);
    return chunks;
}

QList<Action> typingActions(const QString& text, NewlineMode newline)
{
    QString normalized = text;
    normalized.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normalized.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QStringList lines = normalized.split(QLatin1Char('\n'));

    QList<Action> actions;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            switch (newline) {
            case NewlineMode::shiftReturn:
                actions << Action::pressed(KeyInjector::Key::Return, KeySource::Shift) << Action::pause(lineBreakPauseMs);
                break;
            case NewlineMode::optionReturn:
                actions << Action::pressed(KeyInjector::Key::Return, KeySource::Option) << Action::pause(lineBreakPauseMs);
                break;
            case NewlineMode::returnKey:
                actions << Action::pressed(KeyInjector::Key::Return, {}) << Action::pause(lineBreakPauseMs);
                break;
            case NewlineMode::space:
                appendTyped(actions, QStringLiteral(" "));
                break;
            }
        }
        appendTyped(actions, lines[i]);
    }
    return actions;
}

bool isTerminal(const QString& frontAppId)
{
    const QString id = frontAppId.toLower();
    return terminals().contains(id) || selectionTerminals().contains(id);
}

PasteChord pasteChord(const QString& frontAppId)
{
    if (selectionTerminals().contains(frontAppId.toLower()))
        return {KeyInjector::Key::Insert, KeySource::Shift, true};
    if (isTerminal(frontAppId))
        return {KeyInjector::Key::V, KeySource::Control | KeySource::Shift, false};
    return {KeyInjector::Key::V, KeySource::Control, false};
}

void insert(const QString& text, const QString& method, const QString& newline, const QString& frontAppId)
{
    insert(text, method, newline, frontAppId, KeyInjector::system(), Clock::system());
}

void insert(const QString& text, const QString& method, const QString& newline, const QString& frontAppId,
            KeyInjector& injector, Clock& clock)
{
    const QString body = trimmed(text);
    if (body.isEmpty())
        return;
    QString error;
    if (!injector.isAvailable(&error)) {
        Log::write(QStringLiteral("text not inserted: ") + error);
        return;
    }
    if (method == QLatin1String("type"))
        type(body, newlineModeFromRaw(newline), injector);
    else
        paste(body, frontAppId, injector, clock);
}

void waitForTyping()
{
    typingThread().waitForDone();
}

} // namespace TextInjector
