#pragma once

#include "design/TypeModifier.h"
#include "design/components/AbstractControl.h"

// One note in the Notes column: a card with its title ("Untitled note" when
// it has none) and the first line of its body ("Empty" when there is none).
// The open note's card is filled and outlined; others show a fill under the
// pointer. A click emits clicked().
class NoteRow final : public AbstractControl
{
    Q_OBJECT

public:
    static constexpr int padding = 11;
    static constexpr int gap = 2;
    static constexpr int radius = 12;
    static TypeModifier titleType() { return {14, QFont::DemiBold, 20}; }
    static TypeModifier snippetType() { return {12, QFont::Normal, 16}; }

    explicit NoteRow(QWidget* parent = nullptr);

    void setNote(const QString& title, const QString& snippet, bool on);
    // What the card shows.
    QString shownTitle() const;
    QString shownSnippet() const;
    bool isOn() const { return m_on; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_title;
    QString m_snippet;
    bool m_on = false;
};
