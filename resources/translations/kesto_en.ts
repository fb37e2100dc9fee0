<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>L10n</name>
    <message numerus="yes">
        <source>%1 words</source>
        <translation>
            <numerusform>%1 word</numerusform>
            <numerusform>%1 words</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Today %1 · this week %2 — about %3 minutes saved</source>
        <translation>
            <numerusform>Today %1 · this week %2 — about %3 minute saved</numerusform>
            <numerusform>Today %1 · this week %2 — about %3 minutes saved</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %n notes in it are deleted too.</source>
        <translation>
            <numerusform>The %n note in it is deleted too.</numerusform>
            <numerusform>The %n notes in it are deleted too.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n day</numerusform>
            <numerusform>%n days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n new words</source>
        <translation>
            <numerusform>%n new word</numerusform>
            <numerusform>%n new words</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 · %n words</source>
        <translation>
            <numerusform>%1 · %n word</numerusform>
            <numerusform>%1 · %n words</numerusform>
        </translation>
    </message>
    <message>
        <source>From phone</source>
        <translation>From phone</translation>
    </message>
    <message>
        <source>Right Alt</source>
        <translation>Right Alt</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>The file could not be read.</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text.</source>
        <translation>The file is not UTF-8 text.</translation>
    </message>
    <message>
        <source>The file could not be saved.</source>
        <translation>The file could not be saved.</translation>
    </message>
    <message>
        <source>Preparing audio…</source>
        <translation>Preparing audio…</translation>
    </message>
    <message>
        <source>Shortening silence…</source>
        <translation>Shortening silence…</translation>
    </message>
    <message>
        <source>Turning speech into text…</source>
        <translation>Turning speech into text…</translation>
    </message>
    <message>
        <source>Waiting for the transcript…</source>
        <translation>Waiting for the transcript…</translation>
    </message>
    <message>
        <source>Still processing your audio…</source>
        <translation>Still processing your audio…</translation>
    </message>
    <message>
        <source>Trying again…</source>
        <translation>Trying again…</translation>
    </message>
    <message>
        <source>Organizing your note…</source>
        <translation>Organizing your note…</translation>
    </message>
    <message>
        <source>Preparing the result…</source>
        <translation>Preparing the result…</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Today</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Yesterday</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>Personal</translation>
    </message>
    <message>
        <source>Ideas</source>
        <translation>Ideas</translation>
    </message>
    <message>
        <source>All languages</source>
        <translation>All languages</translation>
    </message>
    <message>
        <source>Uzbek</source>
        <translation>Uzbek</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russian</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>The microphone could not be added.</source>
        <translation>The microphone could not be added.</translation>
    </message>
    <message>
        <source>Could not start the microphone. %1</source>
        <translation>Could not start the microphone. %1</translation>
    </message>
    <message>
        <source>The chosen microphone is not available. Pick another one in Settings.</source>
        <translation>The chosen microphone is not available. Pick another one in Settings.</translation>
    </message>
    <message>
        <source>A recording is already running.</source>
        <translation>A recording is already running.</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>System default</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Not connected</translation>
    </message>
    <message>
        <source>Gemini returned %1: %2</source>
        <translation>Gemini returned %1: %2</translation>
    </message>
    <message>
        <source>Could not read the Gemini response: %1</source>
        <translation>Could not read the Gemini response: %1</translation>
    </message>
    <message>
        <source>No API key. Add it in Settings, or set GEMINI_API_KEY.</source>
        <translation>No API key. Add it in Settings, or set GEMINI_API_KEY.</translation>
    </message>
    <message>
        <source>Gemini returned no text.</source>
        <translation>Gemini returned no text.</translation>
    </message>
    <message>
        <source>The Gemini response is not valid JSON: %1</source>
        <translation>The Gemini response is not valid JSON: %1</translation>
    </message>
    <message>
        <source>Could not read the recording: %1</source>
        <translation>Could not read the recording: %1</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Cancelled.</translation>
    </message>
    <message>
        <source>Meeting</source>
        <translation>Meeting</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Tasks</translation>
    </message>
    <message>
        <source>Journal</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>Idea</source>
        <translation>Idea</translation>
    </message>
    <message>
        <source>Log out</source>
        <translation>Log out</translation>
    </message>
    <message>
        <source>Choose an X11 session at the login screen</source>
        <translation>Choose an X11 session at the login screen</translation>
    </message>
    <message>
        <source>Start Kesto Viruz again</source>
        <translation>Start Kesto Viruz again</translation>
    </message>
    <message>
        <source>X11 session</source>
        <translation>X11 session</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>Allowed</translation>
    </message>
    <message>
        <source>No X11 session</source>
        <translation>No X11 session</translation>
    </message>
    <message>
        <source>Keys cannot be typed in this session</source>
        <translation>Keys cannot be typed in this session</translation>
    </message>
    <message>
        <source>Paste it here</source>
        <translation>Paste it here</translation>
    </message>
    <message>
        <source>AIza…</source>
        <translation>AIza…</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>Checking…</translation>
    </message>
    <message>
        <source>The key works · %1</source>
        <translation>The key works · %1</translation>
    </message>
    <message>
        <source>More info</source>
        <translation>More info</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Microphone</translation>
    </message>
    <message>
        <source>No sound server</source>
        <translation>No sound server</translation>
    </message>
    <message>
        <source>Kesto Viruz records through PulseAudio or PipeWire, and neither answers. Start your desktop&apos;s sound server, then come back here.</source>
        <translation>Kesto Viruz records through PulseAudio or PipeWire, and neither answers. Start your desktop&apos;s sound server, then come back here.</translation>
    </message>
    <message>
        <source>No microphone found</source>
        <translation>No microphone found</translation>
    </message>
    <message>
        <source>Plug in a microphone, or turn one on in the sound settings. This page notices it within a second.</source>
        <translation>Plug in a microphone, or turn one on in the sound settings. This page notices it within a second.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Which languages do you speak?</source>
        <translation>Which languages do you speak?</translation>
    </message>
    <message>
        <source>Keys and typing</source>
        <translation>Keys and typing</translation>
    </message>
    <message>
        <source>Gemini API key</source>
        <translation>Gemini API key</translation>
    </message>
    <message>
        <source>Try it</source>
        <translation>Try it</translation>
    </message>
    <message>
        <source>You can pick more than one.</source>
        <translation>You can pick more than one.</translation>
    </message>
    <message>
        <source>Records only while you hold the key.</source>
        <translation>Records only while you hold the key.</translation>
    </message>
    <message>
        <source>Records only from one key press to the next.</source>
        <translation>Records only from one key press to the next.</translation>
    </message>
    <message>
        <source>Needed to type the text where your cursor is.</source>
        <translation>Needed to type the text where your cursor is.</translation>
    </message>
    <message>
        <source>Turning speech into text needs a free key.</source>
        <translation>Turning speech into text needs a free key.</translation>
    </message>
    <message>
        <source>Hold the keys, talk, and let go.</source>
        <translation>Hold the keys, talk, and let go.</translation>
    </message>
    <message>
        <source>Press the keys, talk, and press them again.</source>
        <translation>Press the keys, talk, and press them again.</translation>
    </message>
    <message>
        <source>Even if you mix languages in one sentence, Kesto Viruz writes each word in the language it was said in.</source>
        <translation>Even if you mix languages in one sentence, Kesto Viruz writes each word in the language it was said in.</translation>
    </message>
    <message>
        <source>It also records when you press the floating button on the screen. The microphone is not used at any other time.</source>
        <translation>It also records when you press the floating button on the screen. The microphone is not used at any other time.</translation>
    </message>
    <message>
        <source>Kesto Viruz notices the talk key and types text in any app through the X11 session. What you type is never saved or sent anywhere. A Wayland session without X11 does not allow this.</source>
        <translation>Kesto Viruz notices the talk key and types text in any app through the X11 session. What you type is never saved or sent anywhere. A Wayland session without X11 does not allow this.</translation>
    </message>
    <message>
        <source>Getting a key takes about a minute. The free tier has a daily limit, and Google may use the requests to improve its products. With billing turned on, neither applies.</source>
        <translation>Getting a key takes about a minute. The free tier has a daily limit, and Google may use the requests to improve its products. With billing turned on, neither applies.</translation>
    </message>
    <message>
        <source>The text appears where the cursor is — here now, and in any app later. You can also talk with the floating button at the bottom of the screen. Everything you say is kept in History.</source>
        <translation>The text appears where the cursor is — here now, and in any app later. You can also talk with the floating button at the bottom of the screen. Everything you say is kept in History.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Open sound settings</source>
        <translation>Open sound settings</translation>
    </message>
    <message>
        <source>Kesto Viruz cannot dictate right now</source>
        <translation>Kesto Viruz cannot dictate right now</translation>
    </message>
    <message>
        <source>Something it needs has gone missing since the setup. Until it is back, the talk key and dictation do not work.</source>
        <translation>Something it needs has gone missing since the setup. Until it is back, the talk key and dictation do not work.</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Later</translation>
    </message>
    <message>
        <source>Listening…</source>
        <translation>Listening…</translation>
    </message>
    <message>
        <source>Talk key</source>
        <translation>Talk key</translation>
    </message>
    <message>
        <source>Hold the keys and talk</source>
        <translation>Hold the keys and talk</translation>
    </message>
    <message>
        <source>Press the keys and talk</source>
        <translation>Press the keys and talk</translation>
    </message>
    <message>
        <source>The recording is longer than 20 minutes.</source>
        <translation>The recording is longer than 20 minutes.</translation>
    </message>
    <message>
        <source>Port %1 is already in use.</source>
        <translation>Port %1 is already in use.</translation>
    </message>
    <message>
        <source>Port %1 needs administrator rights. Choose a port above 1023.</source>
        <translation>Port %1 needs administrator rights. Choose a port above 1023.</translation>
    </message>
    <message>
        <source>Could not create the HTTPS certificate.</source>
        <translation>Could not create the HTTPS certificate.</translation>
    </message>
    <message>
        <source>The sound server does not answer.</source>
        <translation>The sound server does not answer.</translation>
    </message>
    <message>
        <source>The sound server has no microphone.</source>
        <translation>The sound server has no microphone.</translation>
    </message>
    <message>
        <source>Audio saved on your computer · %1</source>
        <translation>Audio saved on your computer · %1</translation>
    </message>
    <message>
        <source>Dictation</source>
        <translation>Dictation</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Hold and talk. When you let go, the text is typed where the cursor is.</source>
        <translation>Hold and talk. When you let go, the text is typed where the cursor is.</translation>
    </message>
    <message>
        <source>Press once and talk. Press again and the text is typed.</source>
        <translation>Press once and talk. Press again and the text is typed.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Retry</translation>
    </message>
    <message>
        <source>Transcribing again…</source>
        <translation>Transcribing again…</translation>
    </message>
    <message>
        <source>No internet — not transcribed</source>
        <translation>No internet — not transcribed</translation>
    </message>
    <message>
        <source>Not transcribed</source>
        <translation>Not transcribed</translation>
    </message>
    <message>
        <source>Transcribe</source>
        <translation>Transcribe</translation>
    </message>
    <message>
        <source>Never transcribed</source>
        <translation>Never transcribed</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Cancelled</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>History</source>
        <translation>History</translation>
    </message>
    <message>
        <source>Discarded</source>
        <translation>Discarded</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Nothing found.</source>
        <translation>Nothing found.</translation>
    </message>
    <message>
        <source>Try another word or clear the search.</source>
        <translation>Try another word or clear the search.</translation>
    </message>
    <message>
        <source>No recordings yet.</source>
        <translation>No recordings yet.</translation>
    </message>
    <message>
        <source>Hold the key and talk — the text is kept here.</source>
        <translation>Hold the key and talk — the text is kept here.</translation>
    </message>
    <message>
        <source>Press the key and talk — the text is kept here.</source>
        <translation>Press the key and talk — the text is kept here.</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copied</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Deleted</translation>
    </message>
    <message>
        <source>History cleared</source>
        <translation>History cleared</translation>
    </message>
    <message>
        <source>You cannot undo this</source>
        <translation>You cannot undo this</translation>
    </message>
    <message>
        <source>Meetings</source>
        <translation>Meetings</translation>
    </message>
    <message>
        <source>No notes in this folder yet.</source>
        <translation>No notes in this folder yet.</translation>
    </message>
    <message>
        <source>Create the first note, or say it with dictation.</source>
        <translation>Create the first note, or say it with dictation.</translation>
    </message>
    <message>
        <source>Create note</source>
        <translation>Create note</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>Write, or press the dictation button and speak…</source>
        <translation>Write, or press the dictation button and speak…</translation>
    </message>
    <message>
        <source>Find in note</source>
        <translation>Find in note</translation>
    </message>
    <message>
        <source>Write by voice</source>
        <translation>Write by voice</translation>
    </message>
    <message>
        <source>Untitled note</source>
        <translation>Untitled note</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Empty</translation>
    </message>
    <message>
        <source>New note</source>
        <translation>New note</translation>
    </message>
    <message>
        <source>Search notes</source>
        <translation>Search notes</translation>
    </message>
    <message>
        <source>All</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation>Add folder</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Folders</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Delete the folder “%1”?</source>
        <translation>Delete the folder “%1”?</translation>
    </message>
    <message>
        <source>New folder</source>
        <translation>New folder</translation>
    </message>
    <message>
        <source>Note deleted</source>
        <translation>Note deleted</translation>
    </message>
    <message>
        <source>The phone server is off</source>
        <translation>The phone server is off</translation>
    </message>
    <message>
        <source>It works only on this Wi-Fi, through a secret link.</source>
        <translation>It works only on this Wi-Fi, through a secret link.</translation>
    </message>
    <message>
        <source>Turn on</source>
        <translation>Turn on</translation>
    </message>
    <message>
        <source>New code</source>
        <translation>New code</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Disconnect</translation>
    </message>
    <message>
        <source>Phone connected — you can talk</source>
        <translation>Phone connected — you can talk</translation>
    </message>
    <message>
        <source>Waiting for the phone</source>
        <translation>Waiting for the phone</translation>
    </message>
    <message>
        <source>Copy text</source>
        <translation>Copy text</translation>
    </message>
    <message>
        <source>No recordings from the phone yet.</source>
        <translation>No recordings from the phone yet.</translation>
    </message>
    <message>
        <source>Recordings from the phone</source>
        <translation>Recordings from the phone</translation>
    </message>
    <message>
        <source>Record from your phone</source>
        <translation>Record from your phone</translation>
    </message>
    <message>
        <source>Talk even when you are away from the computer — the text appears here.</source>
        <translation>Talk even when you are away from the computer — the text appears here.</translation>
    </message>
    <message>
        <source>Phone connected</source>
        <translation>Phone connected</translation>
    </message>
    <message>
        <source>How it works</source>
        <translation>How it works</translation>
    </message>
    <message>
        <source>Scan the QR code with your phone&apos;s camera.</source>
        <translation>Scan the QR code with your phone&apos;s camera.</translation>
    </message>
    <message>
        <source>On the page that opens, tap the microphone and talk.</source>
        <translation>On the page that opens, tap the microphone and talk.</translation>
    </message>
    <message>
        <source>Tap «Kompyuterga yuborish» — the text appears in History.</source>
        <translation>Tap «Kompyuterga yuborish» — the text appears in History.</translation>
    </message>
    <message>
        <source>Nothing needs to be installed on the phone. The audio comes straight to your computer.</source>
        <translation>Nothing needs to be installed on the phone. The audio comes straight to your computer.</translation>
    </message>
    <message>
        <source>QR code for the phone</source>
        <translation>QR code for the phone</translation>
    </message>
    <message>
        <source>Copy link</source>
        <translation>Copy link</translation>
    </message>
    <message>
        <source>Vocabulary</source>
        <translation>Vocabulary</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>New snippet</source>
        <translation>New snippet</translation>
    </message>
    <message>
        <source>for example, my address</source>
        <translation>for example, my address</translation>
    </message>
    <message>
        <source>Full text to type</source>
        <translation>Full text to type</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>No snippets yet. Add a short phrase and the full text it stands for.</source>
        <translation>No snippets yet. Add a short phrase and the full text it stands for.</translation>
    </message>
    <message>
        <source>Dictionary</source>
        <translation>Dictionary</translation>
    </message>
    <message>
        <source>Snippets</source>
        <translation>Snippets</translation>
    </message>
    <message>
        <source>Kesto Viruz always spells these words right — names, terms, brands.</source>
        <translation>Kesto Viruz always spells these words right — names, terms, brands.</translation>
    </message>
    <message>
        <source>Say a short phrase — the full text is typed.</source>
        <translation>Say a short phrase — the full text is typed.</translation>
    </message>
    <message>
        <source>Saved on this computer</source>
        <translation>Saved on this computer</translation>
    </message>
    <message>
        <source>Type words separated by commas — for example, kesto, Gemini, Zarvina</source>
        <translation>Type words separated by commas — for example, kesto, Gemini, Zarvina</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Your vocabulary</source>
        <translation>Your vocabulary</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>The vocabulary is empty. Add names, terms and brands — Kesto Viruz will always spell them right.</source>
        <translation>The vocabulary is empty. Add names, terms and brands — Kesto Viruz will always spell them right.</translation>
    </message>
    <message>
        <source>Already in the vocabulary</source>
        <translation>Already in the vocabulary</translation>
    </message>
    <message>
        <source>Added to the vocabulary</source>
        <translation>Added to the vocabulary</translation>
    </message>
    <message>
        <source>Import words</source>
        <translation>Import words</translation>
    </message>
    <message>
        <source>Could not import</source>
        <translation>Could not import</translation>
    </message>
    <message>
        <source>Imported</source>
        <translation>Imported</translation>
    </message>
    <message>
        <source>No new words</source>
        <translation>No new words</translation>
    </message>
    <message>
        <source>Nothing to export</source>
        <translation>Nothing to export</translation>
    </message>
    <message>
        <source>The vocabulary is empty.</source>
        <translation>The vocabulary is empty.</translation>
    </message>
    <message>
        <source>Export words</source>
        <translation>Export words</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Text files (*.txt)</translation>
    </message>
    <message>
        <source>Could not export</source>
        <translation>Could not export</translation>
    </message>
    <message>
        <source>Exported</source>
        <translation>Exported</translation>
    </message>
    <message>
        <source>Model instructions</source>
        <translation>Model instructions</translation>
    </message>
    <message>
        <source>Model default</source>
        <translation>Model default</translation>
    </message>
    <message>
        <source>Low (fastest)</source>
        <translation>Low (fastest)</translation>
    </message>
    <message>
        <source>High</source>
        <translation>High</translation>
    </message>
    <message>
        <source>Thinking level</source>
        <translation>Thinking level</translation>
    </message>
    <message>
        <source>How much the model thinks before it writes</source>
        <translation>How much the model thinks before it writes</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Prompt</translation>
    </message>
    <message>
        <source>The cleanup switches and the vocabulary are added to it by themselves</source>
        <translation>The cleanup switches and the vocabulary are added to it by themselves</translation>
    </message>
    <message>
        <source>Paste (Ctrl+V)</source>
        <translation>Paste (Ctrl+V)</translation>
    </message>
    <message>
        <source>Type it out</source>
        <translation>Type it out</translation>
    </message>
    <message>
        <source>Text insertion</source>
        <translation>Text insertion</translation>
    </message>
    <message>
        <source>How the text gets into the app</source>
        <translation>How the text gets into the app</translation>
    </message>
    <message>
        <source>Shift + Enter (does not send)</source>
        <translation>Shift + Enter (does not send)</translation>
    </message>
    <message>
        <source>A space instead</source>
        <translation>A space instead</translation>
    </message>
    <message>
        <source>Line break</source>
        <translation>Line break</translation>
    </message>
    <message>
        <source>A plain Enter sends the message in a chat</source>
        <translation>A plain Enter sends the message in a chat</translation>
    </message>
    <message>
        <source>Keep audio files</source>
        <translation>Keep audio files</translation>
    </message>
    <message>
        <source>Recordings stay in the data folder after they are written out</source>
        <translation>Recordings stay in the data folder after they are written out</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Phone</translation>
    </message>
    <message>
        <source>Phone server</source>
        <translation>Phone server</translation>
    </message>
    <message>
        <source>A phone on the same Wi-Fi can dictate into this computer</source>
        <translation>A phone on the same Wi-Fi can dictate into this computer</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>The secure address of the phone page</source>
        <translation>The secure address of the phone page</translation>
    </message>
    <message>
        <source>Type phone text into the front app</source>
        <translation>Type phone text into the front app</translation>
    </message>
    <message>
        <source>Otherwise it is only kept in History</source>
        <translation>Otherwise it is only kept in History</translation>
    </message>
    <message>
        <source>HTTP for iOS Shortcuts</source>
        <translation>HTTP for iOS Shortcuts</translation>
    </message>
    <message>
        <source>Shortcuts cannot use the secure address; this one is not encrypted</source>
        <translation>Shortcuts cannot use the secure address; this one is not encrypted</translation>
    </message>
    <message>
        <source>HTTP port</source>
        <translation>HTTP port</translation>
    </message>
    <message>
        <source>The address for iOS Shortcuts</source>
        <translation>The address for iOS Shortcuts</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Keep history</source>
        <translation>Keep history</translation>
    </message>
    <message>
        <source>Older entries are deleted automatically</source>
        <translation>Older entries are deleted automatically</translation>
    </message>
    <message>
        <source>Data folder</source>
        <translation>Data folder</translation>
    </message>
    <message>
        <source>Export all</source>
        <translation>Export all</translation>
    </message>
    <message>
        <source>Save history, notes and vocabulary in one file</source>
        <translation>Save history, notes and vocabulary in one file</translation>
    </message>
    <message>
        <source>Delete all data</source>
        <translation>Delete all data</translation>
    </message>
    <message>
        <source>Use a number from 1024 to 65535</source>
        <translation>Use a number from 1024 to 65535</translation>
    </message>
    <message>
        <source>The two ports must differ</source>
        <translation>The two ports must differ</translation>
    </message>
    <message>
        <source>Forever</source>
        <translation>Forever</translation>
    </message>
    <message>
        <source>Confirm — this cannot be undone</source>
        <translation>Confirm — this cannot be undone</translation>
    </message>
    <message>
        <source>History, notes and vocabulary</source>
        <translation>History, notes and vocabulary</translation>
    </message>
    <message>
        <source>Export all data</source>
        <translation>Export all data</translation>
    </message>
    <message>
        <source>ZIP archive (*.zip)</source>
        <translation>ZIP archive (*.zip)</translation>
    </message>
    <message>
        <source>Export failed</source>
        <translation>Export failed</translation>
    </message>
    <message>
        <source>Data deleted</source>
        <translation>Data deleted</translation>
    </message>
    <message>
        <source>History, notes and vocabulary were cleared</source>
        <translation>History, notes and vocabulary were cleared</translation>
    </message>
    <message>
        <source>Not everything was deleted</source>
        <translation>Not everything was deleted</translation>
    </message>
    <message>
        <source>Could not delete: %1</source>
        <translation>Could not delete: %1</translation>
    </message>
    <message>
        <source>Add a language</source>
        <translation>Add a language</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Flash — faster, Pro — more accurate</source>
        <translation>Flash — faster, Pro — more accurate</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Languages</translation>
    </message>
    <message>
        <source>Understands you even when you mix languages</source>
        <translation>Understands you even when you mix languages</translation>
    </message>
    <message>
        <source>Text cleanup</source>
        <translation>Text cleanup</translation>
    </message>
    <message>
        <source>Remove filler words</source>
        <translation>Remove filler words</translation>
    </message>
    <message>
        <source>Words like «uh», «um» and «like» are left out</source>
        <translation>Words like «uh», «um» and «like» are left out</translation>
    </message>
    <message>
        <source>Punctuation</source>
        <translation>Punctuation</translation>
    </message>
    <message>
        <source>Puts in commas, full stops and question marks by itself</source>
        <translation>Puts in commas, full stops and question marks by itself</translation>
    </message>
    <message>
        <source>Understand self-corrections</source>
        <translation>Understand self-corrections</translation>
    </message>
    <message>
        <source>«at ten, no, at eleven» — only the last one is written</source>
        <translation>«at ten, no, at eleven» — only the last one is written</translation>
    </message>
    <message>
        <source>Your voice goes straight to Google, with your own key. If you go over the free limit, you pay Google directly.</source>
        <translation>Your voice goes straight to Google, with your own key. If you go over the free limit, you pay Google directly.</translation>
    </message>
    <message>
        <source>Paste the key here</source>
        <translation>Paste the key here</translation>
    </message>
    <message>
        <source>Get a key for free:</source>
        <translation>Get a key for free:</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Hide</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connected</translation>
    </message>
    <message>
        <source>Not checked</source>
        <translation>Not checked</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Light</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dark</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Theme</translation>
    </message>
    <message>
        <source>Light, dark or match the system</source>
        <translation>Light, dark or match the system</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>Dictation sounds</source>
        <translation>Dictation sounds</translation>
    </message>
    <message>
        <source>A short signal when recording starts and ends</source>
        <translation>A short signal when recording starts and ends</translation>
    </message>
    <message>
        <source>Pause music</source>
        <translation>Pause music</translation>
    </message>
    <message>
        <source>Pauses music and video while you dictate</source>
        <translation>Pauses music and video while you dictate</translation>
    </message>
    <message>
        <source>Turn off notifications</source>
        <translation>Turn off notifications</translation>
    </message>
    <message>
        <source>Kesto Viruz shows no notifications at all</source>
        <translation>Kesto Viruz shows no notifications at all</translation>
    </message>
    <message>
        <source>Start with the computer</source>
        <translation>Start with the computer</translation>
    </message>
    <message>
        <source>The app waits in the background</source>
        <translation>The app waits in the background</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Interface</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>Interface language</translation>
    </message>
    <message>
        <source>The app restarts to switch the language</source>
        <translation>The app restarts to switch the language</translation>
    </message>
    <message>
        <source>Floating button</source>
        <translation>Floating button</translation>
    </message>
    <message>
        <source>Sits at the bottom of the screen; click it to dictate</source>
        <translation>Sits at the bottom of the screen; click it to dictate</translation>
    </message>
    <message>
        <source>For dictation</source>
        <translation>For dictation</translation>
    </message>
    <message>
        <source>Sound level</source>
        <translation>Sound level</translation>
    </message>
    <message>
        <source>Noise reduction</source>
        <translation>Noise reduction</translation>
    </message>
    <message>
        <source>Lowers background noise and keyboard sounds</source>
        <translation>Lowers background noise and keyboard sounds</translation>
    </message>
    <message>
        <source>Shorten long pauses</source>
        <translation>Shorten long pauses</translation>
    </message>
    <message>
        <source>Long silences are cut before the audio is sent</source>
        <translation>Long silences are cut before the audio is sent</translation>
    </message>
    <message>
        <source>Microphone not connected</source>
        <translation>Microphone not connected</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Speak — the green bars follow your voice.</source>
        <translation>Speak — the green bars follow your voice.</translation>
    </message>
    <message>
        <source>Press Test and say a few words.</source>
        <translation>Press Test and say a few words.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Cancel dictation</source>
        <translation>Cancel dictation</translation>
    </message>
    <message>
        <source>Not typed; kept in History as cancelled</source>
        <translation>Not typed; kept in History as cancelled</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>In history</source>
        <translation>In history</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Hold</translation>
    </message>
    <message>
        <source>Press once</source>
        <translation>Press once</translation>
    </message>
    <message>
        <source>Dictation mode</source>
        <translation>Dictation mode</translation>
    </message>
    <message>
        <source>Change keys</source>
        <translation>Change keys</translation>
    </message>
    <message>
        <source>Hold time</source>
        <translation>Hold time</translation>
    </message>
    <message>
        <source>How long to hold the keys before recording starts</source>
        <translation>How long to hold the keys before recording starts</translation>
    </message>
    <message>
        <source>Hold and talk</source>
        <translation>Hold and talk</translation>
    </message>
    <message>
        <source>Press once, talk, press again</source>
        <translation>Press once, talk, press again</translation>
    </message>
    <message>
        <source>Recording stops when you let go</source>
        <translation>Recording stops when you let go</translation>
    </message>
    <message>
        <source>Recording stops when you press again</source>
        <translation>Recording stops when you press again</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>App</source>
        <translation>App</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Shortcuts</translation>
    </message>
    <message>
        <source>AI and languages</source>
        <translation>AI and languages</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Advanced</translation>
    </message>
    <message>
        <source>Shortcut address</source>
        <translation>Shortcut address</translation>
    </message>
    <message>
        <source>Make the Shortcut</source>
        <translation>Make the Shortcut</translation>
    </message>
    <message>
        <source>In the Shortcuts app on the iPhone</source>
        <translation>In the Shortcuts app on the iPhone</translation>
    </message>
    <message>
        <source>Create a new shortcut.</source>
        <translation>Create a new shortcut.</translation>
    </message>
    <message>
        <source>Add “Record Audio”. Set it to start right away and to finish on tap.</source>
        <translation>Add “Record Audio”. Set it to start right away and to finish on tap.</translation>
    </message>
    <message>
        <source>Add “Get Contents of URL” with the address above. Method: POST. Request Body: File, with the recorded audio.</source>
        <translation>Add “Get Contents of URL” with the address above. Method: POST. Request Body: File, with the recorded audio.</translation>
    </message>
    <message>
        <source>Add “Get Dictionary Value” with the key “text”.</source>
        <translation>Add “Get Dictionary Value” with the key “text”.</translation>
    </message>
    <message>
        <source>Add “Show Result” to see the text.</source>
        <translation>Add “Show Result” to see the text.</translation>
    </message>
    <message>
        <source>Put the shortcut on the Action Button, Back Tap or the Home Screen.</source>
        <translation>Put the shortcut on the Action Button, Back Tap or the Home Screen.</translation>
    </message>
    <message>
        <source>The address appears once this computer is on Wi-Fi</source>
        <translation>The address appears once this computer is on Wi-Fi</translation>
    </message>
    <message>
        <source>The address appears once the phone server is on</source>
        <translation>The address appears once the phone server is on</translation>
    </message>
    <message>
        <source>Add your Gemini API key in Settings.</source>
        <translation>Add your Gemini API key in Settings.</translation>
    </message>
    <message>
        <source>The language changes at the next start</source>
        <translation>The language changes at the next start</translation>
    </message>
    <message>
        <source>Kesto Viruz could not restart by itself.</source>
        <translation>Kesto Viruz could not restart by itself.</translation>
    </message>
    <message>
        <source>The application was closed before the transcript arrived.</source>
        <translation>The application was closed before the transcript arrived.</translation>
    </message>
    <message>
        <source>The audio is saved. Try again from History.</source>
        <translation>The audio is saved. Try again from History.</translation>
    </message>
    <message>
        <source>The note was deleted</source>
        <translation>The note was deleted</translation>
    </message>
    <message>
        <source>The text is saved in History</source>
        <translation>The text is saved in History</translation>
    </message>
    <message>
        <source>Added to the note</source>
        <translation>Added to the note</translation>
    </message>
    <message>
        <source>Saved to folder</source>
        <translation>Saved to folder</translation>
    </message>
    <message>
        <source>Transcribed</source>
        <translation>Transcribed</translation>
    </message>
    <message>
        <source>The microphone did not start</source>
        <translation>The microphone did not start</translation>
    </message>
    <message>
        <source>Cancel (Esc)</source>
        <translation>Cancel (Esc)</translation>
    </message>
    <message>
        <source>Click to record, or press %1</source>
        <translation>Click to record, or press %1</translation>
    </message>
    <message>
        <source>Click to record, or hold %1</source>
        <translation>Click to record, or hold %1</translation>
    </message>
    <message>
        <source>Something went wrong</source>
        <translation>Something went wrong</translation>
    </message>
    <message>
        <source>Port %1 is not a valid port number.</source>
        <translation>Port %1 is not a valid port number.</translation>
    </message>
    <message>
        <source>The recording could not be read as audio.</source>
        <translation>The recording could not be read as audio.</translation>
    </message>
    <message>
        <source>The computer is busy. Try again in a moment.</source>
        <translation>The computer is busy. Try again in a moment.</translation>
    </message>
    <message>
        <source>Microphone: %1</source>
        <translation>Microphone: %1</translation>
    </message>
    <message>
        <source>Recording... (Esc to cancel)</source>
        <translation>Recording... (Esc to cancel)</translation>
    </message>
    <message>
        <source>Transcribing...</source>
        <translation>Transcribing...</translation>
    </message>
    <message>
        <source>Press %1 to talk</source>
        <translation>Press %1 to talk</translation>
    </message>
    <message>
        <source>Hold %1 to talk</source>
        <translation>Hold %1 to talk</translation>
    </message>
    <message>
        <source>Open Kesto Viruz</source>
        <translation>Open Kesto Viruz</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Settings…</translation>
    </message>
    <message>
        <source>Set up again</source>
        <translation>Set up again</translation>
    </message>
    <message>
        <source>Hide button</source>
        <translation>Hide button</translation>
    </message>
    <message>
        <source>Show button</source>
        <translation>Show button</translation>
    </message>
    <message>
        <source>Last text: %1</source>
        <translation>Last text: %1</translation>
    </message>
    <message>
        <source>Insert last text again</source>
        <translation>Insert last text again</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Check for updates</translation>
    </message>
    <message>
        <source>Open logs</source>
        <translation>Open logs</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>No sound server answers. Start PulseAudio or PipeWire.</source>
        <translation>No sound server answers. Start PulseAudio or PipeWire.</translation>
    </message>
    <message>
        <source>No microphone found. Plug one in or turn one on.</source>
        <translation>No microphone found. Plug one in or turn one on.</translation>
    </message>
    <message>
        <source>Log in to an X11 session, then start Kesto Viruz again.</source>
        <translation>Log in to an X11 session, then start Kesto Viruz again.</translation>
    </message>
    <message>
        <source>The language was not changed</source>
        <translation>The language was not changed</translation>
    </message>
    <message>
        <source>Kesto Viruz cannot write to %1.</source>
        <translation>Kesto Viruz cannot write to %1.</translation>
    </message>
    <message>
        <source>Could not reach Gemini: no internet connection.</source>
        <translation>Could not reach Gemini: no internet connection.</translation>
    </message>
    <message>
        <source>Could not reach Gemini: the connection timed out.</source>
        <translation>Could not reach Gemini: the connection timed out.</translation>
    </message>
    <message>
        <source>Could not reach Gemini: the connection was refused.</source>
        <translation>Could not reach Gemini: the connection was refused.</translation>
    </message>
    <message>
        <source>Could not reach Gemini: the connection was lost.</source>
        <translation>Could not reach Gemini: the connection was lost.</translation>
    </message>
    <message>
        <source>Could not reach Gemini.</source>
        <translation>Could not reach Gemini.</translation>
    </message>
    <message>
        <source>Port %1 could not be opened.</source>
        <translation>Port %1 could not be opened.</translation>
    </message>
    <message>
        <source>The phone server stopped accepting connections.</source>
        <translation>The phone server stopped accepting connections.</translation>
    </message>
    <message>
        <source>This Wayland session has no X11 display, so Kesto Viruz cannot type text or watch the talk key.</source>
        <translation>This Wayland session has no X11 display, so Kesto Viruz cannot type text or watch the talk key.</translation>
    </message>
    <message>
        <source>There is no X11 session, so Kesto Viruz cannot type text or watch the talk key.</source>
        <translation>There is no X11 session, so Kesto Viruz cannot type text or watch the talk key.</translation>
    </message>
    <message>
        <source>The X11 display does not answer, so Kesto Viruz cannot type text or watch the talk key.</source>
        <translation>The X11 display does not answer, so Kesto Viruz cannot type text or watch the talk key.</translation>
    </message>
    <message>
        <source>The X11 session has no XTEST extension, so Kesto Viruz cannot type text.</source>
        <translation>The X11 session has no XTEST extension, so Kesto Viruz cannot type text.</translation>
    </message>
    <message>
        <source>The X11 session has no XInput 2.2 extension, so Kesto Viruz cannot watch the talk key.</source>
        <translation>The X11 session has no XInput 2.2 extension, so Kesto Viruz cannot watch the talk key.</translation>
    </message>
    <message>
        <source>Kesto Viruz cannot type text or watch the talk key without X11.</source>
        <translation>Kesto Viruz cannot type text or watch the talk key without X11.</translation>
    </message>
    <message>
        <source>Typing and the talk key need X11</source>
        <translation>Typing and the talk key need X11</translation>
    </message>
    <message>
        <source>The update server answered with an error (HTTP %1).</source>
        <translation>The update server answered with an error (HTTP %1).</translation>
    </message>
    <message>
        <source>The computer is offline. Connect to the internet and try again.</source>
        <translation>The computer is offline. Connect to the internet and try again.</translation>
    </message>
    <message>
        <source>Could not reach the update server. Try again later.</source>
        <translation>Could not reach the update server. Try again later.</translation>
    </message>
    <message>
        <source>The update information could not be read.</source>
        <translation>The update information could not be read.</translation>
    </message>
    <message>
        <source>The downloaded update is damaged or was not signed by Kesto Viruz. It was deleted and nothing was installed.</source>
        <translation>The downloaded update is damaged or was not signed by Kesto Viruz. It was deleted and nothing was installed.</translation>
    </message>
    <message>
        <source>The update could not be saved: %1</source>
        <translation>The update could not be saved: %1</translation>
    </message>
    <message>
        <source>The download of the update failed. Try again later.</source>
        <translation>The download of the update failed. Try again later.</translation>
    </message>
    <message>
        <source>The update could not be installed: the program&apos;s folder was left as it was.</source>
        <translation>The update could not be installed: the program&apos;s folder was left as it was.</translation>
    </message>
    <message>
        <source>The update is installed. Quit and start Kesto Viruz again to use it.</source>
        <translation>The update is installed. Quit and start Kesto Viruz again to use it.</translation>
    </message>
    <message>
        <source>Install Kesto Viruz %1…</source>
        <translation>Install Kesto Viruz %1…</translation>
    </message>
    <message>
        <source>Kesto Viruz %1 is available</source>
        <translation>Kesto Viruz %1 is available</translation>
    </message>
    <message>
        <source>You have version %1.</source>
        <translation>You have version %1.</translation>
    </message>
    <message>
        <source>Show update</source>
        <translation>Show update</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Software Update</translation>
    </message>
    <message>
        <source>What&apos;s new</source>
        <translation>What&apos;s new</translation>
    </message>
    <message>
        <source>Skip this version</source>
        <translation>Skip this version</translation>
    </message>
    <message>
        <source>Remind me later</source>
        <translation>Remind me later</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Install</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Checking for updates…</translation>
    </message>
    <message>
        <source>Kesto Viruz is up to date</source>
        <translation>Kesto Viruz is up to date</translation>
    </message>
    <message>
        <source>Version %1 is the newest version.</source>
        <translation>Version %1 is the newest version.</translation>
    </message>
    <message>
        <source>Downloading Kesto Viruz %1</source>
        <translation>Downloading Kesto Viruz %1</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>Installing Kesto Viruz %1</source>
        <translation>Installing Kesto Viruz %1</translation>
    </message>
    <message>
        <source>Checking the signature of the download…</source>
        <translation>Checking the signature of the download…</translation>
    </message>
    <message>
        <source>Updating did not work</source>
        <translation>Updating did not work</translation>
    </message>
    <message>
        <source>The sound system could not open it.</source>
        <translation>The sound system could not open it.</translation>
    </message>
    <message>
        <source>Noise reduction could not be switched on.</source>
        <translation>Noise reduction could not be switched on.</translation>
    </message>
    <message>
        <source>The recording could not be saved to a temporary file.</source>
        <translation>The recording could not be saved to a temporary file.</translation>
    </message>
    <message>
        <source>The previous version was put back as it was.</source>
        <translation>The previous version was put back as it was.</translation>
    </message>
    <message>
        <source>The downloaded update is not the version that was offered, or is not newer than this one. It was deleted and nothing was installed.</source>
        <translation>The downloaded update is not the version that was offered, or is not newer than this one. It was deleted and nothing was installed.</translation>
    </message>
    <message>
        <source>The update could not replace %1.</source>
        <translation>The update could not replace %1.</translation>
    </message>
    <message>
        <source>The new version did not start.</source>
        <translation>The new version did not start.</translation>
    </message>
    <message>
        <source>The update could not be installed, and the previous version could not be put back whole. Install Kesto Viruz again.</source>
        <translation>The update could not be installed, and the previous version could not be put back whole. Install Kesto Viruz again.</translation>
    </message>
    <message>
        <source>Show in File Manager</source>
        <translation>Show in File Manager</translation>
    </message>
    <message>
        <source>Could not check for updates</source>
        <translation>Could not check for updates</translation>
    </message>
    <message>
        <source>Kesto Viruz %1 is in your Downloads folder</source>
        <translation>Kesto Viruz %1 is in your Downloads folder</translation>
    </message>
    <message>
        <source>This copy was installed by the package manager, so it does not replace itself.</source>
        <translation>This copy was installed by the package manager, so it does not replace itself.</translation>
    </message>
    <message>
        <source>This copy cannot replace itself: its folder is read-only.</source>
        <translation>This copy cannot replace itself: its folder is read-only.</translation>
    </message>
    <message>
        <source>The update was downloaded, checked and saved as “%1”.</source>
        <translation>The update was downloaded, checked and saved as “%1”.</translation>
    </message>
    <message>
        <source>Changes are not being saved</source>
        <translation>Changes are not being saved</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 could not be written: %2</translation>
    </message>
    <message>
        <source>%1 could not be read and was left as it is; changes to it are not saved.</source>
        <translation>%1 could not be read and was left as it is; changes to it are not saved.</translation>
    </message>
    <message>
        <source>%1 could not be read; it was kept as %2 in %3.</source>
        <translation>%1 could not be read; it was kept as %2 in %3.</translation>
    </message>
    <message>
        <source>Some data could not be read</source>
        <translation>Some data could not be read</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk for the update. Free some space and try again.</source>
        <translation>There is not enough free space on the disk for the update. Free some space and try again.</translation>
    </message>
    <message>
        <source>Another copy of Kesto Viruz is installing an update. Nothing was changed.</source>
        <translation>Another copy of Kesto Viruz is installing an update. Nothing was changed.</translation>
    </message>
    <message>
        <source>Kesto Viruz was updated</source>
        <translation>Kesto Viruz was updated</translation>
    </message>
    <message>
        <source>You now have version %1.</source>
        <translation>You now have version %1.</translation>
    </message>
    <message>
        <source>Putting the new version in place. Kesto Viruz restarts when it is done.</source>
        <translation>Putting the new version in place. Kesto Viruz restarts when it is done.</translation>
    </message>
    <message>
        <source>This is not a word list. Choose a text file with one word per line, or the vocabulary.json of a Kesto Viruz export.</source>
        <translation>This is not a word list. Choose a text file with one word per line, or the vocabulary.json of a Kesto Viruz export.</translation>
    </message>
    <message>
        <source>This archive is not a Kesto Viruz export.</source>
        <translation>This archive is not a Kesto Viruz export.</translation>
    </message>
    <message>
        <source>The audio file is missing · %1</source>
        <translation>The audio file is missing · %1</translation>
    </message>
    <message>
        <source>Word lists and exports (*.txt *.csv *.json *.zip)</source>
        <translation>Word lists and exports (*.txt *.csv *.json *.zip)</translation>
    </message>
    <message numerus="yes">
        <source>%n new snippets</source>
        <translation>
            <numerusform>%n new snippet</numerusform>
            <numerusform>%n new snippets</numerusform>
        </translation>
    </message>
    <message>
        <source>The API key, words and snippets it held were taken back from it.</source>
        <translation>The API key, words and snippets it held were taken back from it.</translation>
    </message>
    <message>
        <source>The last dictation is still being transcribed</source>
        <translation>The last dictation is still being transcribed</translation>
    </message>
    <message>
        <source>Stopped before the transcript arrived.</source>
        <translation>Stopped before the transcript arrived.</translation>
    </message>
    <message>
        <source>The folder does not exist any more.</source>
        <translation>The folder does not exist any more.</translation>
    </message>
    <message>
        <source>There is no permission to write there.</source>
        <translation>There is no permission to write there.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>The disk is full.</translation>
    </message>
    <message>
        <source>The disk can only be read.</source>
        <translation>The disk can only be read.</translation>
    </message>
    <message>
        <source>The name is too long.</source>
        <translation>The name is too long.</translation>
    </message>
    <message>
        <source>The disk did not answer.</source>
        <translation>The disk did not answer.</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimize</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximize</translation>
    </message>
