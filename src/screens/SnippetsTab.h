#pragma once

#include "core/Vocabulary.h"

#include <QList>
#include <QWidget>

class AppState;
class LazyRows;
class SInput;
class TextLabel;

// The Snippets tab of the Vocabulary screen: a card to type a trigger and its
// text, and the list of snippets, newest first, each with a delete button.
// Adding a trigger that exists in any letter case replaces that snippet.
class SnippetsTab final : public QWidget {
    Q_OBJECT

public:
    explicit SnippetsTab(AppState& state, QWidget* parent = nullptr);

    void add();

private:
    void refresh();
    int estimateRow(int row, int width) const;

    AppState& m_state;
    SInput* m_trigger;
    SInput* m_text;
    LazyRows* m_rows;
    QWidget* m_empty;
    QList<Snippet> m_shown;
    qreal m_charWidth;
};
