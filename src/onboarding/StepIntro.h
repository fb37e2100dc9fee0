#pragma once

#include "onboarding/OnboardingStep.h"

#include <QImage>
#include <QWidget>

class InfoButton;
class InfoCard;
class QKeyEvent;
class TextLabel;

// The top of every wizard step: the step's picture, its title with the
// "More info" button, and the subtitle, which the open info card covers.
// The card lives in cardHost (the step area) so that it may lie over the
// step's content; the intro only places it.
class StepIntro final : public QWidget
{
    Q_OBJECT

public:
    // The picture overhangs the intro's slot by 6 at the leading edge and 4
    // at the top; at the leading edge the intro reaches further still, so
    // that the picture's shadow is not cut off. The wizard's padding makes up
    // for both.
    static constexpr int pictureOverhang = 6;
    static constexpr int shadowSide = 12;
    static constexpr QMargins overhang{pictureOverhang + shadowSide, 4, 0, 0};

    StepIntro(QWidget* cardHost, QWidget* parent = nullptr);

    void present(OnboardingStep step, const QString& title, const QString& subtitle, const QString& info);
    void setSubtitle(const QString& subtitle);
    void setInfoOpen(bool open);
    bool isInfoOpen() const { return m_infoOpen; }

    InfoButton* infoButton() const { return m_button; }
    InfoCard* infoCard() const { return m_card; }
    TextLabel* title() const { return m_title; }
    TextLabel* subtitle() const { return m_subtitle; }
    // The picture in use; null when the step has none.
    const QImage& artwork() const { return m_artwork; }
    // The soft blue shadow of a picture at a device pixel ratio, larger than
    // the picture by shadowRoom(dpr) on every side.
    static QImage shadowOf(const QImage& artwork, qreal dpr);
    static qreal shadowRoom(qreal dpr);

Q_SIGNALS:
    // The info button was clicked: the wizard decides.
    void infoToggled();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placeCard();
    const QImage& shadow();
    // While the card is open: Escape closes it, Tab passes what it covers.
    bool handleKey(QKeyEvent* key);
    bool underCard(const QWidget* widget) const;

    QWidget* m_cardHost;
    TextLabel* m_title;
    TextLabel* m_subtitle;
    InfoButton* m_button;
    InfoCard* m_card;
    QImage m_artwork;
    QImage m_shadow;
    bool m_infoOpen = false;
};
