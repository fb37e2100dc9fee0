#include "TextWindowClient.h"

#include <QCryptographicHash>
#include <QImage>
#include <QTest>
#include <QThread>

namespace {

constexpr int replyTimeoutMs = 10000;

} // namespace

TextWindowClient::~TextWindowClient()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.closeWriteChannel();
    if (!m_process.waitForFinished(3000)) {
        m_process.kill();
        m_process.waitForFinished(3000);
    }
}

bool TextWindowClient::start(const QString& program, const QString& appName)
{
    QStringList arguments;
    if (!appName.isEmpty())
        arguments << appName;
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // The window is for the X display, whatever platform the caller runs on.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    m_process.setProcessEnvironment(env);
    m_process.start(program, arguments);
    if (!m_process.waitForStarted(replyTimeoutMs))
        return false;
    const QByteArray ready = command(QByteArray());
    if (!ready.startsWith("ready "))
        return false;
    m_windowId = ready.mid(6).toULongLong();
    return m_windowId != 0;
}

bool TextWindowClient::focus()
{
    // Another window that appears and goes (the application's own) can leave
    // the focus with no window at all, so ask the server who has it, and
    // place the pointer over the window too.
    const QString id = QString::number(m_windowId);
    QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QStringLiteral("--window"), id,
                                                  QStringLiteral("20"), QStringLiteral("20")});
    for (int attempt = 0; attempt < 20; ++attempt) {
        QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("windowfocus"), QStringLiteral("--sync"), id});
        QProcess query;
        query.start(QStringLiteral("xdotool"), {QStringLiteral("getwindowfocus")});
        if (query.waitForFinished(5000) && query.readAllStandardOutput().trimmed() == id.toLatin1())
            return true;
        QThread::msleep(50);
    }
    return false;
}

QString TextWindowClient::text()
{
    const QByteArray reply = command("text");
    return reply.startsWith("text") ? QString::fromUtf8(QByteArray::fromBase64(reply.mid(5))) : QString();
}

bool TextWindowClient::clear()
{
    return command("clear") == "ok";
}

bool TextWindowClient::setClipboardText(const QString& text)
{
    return command("clipboard-text " + text.toUtf8().toBase64()) == "ok";
}

bool TextWindowClient::setClipboardImage()
{
    return command("clipboard-image") == "ok";
}

QString TextWindowClient::clipboardText()
{
    const QList<QByteArray> parts = command("clipboard").split(' ');
    if (parts.size() != 3 || parts[1] == "-")
        return QString();
    return QString::fromUtf8(QByteArray::fromBase64(parts[1]));
}

QString TextWindowClient::clipboardImageKey()
{
    const QList<QByteArray> parts = command("clipboard").split(' ');
    return parts.size() == 3 ? QString::fromLatin1(parts[2]) : QString();
}

QString TextWindowClient::sampleImageKey()
{
    QImage image(6, 4, QImage::Format_RGB32);
    image.fill(Qt::blue);
    image.setPixel(2, 1, qRgb(250, 10, 20));
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (int y = 0; y < image.height(); ++y)
        hash.addData(QByteArrayView(reinterpret_cast<const char*>(image.constScanLine(y)), image.width() * 4));
    return QStringLiteral("6x4:") + QString::fromLatin1(hash.result().toHex());
}

// Sends one line (none for an empty one) and reads one line back. The event
// loop runs meanwhile: the program may need this process to answer, for
// example for the clipboard that this process owns.
QByteArray TextWindowClient::command(const QByteArray& line)
{
    if (!line.isEmpty())
        m_process.write(line + '\n');
    const bool answered = QTest::qWaitFor(
        [this] {
            m_buffer += m_process.readAllStandardOutput();
            return m_buffer.contains('\n') || m_process.state() == QProcess::NotRunning;
        },
        replyTimeoutMs);
    if (!answered || !m_buffer.contains('\n'))
        return QByteArray();
    const qsizetype end = m_buffer.indexOf('\n');
    const QByteArray reply = m_buffer.left(end);
    m_buffer.remove(0, end + 1);
    return reply;
}
