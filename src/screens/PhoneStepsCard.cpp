#include "screens/PhoneStepsCard.h"

#include "core/L10n.h"
#include "design/Palette.h"
#include "design/Surface.h"
#include "design/Theme.h"
#include "design/components/InfoNote.h"
#include "design/components/TextLabel.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>

namespace {

// The step's number on a green disc.
class StepBadge final : public QWidget {
public:
    explicit StepBadge(int number)
        : m_number(QString::number(number))
    {
        setFixedSize(28, 28);
        QObject::connect(&Theme::instance(), &Theme::changed, this, qOverload<>(&QWidget::update));
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Palette::green50.color());
        painter.drawEllipse(QRectF(rect()));
        TypeModifier{13, QFont::Bold, {}, -0.01}.draw(painter, QRectF(rect()), m_number, Palette::green700,
                                                      Qt::AlignHCenter, false);
    }

private:
    QString m_number;
};

// One numbered step, a hairline above it.
class Step final : public QWidget {
public:
    Step(int number, const QString& text)
    {
        auto* row = new QHBoxLayout(this);
        row->setContentsMargins(0, 13, 0, 12);
        row->setSpacing(14);
        row->addWidget(new StepBadge(number), 0, Qt::AlignTop);
        auto* label = new TextLabel(text, TypeModifier{15, QFont::Normal, 22}, Palette::textBody);
        label->setWordWrap(true);
        auto* words = new QVBoxLayout;
        words->setContentsMargins(0, 3, 0, 0);
        words->addWidget(label);
        row->addLayout(words, 1);
        QObject::connect(&Theme::instance(), &Theme::changed, this, qOverload<>(&QWidget::update));
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        Surface::topBorder(painter, QRectF(rect()), Palette::borderSubtle);
    }
};

} // namespace

PhoneStepsCard::PhoneStepsCard(QWidget* parent)
    : CardFrame(24, Elevation::Xs, Palette::borderDefault, parent)
{
    setObjectName(QStringLiteral("phoneSteps"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(25, 23, 25, 23);
    column->setSpacing(0);
    column->addWidget(new TextLabel(L10n::tr("How it works"), TypeModifier{16, QFont::DemiBold, 20}));
    column->addSpacing(6);
    column->addWidget(new Step(1, L10n::tr("Scan the QR code with your phone's camera.")));
    column->addWidget(new Step(2, L10n::tr("On the page that opens, tap the microphone and talk.")));
    column->addWidget(new Step(3, L10n::tr("Tap «Kompyuterga yuborish» — the text appears in History.")));
    column->addStretch(1);
    column->addWidget(new InfoNote(
        QStringLiteral("info"),
        L10n::tr("Nothing needs to be installed on the phone. The audio comes straight to your computer."), 14, true));
}
