#include "design/Onest.h"

#include "core/Log.h"

#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHash>
#include <QMutex>

#include <atomic>

static void initFontResource()
{
    Q_INIT_RESOURCE(kesto_fonts);
}

namespace {

const char* const faceFiles[] = {"Onest-Regular", "Onest-Medium", "Onest-SemiBold", "Onest-Bold"};

std::atomic<bool> registered{false};
std::atomic<bool> available{false};
bool reportedMissing = false;
QString& folder()
{
    static QString path = QStringLiteral(":/fonts");
    return path;
}

QFont::Weight faceWeight(QFont::Weight weight)
{
    switch (weight) {
    case QFont::Medium:
    case QFont::DemiBold:
    case QFont::Bold:
        return weight;
    default:
        return QFont::Normal;
    }
}

QString systemSans()
{
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

} // namespace

namespace Onest {

bool registerFaces()
{
    if (registered)
        return available;
    static const bool resourceReady = (initFontResource(), true);
    Q_UNUSED(resourceReady);
    const QString& folder = ::folder();
    QStringList missing;
    int loaded = 0;
    for (const char* face : faceFiles) {
        const QString plain = QLatin1String(face);
        const QStringList files{folder + u'/' + plain + QStringLiteral(".ttf"),
                                folder + QStringLiteral("/OnestTabular-") + plain.mid(6) + QStringLiteral(".ttf")};
        for (const QString& file : files) {
            if (QFile::exists(file) && QFontDatabase::addApplicationFont(file) >= 0)
                ++loaded;
            else
                missing << QFileInfo(file).fileName();
        }
    }
    // A folder without any face may still appear later; a partial one is final.
    if (loaded > 0) {
        registered = true;
        available = true;
    }
    if (!missing.isEmpty() && !reportedMissing) {
        reportedMissing = true;
        Log::write(QStringLiteral("typeface files missing (") + missing.join(QStringLiteral(", "))
                   + QStringLiteral("); using the system sans-serif ") + systemSans());
    }
    return available;
}

bool registerFaces(const QString& folder)
{
    ::folder() = folder;
    return registerFaces();
}

QString name(QFont::Weight weight)
{
    switch (faceWeight(weight)) {
    case QFont::Medium:
        return QStringLiteral("Onest-Medium");
    case QFont::DemiBold:
        return QStringLiteral("Onest-SemiBold");
    case QFont::Bold:
        return QStringLiteral("Onest-Bold");
    default:
        return QStringLiteral("Onest-Regular");
    }
}

QString family(bool tabular)
{
    if (!registerFaces())
        return systemSans();
    return tabular ? QStringLiteral("Onest Tabular") : QStringLiteral("Onest");
}

QFont font(qreal pixelSize, QFont::Weight weight, bool tabular)
{
    QFont font(family(tabular));
    font.setStyleHint(QFont::SansSerif);
    font.setWeight(faceWeight(weight));
    font.setPixelSize(std::max(1, int(std::lround(pixelSize))));
    // Qt takes pixel sizes as integers; the few fractional sizes round.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(true);
    return font;
}

qreal naturalLineHeight(qreal pixelSize, QFont::Weight weight)
{
    static QMutex mutex;
    static QHash<QPair<double, int>, qreal> cache;
    const QPair<double, int> key(pixelSize, int(faceWeight(weight)));
    QMutexLocker lock(&mutex);
    const auto found = cache.constFind(key);
    if (found != cache.constEnd())
        return *found;
    const qreal height = QFontMetricsF(font(pixelSize, weight)).lineSpacing();
    cache.insert(key, height);
    return height;
}

} // namespace Onest
