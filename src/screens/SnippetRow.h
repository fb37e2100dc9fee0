#pragma once

#include "core/Vocabulary.h"

#include <QWidget>

class SIconButton;

// One stored snippet: its trigger on a chip of fixed width, an arrow, the
// text it expands to (wrapping) and a delete button; a hairline below.
class SnippetRow final : public QWidget {
    Q_OBJECT

public:
    explicit SnippetRow(const Snippet& snippet, QWidget* parent = nullptr);

    const Snippet& snippet() const { return m_snippet; }
    SIconButton* deleteButton() const { return m_delete; }
    // The chip showing the trigger.
    QWidget* chip() const { return m_chip; }

Q_SIGNALS:
    void deleteRequested(const QUuid& id);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Snippet m_snippet;
    QWidget* m_chip;
    SIconButton* m_delete;
};
