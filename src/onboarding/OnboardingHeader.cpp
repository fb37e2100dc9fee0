#include "onboarding/OnboardingHeader.h"

#include "design/components/Wordmark.h"
#include "onboarding/ProgressDots.h"

#include <QHBoxLayout>

OnboardingHeader::OnboardingHeader(int total, QWidget* parent)
    : QWidget(parent)
    , m_dots(new ProgressDots(total))
{
    setFixedHeight(height);
    auto* row = new QHBoxLayout(this);
    // The desktop draws the window's buttons in its own title bar, so the
    // wordmark needs no room kept for them.
    row->setContentsMargins(24, 0, 18, 0);
    row->setSpacing(0);
    row->addWidget(new Wordmark(QStringLiteral("davud"), 17), 0, Qt::AlignVCenter);
    row->addStretch(1);
    row->addWidget(m_dots, 0, Qt::AlignVCenter);
    m_dots->setObjectName(QStringLiteral("progressDots"));
    connect(m_dots, &ProgressDots::picked, this, &OnboardingHeader::picked);
}

void OnboardingHeader::setCurrent(int current)
{
    m_dots->setCurrent(current);
}
