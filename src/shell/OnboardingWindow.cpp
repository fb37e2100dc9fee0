#include "shell/OnboardingWindow.h"

#include "design/Theme.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

OnboardingWindow::OnboardingWindow(QWidget* content, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(QStringLiteral("Kesto Viruz"));
    setFixedSize(size);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(content);
    connect(&Theme::instance(), &Theme::changed, this, qOverload<>(&QWidget::update));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

QColor OnboardingWindow::background(bool dark)
{
    return dark ? QColor(21, 26, 36) : QColor(Qt::white);
}

void OnboardingWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), background(Theme::instance().isDark()));
}
