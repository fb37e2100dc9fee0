#pragma once

#include "design/ColorToken.h"
#include "design/TypeModifier.h"

#include <QWidget>

class SSwitch;

struct SwitchRowStyle {
    int spacing = 16;
    TypeModifier title{14, QFont::Medium, 20};
    TypeModifier description{13, QFont::Normal, 18};
    ColorToken titleColor{};
    ColorToken descriptionColor{};

    static SwitchRowStyle standard();
};

// A settings line: a title, an optional description under it, and a switch at
// the right end. Only the switch toggles; the texts are shown as given.
class SwitchRow final : public QWidget {
    Q_OBJECT

public:
    explicit SwitchRow(const QString& title = {}, const QString& description = {}, bool checked = false,
                       QWidget* parent = nullptr);

    QString title() const { return m_title; }
    void setTitle(const QString& title);
    QString description() const { return m_description; }
    void setDescription(const QString& description);
    bool isChecked() const;
    void setChecked(bool checked);
    SSwitch* switchControl() const { return m_switch; }

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    void toggled(bool checked);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    qreal textWidth(int width) const;
    qreal textHeight(qreal width) const;

    QString m_title;
    QString m_description;
    SwitchRowStyle m_style = SwitchRowStyle::standard();
    SSwitch* m_switch;
};
