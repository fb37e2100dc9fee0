#pragma once

#include <QString>

// A 2,000-character paragraph for typing tests and benchmarks: Russian
// prose with accented Latin, CJK, emoji (a joined sequence too) and line
// breaks, beginning with a letter outside an English keyboard map.
namespace TypingSample {

inline QString text()
{
    const QString russian = QStringLiteral(
        "Привет, мир! Съешь же ещё этих мягких французских булок, да выпей чаю. Широкая электрификация "
        "южных губерний даст мощный толчок подъёму сельского хозяйства. В чащах юга жил бы цитрус? Да, "
        "но фальшивый экземпляр! «Ёлки-палки», — сказал Фёдор и ушёл.");
    const QString mixed = QStringLiteral(
        "Café déjà vu, naïve façade, Ångström, Straße, €5 — 東京で会いましょう。你好，世界！ "
        "Done \U0001F600 and \U0001F469\u200D\U0001F4BB, ok.");
    QString text;
    while (text.size() < 2000)
        text += russian + QLatin1Char('\n') + mixed + QLatin1Char('\n');
    text.truncate(2000);
    if (text.back().isHighSurrogate())
        text.chop(1);
    return text.trimmed();
}

} // namespace TypingSample
