#pragma once

#include "design/ColorToken.h"
#include "design/TypeModifier.h"

#include <QWidget>

// A small upper-case section label.
class Overline final : public QWidget {
    Q_OBJECT

public:
    explicit Overline(const QString& text = {}, QWidget* parent = nullptr);

    static TypeModifier type() { return {11, QFont::DemiBold, 16, 0.06}; }

    QString text() const { return m_text; }
    void setText(const QString& text);
    // What is drawn: the text in upper case, whatever its case.
    QString shownText() const { return m_text.toUpper(); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_text;
};
