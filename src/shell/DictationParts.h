#pragma once

class AppState;
class AudioRecorder;
class Clock;
class DictationDesktop;
class FrontApplication;
class HotkeyMonitor;
class MicLevelMeter;
class SoundPlayer;

// The long-lived objects a dictation works with, owned by the application.
struct DictationParts
{
    AppState& state;
    AudioRecorder& recorder;
    HotkeyMonitor& hotkey;
    MicLevelMeter& micMeter;
    SoundPlayer& sounds;
    FrontApplication& frontApp;
    DictationDesktop& desktop;
    Clock& clock;
};
