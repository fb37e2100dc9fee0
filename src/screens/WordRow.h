#pragma once

#include "core/Vocabulary.h"

#include <QWidget>

class SIconButton;

// One stored word: its text, its language badge, the "saved" line and a
// delete button. A hairline along the top separates it from what is above.
class WordRow final : public QWidget {
    Q_OBJECT

public:
    explicit WordRow(const VocabularyWord& word, QWidget* parent = nullptr);

    const VocabularyWord& word() const { return m_word; }
    SIconButton* deleteButton() const { return m_delete; }

Q_SIGNALS:
    void deleteRequested(const QUuid& id);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    VocabularyWord m_word;
    SIconButton* m_delete;
    bool m_ring = false;
};
