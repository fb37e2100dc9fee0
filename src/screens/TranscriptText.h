#pragma once

#include "design/ColorToken.h"

#include <QTextEdit>

// Plain text at a fixed line height, wrapped to its width and as tall as its
// lines. Read-only it can be selected and copied; editable it is a plain-text
// editor (pasted markup arrives as text).
class TranscriptText final : public QTextEdit {
    Q_OBJECT

public:
    TranscriptText(qreal fontSize, qreal lineHeight, bool editable, QWidget* parent = nullptr);

    QString text() const;
    // Keeps caret and selection when the text is the same.
    void setText(const QString& text);
    qreal lineHeight() const { return m_lineHeight; }

    bool hasHeightForWidth() const override { return isReadOnly(); }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void applyLineHeight();
    void restyle();

    qreal m_lineHeight;
    QTextDocument* m_measure;
};
