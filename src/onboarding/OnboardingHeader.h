#pragma once

#include <QWidget>

class ProgressDots;

// The wizard's top bar: the wordmark at the leading edge, the progress dots
// at the trailing one.
class OnboardingHeader final : public QWidget
{
    Q_OBJECT

public:
    static constexpr int height = 52;

    explicit OnboardingHeader(int total, QWidget* parent = nullptr);

    void setCurrent(int current);
    ProgressDots* dots() const { return m_dots; }

Q_SIGNALS:
    // A passed step's dot was clicked.
    void picked(int index);

private:
    ProgressDots* m_dots;
};
