#pragma once

#include "design/ColorToken.h"
#include "design/TypeModifier.h"
#include "design/components/AbstractControl.h"

#include <optional>

// How a row at the top of the Notes column looks in one state.
struct NotesRowLook
{
    int height = 36;
    ColorToken foreground{};
    QFont::Weight weight = QFont::Medium;
    ColorToken fill{};      // at rest
    ColorToken fillHover{}; // under the pointer

    // "New note" at the top of the column.
    static NotesRowLook action();
    // "All" and the folders, chosen or not.
    static NotesRowLook choice(bool on);
};

// The frame shared by the new-note button, the all-notes row and the folder
// rows: an icon, a one-line label and an optional count, on a rounded fill
// that follows the chosen state and the pointer (without animation). A click
// anywhere on it emits clicked().
class NotesListRow : public AbstractControl
{
    Q_OBJECT

public:
    static constexpr int padding = 10;
    static constexpr int spacing = 10;
    static constexpr int radius = 10;
    static TypeModifier labelType(QFont::Weight weight) { return {14, weight, 20}; }
    static TypeModifier countType(QFont::Weight weight) { return {12, weight, 20, -0.01, true}; }

    NotesListRow(const QString& icon, int iconSize, const QString& text, bool action, QWidget* parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString& text);
    void setIcon(const QString& icon);
    std::optional<int> count() const { return m_count; }
    void setCount(std::optional<int> count);
    bool isOn() const { return m_on; }
    void setOn(bool on);
    NotesRowLook look() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    // Where the label goes, between the icon and the count.
    QRectF labelRect() const;
    // Subclasses may draw something else in the label's place.
    virtual bool paintsLabel() const { return true; }

private:
    QString m_icon;
    int m_iconSize;
    QString m_text;
    bool m_action;
    bool m_on = false;
    std::optional<int> m_count;
};
