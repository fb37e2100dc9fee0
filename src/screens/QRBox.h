#pragma once

#include <QString>
#include <QWidget>

#include <optional>

class QMenu;

// The white square the phone scans: the code of the link, or a placeholder
// while there is no link or no code. Its tooltip is the link, and its context
// menu copies it.
class QRBox final : public QWidget {
    Q_OBJECT

public:
    explicit QRBox(QWidget* parent = nullptr);

    // still: without a link, show the still glyph rather than the loader.
    void setLink(const std::optional<QString>& url, bool still);
    std::optional<QString> url() const { return m_url; }
    // The code or the placeholder.
    QWidget* content() const { return m_content; }
    // The context menu's actions for the link shown (none without a link).
    QMenu* makeMenu();

    QSize sizeHint() const override { return QSize(220, 220); }

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<QString> m_url;
    bool m_still = true;
    bool m_shown = false;
    QWidget* m_content = nullptr;
};
