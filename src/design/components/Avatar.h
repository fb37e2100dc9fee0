#pragma once

#include <QWidget>

// A round tile with the initials of a person's name, in one neutral colour.
class Avatar final : public QWidget {
    Q_OBJECT

public:
    explicit Avatar(const QString& name = {}, int size = 32, QWidget* parent = nullptr);

    // Up to two initials, upper-case: the first character of the first two
    // words, words being separated by spaces only.
    static QString initials(const QString& name);

    QString name() const { return m_name; }
    void setName(const QString& name);
    int diameter() const { return m_size; }
    void setDiameter(int size);

    QSize sizeHint() const override { return QSize(m_size, m_size); }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_name;
    int m_size;
};
