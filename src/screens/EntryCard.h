#pragma once

#include "core/History.h"
#include "screens/AudioBox.h"

#include <QWidget>

#include <optional>

class Badge;
class EditBox;
class IconTile;
class QHBoxLayout;
class QVBoxLayout;
class SButton;
class SIconButton;
class TextLabel;
class TranscriptText;

// One History entry as a card: its transcript (or the inline editor), the
// box of a kept recording that failed or was never transcribed, and a meta
// row with where the text went, its timings, its words and the actions. The
// card keeps no state: the screen hands it the entry, whether it is being
// edited or transcribed again and the edit buffer, and makes every change
// itself when the card reports a click.
class EntryCard final : public QWidget {
    Q_OBJECT

public:
    struct Model {
        HistoryEntry entry;
        bool editing = false;
        bool retrying = false;
        QString editText; // the buffer an editor opens with
    };

    // What the card shows for a model.
    struct Look {
        enum class Transcript { none, text, editor };
        Transcript transcript = Transcript::none;
        std::optional<AudioBox::Look> box;
        bool badge = false;       // "Cancelled"
        QStringList buttons;      // icon names, in order
        qreal opacity = 1.0;
        bool operator==(const Look&) const = default;
    };
    static Look look(const HistoryEntry& entry, bool editing, bool retrying);
    // "Safari · 14:05 · 1.4 s · 0:12 · 34 words"
    static QString metaText(const HistoryEntry& entry);
    // The room the card's shadow takes around it.
    static QMargins outset();

    explicit EntryCard(const Model& model, QWidget* parent = nullptr);

    void setModel(const Model& model);
    const Model& model() const { return m_model; }
    const Look& currentLook() const { return m_look; }

    TranscriptText* transcript() const { return m_text; }
    EditBox* editBox() const { return m_editBox; }
    SButton* saveButton() const { return m_save; }
    SButton* cancelButton() const { return m_cancel; }
    AudioBox* audioBox() const { return m_box; }
    SIconButton* actionButton(const QString& icon) const;
    QString meta() const;

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

Q_SIGNALS:
    void editClicked();
    void cancelClicked();
    void saveClicked();
    void copyClicked();
    void deleteClicked();
    void retryClicked();
    void editTextChanged(const QString& text);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void apply();
    // The buttons stand centred on their place in the meta row, which may be
    // lower than they are.
    void placeButtons();
    void buildMeta();
    QWidget* editorBlock();

    Model m_model;
    Look m_look;
    QVBoxLayout* m_column;
    TranscriptText* m_text = nullptr;
    QWidget* m_editor = nullptr;
    EditBox* m_editBox = nullptr;
    SButton* m_cancel = nullptr;
    SButton* m_save = nullptr;
    AudioBox* m_box = nullptr;
    IconTile* m_tile = nullptr;
    TextLabel* m_meta = nullptr;
    Badge* m_badge = nullptr;
    QWidget* m_buttonSlot = nullptr;
    QList<SIconButton*> m_buttons;
    bool m_ring = false;
};
