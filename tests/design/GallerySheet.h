#pragma once

#include "GalleryFile.h"

#include "design/Palette.h"
#include "design/Theme.h"
#include "design/components/TextLabel.h"

#include <QApplication>
#include <QDir>
#include <QEnterEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QImage>
#include <QMouseEvent>
#include <QSet>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

// One picture of the gallery: a grid of controls, a row per variant and a
// column per state, on the window background of the theme in force. finish()
// saves it as "<name>-<theme>@<scale>x.png" and reports every control that painted
// nothing, or only one flat colour (its caption, marks or border missing).
class GallerySheet final {
public:
    using State = std::function<void(QWidget&)>;

    GallerySheet(const QString& name, const QStringList& columns)
        : m_name(name)
        , m_page(std::make_unique<QWidget>())
        , m_grid(new QGridLayout(m_page.get()))
    {
        m_page->setAutoFillBackground(true);
        QPalette palette = m_page->palette();
        palette.setColor(QPalette::Window, Palette::bgApp.color());
        m_page->setPalette(palette);
        m_grid->setContentsMargins(24, 24, 24, 24);
        m_grid->setHorizontalSpacing(24);
        m_grid->setVerticalSpacing(18);
        for (int column = 0; column < columns.size(); ++column)
            m_grid->addWidget(caption(columns.at(column)), 0, column + 1, Qt::AlignLeft | Qt::AlignBottom);
        m_columns = columns;
    }

    // Starts a row; returns its index for put().
    int row(const QString& label)
    {
        const int row = m_grid->rowCount();
        m_grid->addWidget(caption(label), row, 0, Qt::AlignLeft | Qt::AlignVCenter);
        m_rows.append(label);
        return row;
    }

    // Places a control; state is applied once the sheet is on screen.
    template <class Control>
    Control* put(int row, int column, Control* control, std::function<void(Control&)> state = {})
    {
        // A grid gives rows their hinted height; wrapping text needs its height for the width.
        if (control->hasHeightForWidth() && control->minimumWidth() == control->maximumWidth())
            control->setFixedHeight(control->heightForWidth(control->minimumWidth()));
        m_grid->addWidget(control, row, column + 1, Qt::AlignLeft | Qt::AlignVCenter);
        const QString where = m_rows.value(row - 1) + QStringLiteral(" / ")
            + (column < m_columns.size() ? m_columns.at(column) : QString::number(column));
        m_items.push_back({control, where, state ? State([state](QWidget& w) { state(static_cast<Control&>(w)); }) : State()});
        return control;
    }

    // Saves the picture into folder; returns the problems found, empty when none.
    QStringList finish(const QString& folder)
    {
        // Every control at its own size: adjustSize() would cap the page at the screen.
        // Spare height collects below the last row, and is then cut off.
        m_grid->setRowStretch(m_grid->rowCount(), 1);
        const QSize hint = m_page->sizeHint();
        m_page->resize(hint.width(), m_grid->hasHeightForWidth() ? m_grid->totalHeightForWidth(hint.width()) : hint.height());
        m_grid->activate();
        int bottom = 0;
        for (const Item& item : m_items)
            bottom = std::max(bottom, item.control->geometry().bottom() + 1);
        m_page->resize(m_page->width(), bottom + m_grid->contentsMargins().bottom());
        m_page->show();
        QCoreApplication::processEvents();
        // The shown page focuses its first field; focus is a state of its own here.
        if (QWidget* focused = QApplication::focusWidget())
            focused->clearFocus();
        for (const Item& item : m_items)
            if (item.state)
                item.state(*item.control);
        QCoreApplication::processEvents();

        QStringList problems;
        // At the screen's pixel ratio: the gallery runs at 2, so 1-point lines show their detail.
        const QImage picture = m_page->grab().toImage();
        const QString file = GalleryFile::path(
            folder, m_name + (Theme::instance().isDark() ? QStringLiteral("-dark") : QStringLiteral("-light")));
        if (!picture.save(file))
            problems << QStringLiteral("could not write ") + file;

        for (const Item& item : m_items) {
            const QString verdict = inspect(item.control->grab().toImage());
            if (!verdict.isEmpty())
                problems << item.where + QStringLiteral(": ") + verdict;
        }
        return problems;
    }

    // What a control painted over nothing: "" when it shows something.
    static QString inspect(const QImage& painted)
    {
        const QImage image = painted.convertToFormat(QImage::Format_ARGB32);
        if (image.isNull() || image.width() == 0 || image.height() == 0)
            return QStringLiteral("has no size");
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qAlpha(image.pixel(x, y)) > 0)
                    colours.insert(image.pixel(x, y));
        if (colours.isEmpty())
            return QStringLiteral("paints nothing");
        if (colours.size() == 1)
            return QStringLiteral("paints one flat colour");
        return {};
    }

    // The states, as the user brings them about.
    static void hover(QWidget& control, QPointF at = QPointF(2, 2))
    {
        QEnterEvent enter(at, at, control.mapToGlobal(at));
        QApplication::sendEvent(&control, &enter);
        QMouseEvent move(QEvent::MouseMove, at, control.mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&control, &move);
    }
    static void press(QWidget& control)
    {
        const QPointF at(control.width() / 2.0, control.height() / 2.0);
        hover(control, at);
        QMouseEvent down(QEvent::MouseButtonPress, at, control.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(&control, &down);
    }
    // Keyboard focus, as reached with Tab.
    static void focus(QWidget& control)
    {
        QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(&control, &in);
    }
    static void disable(QWidget& control) { control.setEnabled(false); }

private:
    struct Item {
        QWidget* control;
        QString where;
        State state;
    };

    QWidget* caption(const QString& text) const
    {
        auto* label = new TextLabel(text, TypeModifier{12, QFont::Medium, 16}, Palette::textTertiary);
        label->setMinimumWidth(label->sizeHint().width());
        return label;
    }

    QString m_name;
    std::unique_ptr<QWidget> m_page;
    QGridLayout* m_grid;
    QStringList m_columns;
    QStringList m_rows;
    std::vector<Item> m_items;
};
