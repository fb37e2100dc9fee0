#include "shell/MainWindow.h"

#include "core/InterfaceLanguage.h"
#include "shell/WindowFactory.h"

#include <QMouseEvent>
#include <QSettings>
#include <QVBoxLayout>
#include <QWindow>

namespace {

const QString frameKey = QStringLiteral("MainWindow");

// A thin strip along an edge or a corner that hands resizing to the window
// manager; it draws nothing.
class ResizeGrip final : public QWidget {
public:
    ResizeGrip(Qt::Edges edges, QWidget* parent)
        : QWidget(parent)
        , m_edges(edges)
    {
        setAttribute(Qt::WA_NoSystemBackground);
        const bool horizontal = edges == Qt::LeftEdge || edges == Qt::RightEdge;
        const bool vertical = edges == Qt::TopEdge || edges == Qt::BottomEdge;
        const bool falling = edges == (Qt::TopEdge | Qt::LeftEdge) || edges == (Qt::BottomEdge | Qt::RightEdge);
        setCursor(horizontal ? Qt::SizeHorCursor
                             : vertical ? Qt::SizeVerCursor : falling ? Qt::SizeFDiagCursor : Qt::SizeBDiagCursor);
    }

    Qt::Edges edges() const { return m_edges; }

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton && window()->windowHandle())
            window()->windowHandle()->startSystemResize(m_edges);
        event->accept();
    }

private:
    Qt::Edges m_edges;
};

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

    for (const Qt::Edges edges : {Qt::Edges(Qt::LeftEdge), Qt::Edges(Qt::RightEdge), Qt::Edges(Qt::TopEdge),
                                  Qt::Edges(Qt::BottomEdge), Qt::TopEdge | Qt::LeftEdge, Qt::TopEdge | Qt::RightEdge,
                                  Qt::BottomEdge | Qt::LeftEdge, Qt::BottomEdge | Qt::RightEdge})
        m_grips.append(new ResizeGrip(edges, this));
    restoreFrame();
}

MainWindow::~MainWindow()
{
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

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeGrips();
}

void MainWindow::placeGrips()
{
    const int w = width();
    const int h = height();
    const int g = gripWidth;
    for (QWidget* widget : m_grips) {
        const Qt::Edges edges = static_cast<ResizeGrip*>(widget)->edges();
        const int x = edges & Qt::LeftEdge ? 0 : edges & Qt::RightEdge ? w - g : g;
        const int y = edges & Qt::TopEdge ? 0 : edges & Qt::BottomEdge ? h - g : g;
        const int gw = (edges & (Qt::LeftEdge | Qt::RightEdge)) ? g : w - 2 * g;
        const int gh = (edges & (Qt::TopEdge | Qt::BottomEdge)) ? g : h - 2 * g;
        widget->setGeometry(x, y, gw, gh);
        // A maximised window has no edges to pull.
        widget->setVisible(!isMaximized() && !isFullScreen());
        widget->raise();
    }
}
