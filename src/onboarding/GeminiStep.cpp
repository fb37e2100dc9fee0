#include "onboarding/GeminiStep.h"

#include "core/AppState.h"
#include "core/L10n.h"
#include "design/components/SButton.h"
#include "design/components/SInput.h"
#include "design/components/TextLabel.h"
#include "onboarding/DefaultButton.h"
#include "onboarding/ErrorHint.h"
#include "onboarding/KeyCheck.h"
#include "onboarding/StatusLine.h"
#include "onboarding/StepTrail.h"

#include <QHBoxLayout>
#include <QUrl>
#include <QVBoxLayout>

QUrl GeminiStep::keyPage()
{
    return QUrl(QStringLiteral("https://aistudio.google.com/apikey"));
}

GeminiStep::GeminiStep(AppState& state, KeyCheck& check, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
    , m_check(check)
    // The product and button names stand as the page shows them.
    , m_trail(new StepTrail({{QStringLiteral("Google AI Studio"), keyPage()},
                             {QStringLiteral("«Create API key»"), {}},
                             {L10n::tr("Paste it here"), {}}}))
    , m_input(new SInput(L10n::tr("AIza…"), ControlSize::Lg))
    , m_error(ErrorHint::make({}, 3))
    , m_button(new SButton(L10n::tr("Check"), ButtonVariant::Secondary, ControlSize::Lg))
    , m_status(new StatusLine(StatusLine::Kind::done))
{
    m_trail->setObjectName(QStringLiteral("keyTrail"));
    m_input->setObjectName(QStringLiteral("keyInput"));
    m_error->setObjectName(QStringLiteral("keyError"));
    m_button->setObjectName(QStringLiteral("checkKey"));
    m_status->setObjectName(QStringLiteral("keyWorks"));
    m_input->setIcon(QStringLiteral("key-round"));
    m_input->setSecure(true);
    m_input->setText(m_state.config().apiKey);
    m_button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

    auto* field = new QVBoxLayout;
    field->setSpacing(6);
    field->addWidget(m_input);
    field->addWidget(m_error);
    auto* row = new QHBoxLayout;
    row->setSpacing(10);
    row->addLayout(field, 1);
    row->addWidget(m_button, 0, Qt::AlignTop);
    auto* keyColumn = new QVBoxLayout;
    keyColumn->setSpacing(10);
    keyColumn->addLayout(row);
    keyColumn->addWidget(m_status);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(16);
    column->addWidget(m_trail);
    column->addLayout(keyColumn);
    column->addStretch(1);

    connect(m_input, &SInput::textChanged, this, [this](const QString& text) {
        if (text != m_state.config().apiKey)
            m_state.updateConfig([&text](Config& config) { config.apiKey = text; });
    });
    connect(m_input, &SInput::submitted, this, [this] {
        if (m_check.canCheck())
            m_check.start();
    });
    connect(m_button, &SButton::clicked, this, [this] {
        // Clicking "Check" ends the editing of the key, so Return afterwards
        // is the wizard's "Next", not the field's own.
        DefaultButton::releaseFocus(m_input);
        if (m_check.canCheck() && !m_check.isChecked())
            m_check.start();
    });
    connect(&m_state, &AppState::configChanged, this, [this] {
        // The check trims the key: the field shows what is stored.
        if (m_input->text() != m_state.config().apiKey)
            m_input->setText(m_state.config().apiKey);
        refresh();
    });
    connect(&m_check, &KeyCheck::changed, this, &GeminiStep::refresh);
    refresh();
}

void GeminiStep::refresh()
{
    const bool busy = m_check.isBusy();
    m_button->setText(busy ? L10n::tr("Checking…") : L10n::tr("Check"));
    DefaultButton::setEnabled(m_button, !busy && m_check.canCheck() && !m_check.isChecked());
    m_input->setError(!m_check.error().isEmpty());
    m_error->setText(m_check.error());
    m_error->setVisible(!m_check.error().isEmpty());
    m_status->setText(L10n::tr("The key works · %1").arg(m_state.config().model));
    m_status->setVisible(m_check.isChecked());
}
