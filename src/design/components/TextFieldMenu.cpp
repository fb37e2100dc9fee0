#include "design/components/TextFieldMenu.h"

#include "design/components/PopupMenu.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QTextEdit>

namespace {

// The menu a text view would make for a click at pos of its viewport.
template <typename View>
QMenu* viewMenu(QWidget* viewport, const QPoint& pos)
{
    auto* view = qobject_cast<View*>(viewport->parentWidget());
    if (!view || view->viewport() != viewport || view->contextMenuPolicy() != Qt::DefaultContextMenu)
        return nullptr;
    // The view's own position is in document coordinates.
    const QPoint scrolled(view->horizontalScrollBar()->value(), view->verticalScrollBar()->value());
    return view->createStandardContextMenu(pos + scrolled);
}

} // namespace

void TextFieldMenu::install()
{
    static QPointer<TextFieldMenu> filter;
    if (filter || !qApp)
        return;
    filter = new TextFieldMenu(qApp);
    qApp->installEventFilter(filter);
}

bool TextFieldMenu::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ContextMenu || !watched->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    const auto* request = static_cast<QContextMenuEvent*>(event);
    QMenu* menu = nullptr;
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        if (line->contextMenuPolicy() != Qt::DefaultContextMenu)
            return false;
        menu = line->createStandardContextMenu();
    } else if (widget->parentWidget()) {
        menu = viewMenu<QTextEdit>(widget, request->pos());
        if (!menu)
            menu = viewMenu<QPlainTextEdit>(widget, request->pos());
    }
    if (!menu)
        return false;
    menu->setObjectName(QStringLiteral("textFieldMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    PopupMenu::dress(menu);
    menu->popup(request->globalPos());
    event->accept();
    return true;
}
