#pragma once

#include "core/Tone.h"
#include "design/ColorToken.h"
#include "design/Elevation.h"
#include "design/TypeModifier.h"

#include <QWidget>

struct ToastStyle {
    int paddingX = 17;
    int paddingY = 15;
    int spacing = 12;
    int lineGap = 2;
    int iconSize = 20;
    int radius = 12;
    Elevation elevation = Elevation::Lg;
    TypeModifier title{14, QFont::DemiBold, 20};
    TypeModifier detail{13, QFont::Normal, 18};
    QString icon;
    ColorToken iconColor{};
    ColorToken titleColor{};
    ColorToken detailColor{};
    ColorToken border{};

    static ToastStyle of(ToastTone tone);
};

// One feedback message: a raised card with the tone's icon, a bold title and
// an optional second line, both wrapping. It only draws; the owner shows and
// hides it. The widget keeps room around the card for its shadow.
class ToastView final : public QWidget {
    Q_OBJECT

public:
    explicit ToastView(const QString& title = {}, const QString& detail = {}, ToastTone tone = ToastTone::info,
                       QWidget* parent = nullptr);

    QString title() const { return m_title; }
    QString detail() const { return m_detail; }
    ToastTone tone() const { return m_tone; }
    void setToast(const QString& title, const QString& detail, ToastTone tone);

    QRectF cardRect() const;
    const ToastStyle& toastStyle() const { return m_style; }

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    qreal textWidth(qreal cardWidth) const;
    qreal textHeight(qreal width) const;

    QString m_title;
    QString m_detail;
    ToastTone m_tone;
    ToastStyle m_style;
};
