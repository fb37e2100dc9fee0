#pragma once

#include <QString>

#include <functional>

// What a dictation does to the rest of the desktop besides the microphone:
// pausing other applications' media, putting the text into the front
// application and telling the user about a failure. Main thread only.
class DictationDesktop
{
public:
    virtual ~DictationDesktop() = default;

    // True when media was paused for the recording; undone is called later
    // when the pause had to be taken back.
    virtual bool pauseMedia(std::function<void()> undone) = 0;
    virtual void resumeMedia() = 0;
    // Pastes or types text into the front application, whose id picks the
    // paste chord.
    virtual void insert(const QString& text, const QString& method, const QString& newline,
                        const QString& frontAppId) = 0;
    virtual void notify(const QString& title, const QString& body) = 0;

    // The desktop's own media players, key injection and notifications.
    static DictationDesktop& system();
};
