#include "shell/UpdateWindow.h"

#include "core/L10n.h"
#include "design/Palette.h"
#include "design/Theme.h"
#include "design/components/IconTile.h"
#include "design/components/ProgressBar.h"
#include "design/components/SButton.h"
#include "design/components/SScrollBar.h"
#include "design/components/TextLabel.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLocale>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

using Stage = UpdateWindowState::Stage;

constexpr int notesHeight = 160;
constexpr qreal notesRadius = 12;

QString dataSize(qint64 bytes)
{
    return QLocale().formattedDataSize(bytes, 1, QLocale::DataSizeTraditionalFormat);
}

} // namespace

UpdateWindow::UpdateWindow(QWidget* parent)
    : QWidget(parent)
    , m_icon(new IconTile(QStringLiteral("refresh-cw"), Tone::blue, 44))
    , m_title(new TextLabel({}, TypeModifier{18, QFont::DemiBold, 24, -0.01}, Palette::textPrimary))
    , m_subtitle(new TextLabel({}, TypeModifier{14, QFont::Normal, 20}, Palette::textSecondary))
    , m_notesHeading(new TextLabel(L10n::tr("What's new"), TypeModifier{13, QFont::DemiBold, 18}, Palette::textPrimary))
    , m_notesArea(new QScrollArea)
    , m_notes(new TextLabel({}, TypeModifier{14, QFont::Normal, 21}, Palette::textBody))
    , m_progress(new ProgressBar)
    , m_skip(new SButton(L10n::tr("Skip this version"), ButtonVariant::Ghost, ControlSize::Md))
    , m_later(new SButton(L10n::tr("Remind me later"), ButtonVariant::Secondary, ControlSize::Md))
    , m_install(new SButton(L10n::tr("Install"), ButtonVariant::Primary, ControlSize::Md))
    , m_cancel(new SButton(L10n::tr("Cancel"), ButtonVariant::Secondary, ControlSize::Md))
    , m_showFile(new SButton(L10n::tr("Show in File Manager"), ButtonVariant::Secondary, ControlSize::Md))
    , m_close(new SButton(L10n::tr("Close"), ButtonVariant::Primary, ControlSize::Md))
{
    setObjectName(QStringLiteral("updateWindow"));
    setFixedWidth(designWidth);
    m_title->setObjectName(QStringLiteral("updateTitle"));
    m_subtitle->setObjectName(QStringLiteral("updateSubtitle"));
    m_notes->setObjectName(QStringLiteral("updateNotes"));
    m_progress->setObjectName(QStringLiteral("updateProgress"));
    m_skip->setObjectName(QStringLiteral("skipVersion"));
    m_later->setObjectName(QStringLiteral("remindLater"));
    m_install->setObjectName(QStringLiteral("install"));
    m_cancel->setObjectName(QStringLiteral("cancelDownload"));
    m_showFile->setObjectName(QStringLiteral("showKeptFile"));
    m_showFile->setIcon(QStringLiteral("folder-open"));
    m_close->setObjectName(QStringLiteral("close"));
    m_install->setIcon(QStringLiteral("download"));
    m_title->setWordWrap(true);
    m_subtitle->setWordWrap(true);
    m_notes->setWordWrap(true);

    // The release notes scroll inside a sunken box of their own.
    auto* notesContent = new QWidget;
    auto* notesLayout = new QVBoxLayout(notesContent);
    notesLayout->setContentsMargins(16, 12, 16, 12);
    notesLayout->addWidget(m_notes);
    notesLayout->addStretch(1);
    m_notesArea->setWidget(notesContent);
    // setWidget() fills the content; the box behind it is painted here.
    notesContent->setAutoFillBackground(false);
    m_notesArea->setWidgetResizable(true);
    m_notesArea->setFrameShape(QFrame::NoFrame);
    m_notesArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_notesArea->setVerticalScrollBar(new SScrollBar(Qt::Vertical));
    m_notesArea->viewport()->setAutoFillBackground(false);
    m_notesArea->setFixedHeight(notesHeight);

    auto* header = new QHBoxLayout;
    header->setSpacing(16);
    header->addWidget(m_icon, 0, Qt::AlignTop);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(4);
    texts->addWidget(m_title);
    texts->addWidget(m_subtitle);
    header->addLayout(texts, 1);

    auto* footer = new QHBoxLayout;
    footer->setSpacing(8);
    footer->addWidget(m_skip);
    footer->addStretch(1);
    footer->addWidget(m_later);
    footer->addWidget(m_cancel);
    footer->addWidget(m_showFile);
    footer->addWidget(m_install);
    footer->addWidget(m_close);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(28, 28, 28, 24);
    column->setSpacing(0);
    column->addLayout(header);
    column->addSpacing(20);
    column->addWidget(m_notesHeading);
    column->addSpacing(8);
    column->addWidget(m_notesArea);
    column->addWidget(m_progress);
    column->addSpacing(24);
    column->addLayout(footer);

    connect(m_install, &SButton::clicked, this, &UpdateWindow::install);
    connect(m_later, &SButton::clicked, this, &UpdateWindow::remindLater);
    connect(m_skip, &SButton::clicked, this, &UpdateWindow::skip);
    connect(m_cancel, &SButton::clicked, this, &UpdateWindow::cancelDownload);
    connect(m_showFile, &SButton::clicked, this, &UpdateWindow::showKeptFile);
    connect(m_close, &SButton::clicked, this, &UpdateWindow::closeRequested);
    connect(&Theme::instance(), &Theme::changed, this, qOverload<>(&QWidget::update));
    display(m_state);
}

