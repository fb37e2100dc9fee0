#pragma once

#include "design/ColorToken.h"
#include "design/TypeModifier.h"

#include <QWidget>

struct InfoNoteStyle {
    int spacing = 10;
    int paddingX = 16;
    int paddingY = 14;
    int radius = 12;
    TypeModifier text{13, QFont::Normal, 19};
    ColorToken ink{};
    ColorToken fill{};

    static InfoNoteStyle of(bool compact);
};

// A boxed hint: an icon on the first line and a text that wraps freely,
// growing the box in height.
class InfoNote final : public QWidget {
    Q_OBJECT

public:
    explicit InfoNote(const QString& icon = QStringLiteral("info"), const QString& text = {}, int iconSize = 16,
                      bool compact = false, QWidget* parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString& text);
    QString icon() const { return m_icon; }
    void setIcon(const QString& name);

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    qreal textWidth(int width) const;

    QString m_icon;
    QString m_text;
    int m_iconSize;
    InfoNoteStyle m_style;
};
