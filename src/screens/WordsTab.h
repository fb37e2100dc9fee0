#pragma once

#include "core/Vocabulary.h"

#include <QList>
#include <QWidget>

class AppState;
class QVBoxLayout;
class SButton;
class SIconButton;
class SInput;
class SSelect;
class TextLabel;
class LazyRows;
class TwoStepConfirm;
class WordRow;

// The Dictionary tab of the Vocabulary screen: adds words typed as a
// comma-separated list for one language or all, lists them newest first,
// deletes, imports, exports and clears them. The words live in the settings;
// what is typed and not added lives only as long as the tab.
class WordsTab final : public QWidget {
    Q_OBJECT

public:
    explicit WordsTab(AppState& state, QWidget* parent = nullptr);
    ~WordsTab() override;

    void addWords();
    void importWords();
    void exportWords();

private:
    void refresh();
    void showRows();
    // Focuses the word now at row, or the last one.
    void focusRowNear(int row);
    void showClear();

    AppState& m_state;
    SInput* m_input;
    SSelect* m_language;
    TextLabel* m_count;
    SButton* m_clear;
    SButton* m_confirm;
    TwoStepConfirm* m_clearConfirm;
    LazyRows* m_rows;
    TextLabel* m_empty;
    QList<VocabularyWord> m_shown;
    // The height of a row, all alike, once one is built.
    int m_rowHeight = 65;
    bool m_wasEmpty;
};
