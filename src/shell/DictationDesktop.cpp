#include "shell/DictationDesktop.h"

#include "engine/MediaControl.h"
#include "engine/Notifier.h"
#include "engine/TextInjector.h"

namespace {

class SystemDesktop final : public DictationDesktop
{
public:
    bool pauseMedia(std::function<void()> undone) override { return MediaControl::pauseIfPlaying(std::move(undone)); }
    void resumeMedia() override { MediaControl::resume(); }
    void insert(const QString& text, const QString& method, const QString& newline, const QString& frontAppId) override
    {
        TextInjector::insert(text, method, newline, frontAppId);
    }
    void notify(const QString& title, const QString& body) override { Notifier::post(title, body); }
};

} // namespace

DictationDesktop& DictationDesktop::system()
{
    static SystemDesktop desktop;
    return desktop;
}