</context>
<context>
    <name>QDialogButtonBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Alias</source>
        <translation>Alias</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Drive</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Files</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>Show </translation>
    </message>
    <message>
        <source>&apos;%1&apos; is write protected.
Do you want to delete it anyway?</source>
        <translation>&apos;%1&apos; is write protected.
Do you want to delete it anyway?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>Are you sure you want to delete &apos;%1&apos;?</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>List of places and bookmarks</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>File &amp;name:</translation>
    </message>
    <message>
        <source>Alt+Left</source>
        <translation>Alt+Left</translation>
    </message>
    <message>
        <source>Alt+Up</source>
        <translation>Alt+Up</translation>
    </message>
    <message>
        <source>File Folder</source>
        <translation>File Folder</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>New Folder</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>Parent Directory</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>&amp;New Folder</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>My Computer</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>Look in:</translation>
    </message>
    <message>
        <source>Alt+Right</source>
        <translation>Alt+Right</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>Create a New Folder</translation>
    </message>
    <message>
        <source>%1 File</source>
        <translation>%1 File</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Files of type:</translation>
    </message>
    <message>
        <source>Find Directory</source>
        <translation>Find Directory</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>Show &amp;hidden files</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
Directory not found.
Please verify the correct directory name was given.</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Sidebar</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>List View</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Choose</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>All Files (*)</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Directories</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Rename</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>Could not delete directory.</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>Directory:</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 already exists.
Do you want to replace it?</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>Go forward</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Go to the parent directory</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>Recent Places</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Go back</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>Change to detail view mode</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>Create New Folder</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Shortcut</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>Detail View</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
File not found.
Please verify the correct file name was given.</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>Change to list view mode</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Kind</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>My Computer</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Invalid filename</translation>
    </message>
    <message>
        <source>&lt;b&gt;The name &quot;%1&quot; cannot be used.&lt;/b&gt;&lt;p&gt;Try using another name, with fewer characters or no punctuation marks.</source>
        <translation>&lt;b&gt;The name &quot;%1&quot; cannot be used.&lt;/b&gt;&lt;p&gt;Try using another name, with fewer characters or no punctuation marks.</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Date Modified</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Select All</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>Show Details...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Hide Details...</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abort</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Retry</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Restore Defaults</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignore</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>N&amp;o to All</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Save All</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Yes to &amp;All</translation>
    </message>
</context>
<context>
    <name>QScrollBar</name>
    <message>
        <source>Top</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>Scroll down</translation>
    </message>
    <message>
        <source>Scroll here</source>
        <translation>Scroll here</translation>
    </message>
    <message>
        <source>Scroll left</source>
        <translation>Scroll left</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Bottom</translation>
    </message>
    <message>
        <source>Page up</source>
        <translation>Page up</translation>
    </message>
    <message>
        <source>Page right</source>
        <translation>Page right</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation>Scroll up</translation>
    </message>
    <message>
        <source>Scroll right</source>
        <translation>Scroll right</translation>
    </message>
    <message>
        <source>Left edge</source>
        <translation>Left edge</translation>
    </message>
    <message>
        <source>Page down</source>
        <translation>Page down</translation>
    </message>
    <message>
        <source>Page left</source>
        <translation>Page left</translation>
    </message>
    <message>
        <source>Right edge</source>
        <translation>Right edge</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Select All</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>Copy &amp;Link Location</translation>
    </message>
</context>
</TS>
