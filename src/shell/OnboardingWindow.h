#pragma once

#include <QWidget>

// The first-run wizard's window: 680 x 640, closable but neither resizable
// nor minimisable, on the wizard's own background (white, or deep navy in
// the dark look). Closing it only hides it, so the wizard keeps its step.
class OnboardingWindow final : public QWidget
{
    Q_OBJECT

public:
    static constexpr QSize size{680, 640};

    explicit OnboardingWindow(QWidget* content, QWidget* parent = nullptr);

    static QColor background(bool dark);

protected:
    void paintEvent(QPaintEvent* event) override;
};
