#pragma once

#include "design/ColorToken.h"

#include <QWidget>

enum class BadgeTone { Success, Danger, Warning, Info, Neutral };

struct BadgeStyle {
    // Metrics, by the compact flag.
    int height = 24;
    int padding = 10;
    int captionSize = 12;
    int radius = 6;
    int dot = 6;
    int spacing = 6;
    // Colours, by tone.
    ColorToken text{};
    ColorToken fill{};
    ColorToken border{};

    static BadgeStyle of(BadgeTone tone, bool small);
    friend bool operator==(const BadgeStyle&, const BadgeStyle&) = default;
};

// A compact status label, optionally with a leading dot in the caption colour.
class Badge final : public QWidget {
    Q_OBJECT

public:
    explicit Badge(const QString& text = {}, BadgeTone tone = BadgeTone::Neutral, bool small = false, bool dot = false,
                   QWidget* parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString& text);
    BadgeTone tone() const { return m_tone; }
    void setTone(BadgeTone tone);
    bool isSmall() const { return m_small; }
    void setSmall(bool small);
    bool hasDot() const { return m_dot; }
    void setDot(bool dot);

    const BadgeStyle& badgeStyle() const { return m_style; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void restyle();
    QFont captionFont() const;

    QString m_text;
    BadgeTone m_tone;
    bool m_small;
    bool m_dot;
    BadgeStyle m_style;
};
