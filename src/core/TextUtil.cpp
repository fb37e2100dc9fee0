#include "core/TextUtil.h"

#include <QTextBoundaryFinder>

namespace TextUtil {

namespace {

bool isSpaceOrTab(QChar c)
{
    return c == QLatin1Char('\t') || c.category() == QChar::Separator_Space;
}

bool isLineBreak(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x0A && u <= 0x0D) || u == 0x85 || u == 0x2028 || u == 0x2029;
}

} // namespace

QString trimSpaces(const QString& text)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && isSpaceOrTab(text.at(start)))
        ++start;
    while (end > start && isSpaceOrTab(text.at(end - 1)))
        --end;
    return text.mid(start, end - start);
}

QStringList splitLines(const QString& text)
{
    QStringList lines;
    QString line;
    for (const QChar c : text) {
        if (isLineBreak(c)) {
            lines.append(line);
            line.clear();
        } else {
            line.append(c);
        }
    }
    lines.append(line);
    return lines;
}

bool isBlank(QChar c)
{
    return c.isSpace() || isLineBreak(c);
}

QString leftGraphemes(const QString& text, int count)
{
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text);
    for (int seen = 0; seen < count; ++seen) {
        if (graphemes.toNextBoundary() == -1)
            return text;
    }
    return text.left(graphemes.position());
}

QStringList firstLines(const QString& text, int width, int count)
{
    const QString ellipsis(QChar(0x2026));
    QStringList lines;
    QString line;
    bool cut = false;
    auto finish = [&] {
        if (!line.isEmpty())
            lines.append(line);
        line.clear();
    };
    for (QString word : text.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (lines.size() >= count) {
            cut = true;
            break;
        }
        if (word.size() > width) {
            word = leftGraphemes(word, width - 1) + ellipsis;
        }
        if (!line.isEmpty() && line.size() + 1 + word.size() > width)
            finish();
        if (lines.size() >= count) {
            cut = true;
            break;
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
    }
    finish();
    if (lines.size() > count) {
        lines = lines.mid(0, count);
        cut = true;
    }
    if (cut && !lines.isEmpty() && !lines.last().endsWith(ellipsis))
        lines.last() += ellipsis;
    return lines;
}

} // namespace TextUtil
