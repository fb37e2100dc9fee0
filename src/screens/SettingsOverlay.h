#pragma once

#include <QWidget>

#include <functional>

class AppState;

// The settings panel over the whole main window: a dimmed backdrop that
// closes the settings on a click, and the panel centred on it, at most
// 940 x 660 points and 32 points clear of every edge. The overlay draws the
// panel's card (shadow, fill, outline); the content sits 1 point inside it.
class SettingsOverlay final : public QWidget {
    Q_OBJECT

public:
    static constexpr int maxWidth = 940;
    static constexpr int maxHeight = 660;
    static constexpr int margin = 32;
    static constexpr int radius = 24;

    using PanelFactory = std::function<QWidget*(QWidget* parent)>;

    SettingsOverlay(AppState& state, const PanelFactory& panel, QWidget* parent = nullptr);

    // The card's rectangle for the overlay's size.
    QRect panelRect() const;
    QWidget* panel() const { return m_panel; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    AppState& m_state;
    QWidget* m_panel;
};
