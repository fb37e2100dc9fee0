#pragma once

#include "design/ColorToken.h"
#include "design/Palette.h"
#include "design/TypeModifier.h"

#include <QWidget>

// Plain text in the one text style: a colour token, lines of the style's
// fixed height, wrapped at the width it gets (or kept to one line and cut
// with "..."). Never interprets markup, so it may show user and remote text.
class TextLabel final : public QWidget {
    Q_OBJECT

public:
    explicit TextLabel(const QString& text = QString(), const TypeModifier& type = {},
                       const ColorToken& color = Palette::textPrimary, QWidget* parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString& text);
    TypeModifier type() const { return m_type; }
    void setType(const TypeModifier& type);
    ColorToken color() const { return m_color; }
    void setColor(const ColorToken& color);
    void setAlignment(Qt::Alignment alignment);
    // Off: one line, cut with "..." when too narrow.
    void setWordWrap(bool on);
    bool wordWrap() const { return m_wrap; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return m_wrap; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void changed();

    QString m_text;
    TypeModifier m_type;
    ColorToken m_color;
    Qt::Alignment m_alignment = Qt::AlignLeft;
    bool m_wrap = false;
};
