#pragma once

#include "core/Tone.h"
#include "design/ColorToken.h"

#include <QString>
#include <QWidget>

#include <optional>

class QPainter;

struct IconTileStyle {
    qreal iconSize = 16;
    qreal radius = 10;
    qreal strokeWidth = 2.0;
    ColorToken icon{};
    ColorToken fill{};

    // Without an explicit radius or icon size both follow the tile size:
    // radius 0.3 and icon 0.5 of it, rounded to whole points.
    static IconTileStyle of(Tone tone, int size, std::optional<qreal> radius = {}, std::optional<qreal> iconSize = {});
    friend bool operator==(const IconTileStyle&, const IconTileStyle&) = default;
};

// A rounded square tile showing a line icon on the tinted ground of a tone.
class IconTile final : public QWidget {
    Q_OBJECT

public:
    explicit IconTile(const QString& icon = {}, Tone tone = Tone::blue, int size = 32, QWidget* parent = nullptr);

    QString icon() const { return m_icon; }
    void setIcon(const QString& name);
    Tone tone() const { return m_tone; }
    void setTone(Tone tone);
    int tileSize() const { return m_size; }
    void setTileSize(int size);
    // No value: follow the tile size.
    void setRadius(std::optional<qreal> radius);
    void setIconSize(std::optional<qreal> size);

    const IconTileStyle& tileStyle() const { return m_style; }
    // A tile painted in place (lists that draw their rows themselves).
    static void paint(QPainter& painter, const QRectF& tile, const QString& icon, const IconTileStyle& style);

    QSize sizeHint() const override { return QSize(m_size, m_size); }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void restyle();

    QString m_icon;
    Tone m_tone;
    int m_size;
    std::optional<qreal> m_radius;
    std::optional<qreal> m_iconSize;
    IconTileStyle m_style;
};
