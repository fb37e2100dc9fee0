#include "shell/MainWindow.h"

#include "core/InterfaceLanguage.h"
#include "design/components/AbstractControl.h"
#include "shell/WindowFactory.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSettings>
#include <QTextEdit>
#include <QVBoxLayout>
#include <QWindow>

namespace {

const QString frameKey = QStringLiteral("MainWindow");

Qt::CursorShape edgeCursor(Qt::Edges edges)
{
    if (edges == Qt::LeftEdge || edges == Qt::RightEdge)
        return Qt::SizeHorCursor;
    if (edges == Qt::TopEdge || edges == Qt::BottomEdge)
        return Qt::SizeVerCursor;
    const bool falling = edges == (Qt::TopEdge | Qt::LeftEdge) || edges == (Qt::BottomEdge | Qt::RightEdge);
    return falling ? Qt::SizeFDiagCursor : Qt::SizeBDiagCursor;
}

// Whether the widget, or what it is part of, answers the mouse itself.
bool takesPointer(const QWidget* widget, const QWidget* window)
{
    for (const QWidget* w = widget; w && w != window; w = w->parentWidget()) {
        if (qobject_cast<const QAbstractSlider*>(w) || qobject_cast<const QAbstractButton*>(w)
            || qobject_cast<const AbstractControl*>(w) || qobject_cast<const QLineEdit*>(w)
            || qobject_cast<const QTextEdit*>(w))
            return true;
    }
    return false;
}

} // namespace

MainWindow::MainWindow(AppState& state, AppActions& actions, MainView::PanelFactory settingsPanel, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_view(new MainView(state, actions, std::move(settingsPanel), true, this))
{
    setWindowTitle(QStringLiteral("Kesto Viruz"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setMinimumSize(smallestSize);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    restoreFrame();
    // The window's own events come first: the edges are looked at before any
    // control under them sees the mouse.
    winId();
    windowHandle()->installEventFilter(this);
}

MainWindow::~MainWindow()
{
    showEdgeCursor({});
    saveFrame();
}

QString MainWindow::settingsPath()
{
    return InterfaceLanguage::settingsPath();
}

void MainWindow::restoreFrame()
{
    const QSettings settings(settingsPath(), QSettings::IniFormat);
    const QByteArray saved = settings.value(frameKey).toByteArray();
    if (!saved.isEmpty() && restoreGeometry(saved))
        return;
    resize(defaultFrameSize);
    WindowFactory::centre(this);
}

void MainWindow::saveFrame() const
{
    QSettings settings(settingsPath(), QSettings::IniFormat);
    settings.setValue(frameKey, saveGeometry());
}

bool MainWindow::event(QEvent* event)
{
    // Kept whenever the window goes away, so a later run opens where it was.
    if (event->type() == QEvent::Hide || event->type() == QEvent::Close)
        saveFrame();
    return QWidget::event(event);
}

void MainWindow::mousePressEvent(QMouseEvent* event)
{
    // Presses no control took, in the header band, move the window.
    if (event->button() == Qt::LeftButton && event->position().y() < headerHeight && windowHandle()) {
        windowHandle()->startSystemMove();
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

void MainWindow::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && event->position().y() < headerHeight) {
        if (isMaximized())
            showNormal();
        else
            showMaximized();
        event->accept();
        return;
    }
    QWidget::mouseDoubleClickEvent(event);
}

Qt::Edges MainWindow::resizeEdges(const QPoint& point) const
{
    if (isMaximized() || isFullScreen() || !rect().contains(point))
        return {};
    Qt::Edges edges;
    if (point.x() < edgeWidth)
        edges |= Qt::LeftEdge;
    else if (point.x() >= width() - edgeWidth)
        edges |= Qt::RightEdge;
    if (point.y() < edgeWidth)
        edges |= Qt::TopEdge;
    else if (point.y() >= height() - edgeWidth)
        edges |= Qt::BottomEdge;
    if (!edges || takesPointer(childAt(point), this))
        return {};
    return edges;
}

void MainWindow::showEdgeCursor(Qt::Edges edges)
{
    if (edges == m_edgeCursor)
        return;
    if (m_edgeCursor)
        QGuiApplication::restoreOverrideCursor();
    m_edgeCursor = edges;
    if (m_edgeCursor)
        QGuiApplication::setOverrideCursor(edgeCursor(m_edgeCursor));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != windowHandle())
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (m_resizing) {
            followResize(mouse->globalPosition());
            return true;
        }
        if (mouse->buttons() == Qt::NoButton)
            showEdgeCursor(resizeEdges(mouse->position().toPoint()));
        break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const Qt::Edges edges = resizeEdges(mouse->position().toPoint());
        if (mouse->button() != Qt::LeftButton || !edges)
            break;
        if (event->type() == QEvent::MouseButtonPress && !windowHandle()->startSystemResize(edges)) {
            m_resizing = edges;
            m_resizeFrom = mouse->globalPosition();
            m_resizeStart = geometry();
        }
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (m_resizing) {
            m_resizing = {};
            return true;
        }
        break;
    case QEvent::Leave:
    case QEvent::Hide:
        if (!m_resizing)
            showEdgeCursor({});
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::followResize(const QPointF& globalPosition)
{
    const QPoint delta = (globalPosition - m_resizeFrom).toPoint();
    QRect frame = m_resizeStart;
    const QSize least = minimumSize();
    if (m_resizing & Qt::LeftEdge)
        frame.setLeft(std::min(frame.left() + delta.x(), frame.right() + 1 - least.width()));
    if (m_resizing & Qt::RightEdge)
        frame.setRight(std::max(frame.right() + delta.x(), frame.left() - 1 + least.width()));
    if (m_resizing & Qt::TopEdge)
        frame.setTop(std::min(frame.top() + delta.y(), frame.bottom() + 1 - least.height()));
    if (m_resizing & Qt::BottomEdge)
        frame.setBottom(std::max(frame.bottom() + delta.y(), frame.top() - 1 + least.height()));
    setGeometry(frame);
}
