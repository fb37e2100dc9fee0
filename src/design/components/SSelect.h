#pragma once

#include "design/ColorToken.h"
#include "design/components/AbstractControl.h"
#include "design/components/ChoiceOption.h"
#include "design/components/ControlStyle.h"

#include <QPointer>

class QMenu;

struct SelectStyle {
    int height = 40;
    int padding = 13;
    int spacing = 8;
    int iconSize = 18;
    int textSize = 14;
    int trailingPadding = 20;
    int chevronSize = 16;
    int chevronInset = 12;
    int radius = 10;
    ColorToken text{};
    ColorToken icon{};
    ColorToken fill{};
    ColorToken border{};
    ColorToken borderHot{};

    static SelectStyle of(ControlSize size);
};

// A bordered field showing the chosen option's label; a click pops up a menu
// of all options, and a pick writes that option's value.
class SSelect final : public AbstractControl {
    Q_OBJECT

public:
    explicit SSelect(const ChoiceOptions& options = {}, const QVariant& selection = {},
                     ControlSize size = ControlSize::Md, QWidget* parent = nullptr);

    ChoiceOptions options() const { return m_options; }
    void setOptions(const ChoiceOptions& options);
    QVariant selection() const { return m_selection; }
    // Emits selectionChanged() when the value differs.
    void setSelection(const QVariant& value);
    ControlSize controlSize() const { return m_size; }
    void setControlSize(ControlSize size);
    QString icon() const { return m_icon; }
    void setIcon(const QString& name);

    // The label of the first option holding the selection; empty when none does.
    QString label() const;
    // The open menu, while it is shown.
    QMenu* menu() const;
    // The field itself, inside the room kept for its shadow.
    QRectF fieldRect() const;
    void openMenu();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    // An option was picked, also the one already chosen.
    void activated(const QVariant& value);
    void selectionChanged(const QVariant& value);

protected:
    void paintEvent(QPaintEvent* event) override;
    QPainterPath focusShape() const override;

private:
    ChoiceOptions m_options;
    QVariant m_selection;
    ControlSize m_size;
    QString m_icon;
    SelectStyle m_style;
    QPointer<QMenu> m_menu;
};
