#include "screens/QRBox.h"

#include "core/L10n.h"
#include "design/Palette.h"
#include "design/Theme.h"
#include "design/ToolTipText.h"
#include "design/components/ControlStyle.h"
#include "design/components/PopupMenu.h"
#include "screens/QRCodeView.h"
#include "screens/QRPlaceholder.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QVBoxLayout>

QRBox::QRBox(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("qrBox"));
    setFixedSize(220, 220);
    setAccessibleName(L10n::tr("QR code for the phone"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(15, 15, 15, 15);
    connect(&Theme::instance(), &Theme::changed, this, qOverload<>(&QWidget::update));
    setLink(std::nullopt, true);
}

void QRBox::setLink(const std::optional<QString>& url, bool still)
{
    if (m_shown && url == m_url && still == m_still)
        return;
    m_shown = true;
    m_url = url;
    m_still = still;
    setToolTip(ToolTipText::plain(url.value_or(QString())));
    QWidget* next = nullptr;
    if (const std::optional<QRCode> code = url ? QRCode::cached(*url) : std::nullopt)
        next = new QRCodeView(*code);
    else
        next = new QRPlaceholder(still);
    next->setFixedSize(190, 190);
    if (m_content) {
        layout()->removeWidget(m_content);
        delete m_content;
    }
    m_content = next;
    layout()->addWidget(m_content);
}

QMenu* QRBox::makeMenu()
{
    auto* menu = new PopupMenu(this);
    menu->setObjectName(QStringLiteral("qrMenu"));
    if (m_url) {
        const QString link = *m_url;
        connect(menu->addCommand(L10n::tr("Copy link")), &QAction::triggered, menu,
                [link] { QGuiApplication::clipboard()->setText(link); });
    }
    return menu;
}

void QRBox::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = makeMenu();
    if (menu->isEmpty()) {
        delete menu;
        return;
    }
    menu->popup(event->globalPos());
}

void QRBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box(rect());
    // White in both themes: the code must read the same to a camera.
    ControlPaint::fill(painter, box, 16, Palette::white.color());
    ControlPaint::innerBorder(painter, box, 16, Palette::borderDefault.color());
}