void UpdateWindow::display(const UpdateWindowState& state)
{
    m_state = state;
    QString title;
    QString subtitle;
    QString icon = QStringLiteral("refresh-cw");
    Tone tone = Tone::blue;
    switch (state.stage) {
    case Stage::checking:
        title = L10n::tr("Checking for updates…");
        subtitle = L10n::tr("You have version %1.").arg(state.runningVersion);
        break;
    case Stage::checkFailed:
        title = L10n::tr("Could not check for updates");
        subtitle = state.error;
        icon = QStringLiteral("triangle-alert");
        tone = Tone::amber;
        break;
    case Stage::upToDate:
        title = L10n::tr("Kesto Viruz is up to date");
        subtitle = L10n::tr("Version %1 is the newest version.").arg(state.runningVersion);
        icon = QStringLiteral("circle-check");
        tone = Tone::green;
        break;
    case Stage::available:
        title = L10n::tr("Kesto Viruz %1 is available").arg(state.newVersion);
        subtitle = L10n::tr("You have version %1.").arg(state.runningVersion);
        icon = QStringLiteral("download");
        break;
    case Stage::downloading:
        title = L10n::tr("Downloading Kesto Viruz %1").arg(state.newVersion);
        subtitle = L10n::tr("%1 of %2").arg(dataSize(state.received), dataSize(state.total));
        icon = QStringLiteral("download");
        break;
    case Stage::verifying:
        title = L10n::tr("Installing Kesto Viruz %1").arg(state.newVersion);
        subtitle = L10n::tr("Checking the signature of the download…");
        icon = QStringLiteral("shield-check");
        break;
    case Stage::installing:
        title = L10n::tr("Installing Kesto Viruz %1").arg(state.newVersion);
        subtitle = L10n::tr("Putting the new version in place. Kesto Viruz restarts when it is done.");
        icon = QStringLiteral("download");
        break;
    case Stage::kept:
        title = L10n::tr("Kesto Viruz %1 is in your Downloads folder").arg(state.newVersion);
        subtitle = (state.packageManaged ? L10n::tr("This copy was installed by the package manager, so it does not replace itself.")
                    : !state.error.isEmpty() ? state.error
                                             : L10n::tr("This copy cannot replace itself: its folder is read-only."))
                   + QLatin1Char(' ')
                   + L10n::tr("The update was downloaded, checked and saved as “%1”.")
                         .arg(QFileInfo(state.keptFile).fileName());
        icon = QStringLiteral("folder-open");
        tone = Tone::green;
        break;
    case Stage::failed:
        title = L10n::tr("Updating did not work");
        subtitle = state.error;
        icon = QStringLiteral("triangle-alert");
        tone = Tone::amber;
        break;
    }
    m_icon->setIcon(icon);
    m_icon->setTone(tone);
    m_title->setText(title);
    m_subtitle->setText(subtitle);
    m_notes->setText(state.notes);

    const bool offering = state.stage == Stage::available;
    const bool downloading = state.stage == Stage::downloading || state.stage == Stage::verifying
                             || state.stage == Stage::installing;
    m_notesHeading->setVisible(offering && !state.notes.isEmpty());
    m_notesArea->setVisible(offering && !state.notes.isEmpty());
    m_progress->setVisible(downloading);
    m_progress->setValue(state.stage == Stage::verifying || state.stage == Stage::installing ? 1.0
                         : state.total > 0               ? qreal(state.received) / qreal(state.total)
                                                         : 0.0);
    m_skip->setVisible(offering);
    m_later->setVisible(offering);
    m_install->setVisible(offering);
    m_cancel->setVisible(state.stage == Stage::downloading);
    m_showFile->setVisible(state.stage == Stage::kept);
    m_close->setVisible(!offering && !downloading);
    m_close->setText(state.stage == Stage::checking ? L10n::tr("Cancel") : L10n::tr("Close"));
    m_close->setVariant(state.stage == Stage::checking ? ButtonVariant::Secondary : ButtonVariant::Primary);
    // The button the user most likely wants answers Return.
    if (offering)
        m_install->setFocus();
    else if (m_close->isVisible())
        m_close->setFocus();
    // As tall as its texts need at the design width.
    layout()->activate();
    setFixedHeight(layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(designWidth)
                                                 : layout()->totalSizeHint().height());
    update();
}

void UpdateWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Escape || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    // Escape is the window's way back: put off an offer, stop a download,
    // close anything else. A download being checked or put in place is let be.
    switch (m_state.stage) {
    case Stage::available:
        Q_EMIT remindLater();
        break;
    case Stage::downloading:
        Q_EMIT cancelDownload();
        break;
    case Stage::verifying:
    case Stage::installing:
        break;
    default:
        Q_EMIT closeRequested();
        break;
    }
    event->accept();
}

void UpdateWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Palette::bgApp.color());
    if (m_notesArea->isVisible()) {
        const QRectF box = QRectF(m_notesArea->geometry()).adjusted(0.5, 0.5, -0.5, -0.5);
        painter.setPen(QPen(Palette::borderDefault.color(), 1));
        painter.setBrush(Palette::surfaceCard.color());
        painter.drawRoundedRect(box, notesRadius, notesRadius);
    }
}
