#pragma once

#include "design/ColorToken.h"
#include "design/components/ChoiceOption.h"

#include <QPointer>
#include <QWidget>

class FocusRing;

struct SegmentedStyle {
    int spacing = 4;
    int padding = 5;
    int trackRadius = 12;
    int segmentHeight = 28;
    int segmentPadding = 12;
    int segmentRadius = 10;
    int captionSize = 13;
    ColorToken track{};
    ColorToken trackBorder{};
    ColorToken chosenFill{};
    ColorToken textOn{};
    ColorToken textHot{};
    ColorToken text{};

    static SegmentedStyle standard();
};

// A sunken track with one segment per option; the chosen one is raised on a
// card. As wide as its segments. Reached by Tab (with a ring), it moves its
// choice as a radio group does: Left/Up and Right/Down to the neighbour,
// Home and End to the ends.
class SSegmented final : public QWidget {
    Q_OBJECT

public:
    explicit SSegmented(const ChoiceOptions& options = {}, const QVariant& selection = {}, QWidget* parent = nullptr);
    ~SSegmented() override;

    ChoiceOptions options() const { return m_options; }
    void setOptions(const ChoiceOptions& options);
    QVariant selection() const { return m_selection; }
    // Emits selectionChanged() when the value differs.
    void setSelection(const QVariant& value);

    // The segment of option index, in widget coordinates.
    QRectF segmentRect(int index) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }
    bool hasFocusRing() const { return m_focusRing; }

Q_SIGNALS:
    // A segment was clicked (also the one already chosen), or chosen by a key.
    void activated(const QVariant& value);
    void selectionChanged(const QVariant& value);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    bool isOn(int index) const;
    QFont font(bool on) const;
    qreal segmentWidth(int index) const;
    int indexAt(const QPointF& point) const;
    int chosenIndex() const;
    void showRing(bool shown);

    ChoiceOptions m_options;
    QVariant m_selection;
    SegmentedStyle m_style = SegmentedStyle::standard();
    int m_hovered = -1;
    int m_pressed = -1;
    bool m_focusRing = false;
    QPointer<FocusRing> m_ring;
};
