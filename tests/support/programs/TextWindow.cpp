// A window with one text field for the desktop tests. It answers commands on
// stdin, one per line, with one line on stdout:
//   text                     -> "text <base64 of the field's UTF-8 text>"
//   clear                    -> "ok"
//   clipboard-text <base64>  -> "ok" (this program then owns the clipboard)
//   clipboard-image          -> "ok" (a small fixed image)
//   clipboard                -> "clipboard <base64 text> <image key or "-">"
// At start it prints "ready <window id>". Argument 1, if any, is the
// application name (and so the window's WM_CLASS).
#include <QApplication>
#include <QClipboard>
#include <QCryptographicHash>
#include <QImage>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QSocketNotifier>

#include <cstdio>
#include <unistd.h>

namespace {

QImage sampleImage()
{
    QImage image(6, 4, QImage::Format_RGB32);
    image.fill(Qt::blue);
    image.setPixel(2, 1, qRgb(250, 10, 20));
    return image;
}

// The pixels, so that an image that came back through any format compares.
QByteArray imageKey(const QImage& image)
{
    if (image.isNull())
        return "-";
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (int y = 0; y < rgb.height(); ++y)
        hash.addData(QByteArrayView(reinterpret_cast<const char*>(rgb.constScanLine(y)), rgb.width() * 4));
    return QByteArray::number(rgb.width()) + "x" + QByteArray::number(rgb.height()) + ":" + hash.result().toHex();
}

void reply(const QByteArray& line)
{
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc > 1)
        QCoreApplication::setApplicationName(QString::fromLocal8Bit(argv[1]));
    QPlainTextEdit edit;
    edit.setWindowTitle(QStringLiteral("Text window"));
    edit.resize(400, 300);
    edit.show();
    edit.activateWindow();
    edit.setFocus();

    QByteArray pending;
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
        char buffer[4096];
        const ssize_t got = ::read(STDIN_FILENO, buffer, sizeof(buffer));
        if (got <= 0) {
            app.quit();
            return;
        }
        pending.append(buffer, int(got));
        for (qsizetype end = pending.indexOf('\n'); end >= 0; end = pending.indexOf('\n')) {
            const QByteArray line = pending.left(end);
            pending.remove(0, end + 1);
            const qsizetype space = line.indexOf(' ');
            const QByteArray command = space < 0 ? line : line.left(space);
            const QByteArray argument = space < 0 ? QByteArray() : line.mid(space + 1);
            if (command == "text") {
                reply("text " + edit.toPlainText().toUtf8().toBase64());
            } else if (command == "clear") {
                edit.clear();
                reply("ok");
            } else if (command == "clipboard-text") {
                QApplication::clipboard()->setText(QString::fromUtf8(QByteArray::fromBase64(argument)));
                reply("ok");
            } else if (command == "clipboard-image") {
                QApplication::clipboard()->setImage(sampleImage());
                reply("ok");
            } else if (command == "clipboard") {
                const QMimeData* data = QApplication::clipboard()->mimeData();
                const QByteArray text = data && data->hasText() ? data->text().toUtf8().toBase64() : QByteArray("-");
                const QImage image = data && data->hasImage() ? qvariant_cast<QImage>(data->imageData()) : QImage();
                reply("clipboard " + text + " " + imageKey(image));
            } else {
                reply("error unknown command");
            }
        }
    });

    reply("ready " + QByteArray::number(quint64(edit.winId())));
    return app.exec();
}
