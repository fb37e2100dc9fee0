#pragma once

#include "design/ColorToken.h"
#include "design/Elevation.h"
#include "design/components/ControlStyle.h"

#include <QWidget>

class FocusRing;
class QLineEdit;

struct InputStyle {
    int height = 40;
    int padding = 13;
    int radius = 10;
    int spacing = 8;
    int textSize = 14;
    int suffixSize = 13;
    int iconSize = 18;
    int ring = 3;
    ColorToken text{};
    ColorToken placeholder{};
    ColorToken icon{};
    ColorToken suffix{};
    ColorToken fill{};
    ColorToken fillSunken{};
    ColorToken border{};
    ColorToken borderHot{};
    ColorToken borderError{};
    ColorToken borderFocus{};
    ColorToken focusRing{};
    ColorToken errorRing{};

    static InputStyle of(ControlSize size);
};

// The single-line text field: its own box, placeholder, optional leading icon
// and trailing suffix around a frameless line edit. The widget keeps 3 points
// above and below the box for the focus ring (which lies beside it, over its
// surroundings); boxRect() is the box itself.
class SInput final : public QWidget {
    Q_OBJECT

public:
    explicit SInput(const QString& placeholder = {}, ControlSize size = ControlSize::Md, QWidget* parent = nullptr);

    QString text() const;
    void setText(const QString& text);
    QString placeholder() const { return m_placeholder; }
    void setPlaceholder(const QString& placeholder);
    QString icon() const { return m_icon; }
    void setIcon(const QString& name);
    ControlSize controlSize() const { return m_size; }
    void setControlSize(ControlSize size);
    // A recessed look: subtler fill, never a shadow.
    bool isSunken() const { return m_sunken; }
    void setSunken(bool sunken);
    // Hides the typed characters.
    bool isSecure() const;
    void setSecure(bool secure);
    // A short text at the trailing edge, shown as given.
    QString suffix() const { return m_suffix; }
    void setSuffix(const QString& suffix);
    bool hasError() const { return m_error; }
    void setError(bool error);
    // Takes keyboard focus when first shown.
    void setFocusOnAppear(bool focus) { m_focusOnAppear = focus; }
    // Moves keyboard focus into the field, also when it already has it.
    void requestFocus();
    bool isFocused() const { return m_focused; }
    bool isHovered() const { return m_hovered; }
    // The placeholder shows while the text is empty, focused or not.
    bool showsPlaceholder() const { return !m_placeholder.isEmpty() && text().isEmpty(); }

    QRectF boxRect() const;
    QLineEdit* lineEdit() const { return m_edit; }
    // The colours in force, for the state the field is in.
    QColor borderColor() const;
    QColor ringColor() const;
    Elevation shadow() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    void textChanged(const QString& text);
    // Return was pressed in the field.
    void submitted();
    void focusChanged(bool focused);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void restyle();
    void applyColors();
    void layoutEdit();
    // The focus ring is a sibling, so that it may lie beside the box.
    void showRing();

    QLineEdit* m_edit;
    QString m_placeholder;
    QString m_icon;
    QString m_suffix;
    ControlSize m_size;
    InputStyle m_style;
    bool m_sunken = false;
    bool m_error = false;
    bool m_focusOnAppear = false;
    bool m_appeared = false;
    bool m_focused = false;
    FocusRing* m_ring = nullptr;
    bool m_hovered = false;
};
