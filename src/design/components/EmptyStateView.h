#pragma once

#include "design/ColorToken.h"
#include "design/TypeModifier.h"

#include <QWidget>

struct EmptyStateStyle {
    int tile = 48;
    int tileRadius = 14;
    int iconSize = 22;
    int tileGap = 8;
    int spacing = 6;
    int detailWidth = 320;
    int paddingX = 24;
    int paddingY = 40;
    TypeModifier title{16, QFont::DemiBold, 24};
    TypeModifier detail{14, QFont::Normal, 20};
    ColorToken icon{};
    ColorToken tileFill{};
    ColorToken titleColor{};
    ColorToken detailColor{};

    static EmptyStateStyle standard();
};

// What an empty list shows: a tinted icon tile, a title and an optional
// explanation wrapped into a narrow centred column.
class EmptyStateView final : public QWidget {
    Q_OBJECT

public:
    explicit EmptyStateView(const QString& icon = {}, const QString& title = {}, const QString& detail = {},
                            QWidget* parent = nullptr);

    QString icon() const { return m_icon; }
    void setIcon(const QString& name);
    QString title() const { return m_title; }
    void setTitle(const QString& title);
    QString detail() const { return m_detail; }
    void setDetail(const QString& detail);

    QRectF tileRect() const;
    QRectF detailRect() const;

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Blocks {
        QRectF tile;
        QRectF title;
        QRectF detail;
        qreal height = 0;
    };
    Blocks layoutFor(qreal width) const;

    QString m_icon;
    QString m_title;
    QString m_detail;
    EmptyStateStyle m_style = EmptyStateStyle::standard();
};
