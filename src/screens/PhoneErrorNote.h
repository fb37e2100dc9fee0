#pragma once

#include <QWidget>

// Why the phone link does not work: the server's error text, as it came,
// beside a warning sign on a warning-tinted box. The text wraps; the box grows.
class PhoneErrorNote final : public QWidget {
    Q_OBJECT

public:
    explicit PhoneErrorNote(QWidget* parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString& text);

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_text;
};
