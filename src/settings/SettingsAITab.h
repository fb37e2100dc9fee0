#pragma once

#include <QStringList>
#include <QWidget>

class AppState;
struct AppActions;
class Badge;
class QHBoxLayout;
class SIconButton;
class SInput;
class SSelect;
class SettingsSwitch;
struct ChoiceOption;

// The AI and languages tab: the Gemini API key with its check status, the
// model, the spoken languages and the three clean-up switches.
class SettingsAITab final : public QWidget
{
    Q_OBJECT

public:
    // The host of the key page; the link opens https://<host>/apikey.
    static constexpr const char* keyPageHost = "aistudio.google.com";

    SettingsAITab(AppState& state, const AppActions& actions, QWidget* parent = nullptr);

    // The current model first when the last check did not list it, each
    // labelled by model label.
    static QList<ChoiceOption> modelOptions(const QStringList& models, const QString& current);
    // "gemini-3.8-flash" -> "Gemini 3.8 Flash".
    static QString modelLabel(const QString& id);
    // Uzbek, Russian and English always, then the other chosen codes as stored.
    static QStringList chipCodes(const QStringList& chosen);
    static QString chipName(const QString& code);
    // In the spoken-language table's order; unknown codes last, as they were.
    static QStringList sorted(const QStringList& codes);
    // The chosen list with code added or removed, sorted.
    static QStringList toggled(const QStringList& chosen, const QString& code);
    // The table's languages without a chip, in table order.
    static QStringList otherLanguages(const QStringList& chosen);

private:
    QWidget* makeKeyBlock();
    void refresh();
    void refreshKey();
    void rebuildChips();
    void toggle(const QString& code);
    void addLanguage();

    AppState& m_state;
    const AppActions& m_actions;
    Badge* m_badge = nullptr;
    SInput* m_key = nullptr;
    SIconButton* m_show = nullptr;
    bool m_keyShown = false;
    SSelect* m_model = nullptr;
    QWidget* m_chips = nullptr;
    QStringList m_chipState;
    QWidget* m_addLanguage = nullptr;
    SettingsSwitch* m_removeFillers = nullptr;
    SettingsSwitch* m_punctuation = nullptr;
    SettingsSwitch* m_resolveCorrections = nullptr;
};
