#pragma once

#include "core/DictationStage.h"
#include "platform/Clock.h"
#include "design/LevelWave.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <optional>

class AnimatedValue;
class DictationProgressLabel;
struct ColorToken;
class AppState;
struct Config;

// The pill's content: one row per kind (the microphone circle, the listening
// row with its live level and time, the progress message, the result, the
// failure), a capsule that follows the row's width, a cross-fade between
// kinds, and its own click, drag and hover handling. The shadow layer shows
// only the capsule's soft shadow, for the click-through window behind.
class HUDView final : public QWidget
{
    Q_OBJECT

public:
    enum class Kind { idle, listening, thinking, done, failed };
    enum class Layer { Content, Shadow };

    static constexpr int height = 52;
    static constexpr int dragThreshold = 3;
    static constexpr int transitionMs = 180;

    HUDView(AppState& state, Layer layer, Clock& clock, QWidget* parent = nullptr);
    ~HUDView() override;

    std::function<void()> onToggle;
    std::function<void()> onSubmit;
    std::function<void()> onCancel;
    // The pill's width changed (the target width of a new row).
    std::function<void(int)> onWidth;
    // The capsule's drawn width changed (during the resize animation too).
    std::function<void()> onCapsuleChanged;
    // A drag of the window ended.
    std::function<void()> onDragEnded;

    Kind kind() const { return m_kind; }
    static Kind kindFor(const AppState& state);

    // The ideal width of a kind's row for the current state.
    int rowWidth(Kind kind) const;
    // The capsule as drawn now, centred in the view.
    qreal capsuleWidth() const;
    QRectF capsuleRect() const;
    bool hovering() const { return m_hovering; }
    // The user is dragging the window.
    bool dragging() const { return m_dragging; }
    // The listening row's pulse ring and bars move, redrawn frame by frame.
    bool isMoving() const { return m_frameTimer.isActive(); }

    QString toolTipFor(Kind kind) const;
    static QString idleToolTip(const Config& config);
    static QString shortMessage(const QString& message);
    static QString keyName(const Config& config);

    // The listening row's buttons.
    QWidget* cancelButton() const { return m_cancel; }
    QWidget* stopButton() const { return m_stop; }

    // The tooltip on show, placed clear of the capsule; null when none.
    QWidget* shownToolTip() const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void refresh();
    void followProgress();
    void setKind(Kind kind);
    void placeButtons();
    void updateTimers();
    void updateHover();
    void updateTexts();
    void paintRow(QPainter& painter, Kind kind, const QRectF& capsule, qreal opacity);
    void paintListening(QPainter& painter, const QRectF& row);
    void paintIconAndText(QPainter& painter, const QRectF& row, const char* icon, qreal iconSize,
                          const ColorToken& iconColour, const QString& text, const ColorToken& textColour);
    QString rowText(Kind kind) const;
    bool clickable() const { return m_kind == Kind::idle || m_kind == Kind::failed; }
    bool animated() const;

    AppState& m_state;
    Layer m_layer;
    Clock& m_clock;
    Kind m_kind = Kind::idle;
    Kind m_previousKind = Kind::idle;
    QString m_toolTipShown; // the text of our tooltip on show, empty when none

    void showToolTip(const QPoint& globalPos);
    AnimatedValue* m_fade = nullptr;    // 0 -> 1 over the cross-fade
    AnimatedValue* m_width = nullptr;   // the capsule's drawn width
    AnimatedValue* m_hover = nullptr;   // idle fill, 0 -> 1 when hovered
    LevelWave m_wave{14, 3, 20, 3};
    QTimer m_frameTimer;                // the live bars and the pulse, 30 a second
    QTimer m_secondTimer;               // the elapsed time while listening
    // The stage sentence, on whole seconds after each stage's start; hidden,
    // the row paints its text.
    DictationProgressLabel* m_progress = nullptr;
    std::optional<QDateTime> m_progressStart;
    std::optional<DictationStage> m_progressStage;
    QPointer<QWidget> m_cancel;
    QPointer<QWidget> m_stop;
    bool m_hovering = false;
    bool m_pressed = false;
    bool m_dragging = false;
    QPoint m_pressGlobal;
    QPoint m_windowOrigin;
    int m_reportedWidth = 0;
};
