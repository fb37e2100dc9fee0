#include "phone/LocalAddresses.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QNetworkInterface>

#include <algorithm>

namespace LocalAddresses {

namespace {

bool isPhysical(const QString& path)
{
    return QFileInfo::exists(path + QStringLiteral("/device"));
}

QByteArray readTrimmed(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll().trimmed();
}

} // namespace

InterfaceKind classify(const QString& name, const QString& sysNetRoot)
{
    if (name.isEmpty() || name.contains(QLatin1Char('/')))
        return InterfaceKind::Other;
    const QString path = sysNetRoot + QLatin1Char('/') + name;
    if (QFileInfo::exists(path + QStringLiteral("/bridge"))) {
        // Container and virtual machine bridges only join virtual ports.
        const QStringList ports = QDir(path + QStringLiteral("/brif")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        const bool bridgesHardware = std::any_of(ports.begin(), ports.end(), [&](const QString& port) {
            return isPhysical(sysNetRoot + QLatin1Char('/') + port);
        });
        return bridgesHardware ? InterfaceKind::Bridge : InterfaceKind::Other;
    }
    if (!isPhysical(path))
        return InterfaceKind::Other;
    if (QFileInfo::exists(path + QStringLiteral("/wireless")) || QFileInfo::exists(path + QStringLiteral("/phy80211")))
        return InterfaceKind::Wireless;
    // ARPHRD_ETHER; other link types (CAN, InfiniBand, modems) are not for phones.
    if (readTrimmed(path + QStringLiteral("/type")) == "1")
        return InterfaceKind::Wired;
    return InterfaceKind::Other;
}

std::optional<QString> primaryInterface(const QString& routeFile)
{
    QFile file(routeFile);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return std::nullopt;
    std::optional<QString> best;
    qint64 bestMetric = 0;
    bool header = true;
    while (!file.atEnd()) {
        const QList<QByteArray> fields = file.readLine().simplified().split(' ');
        if (header) {
            header = false;
            continue;
        }
        // Iface Destination Gateway Flags RefCnt Use Metric Mask ...
        if (fields.size() < 8)
            continue;
        bool ok = false;
        const uint flags = fields[3].toUInt(&ok, 16);
        const bool up = ok && (flags & 0x1);
        if (!up || fields[1] != "00000000" || fields[7] != "00000000")
            continue;
        const qint64 metric = fields[6].toLongLong();
        if (!best || metric < bestMetric) {
            best = QString::fromUtf8(fields[0]);
            bestMetric = metric;
        }
    }
    return best;
}

QStringList ordered(const QList<Candidate>& candidates, const std::optional<QString>& primary)
{
    QList<Candidate> kept;
    for (const Candidate& c : candidates) {
        if (c.kind == InterfaceKind::Other || c.address.isEmpty())
            continue;
        if (c.address.startsWith(QLatin1String("127.")) || c.address.startsWith(QLatin1String("169.254.")))
            continue;
        kept.append(c);
    }
    const auto rank = [&](const Candidate& c) {
        if (primary && c.interface == *primary)
            return 0;
        return c.kind == InterfaceKind::Bridge ? 2 : 1;
    };
    const auto addressClass = [](const Candidate& c) {
        const bool home = c.address.startsWith(QLatin1String("192.168.")) || c.address.startsWith(QLatin1String("10."));
        return home ? 0 : 1;
    };
    std::stable_sort(kept.begin(), kept.end(), [&](const Candidate& a, const Candidate& b) {
        if (rank(a) != rank(b))
            return rank(a) < rank(b);
        if (addressClass(a) != addressClass(b))
            return addressClass(a) < addressClass(b);
        return a.address < b.address;
    });
    QStringList result;
    for (const Candidate& c : kept) {
        if (!result.contains(c.address))
            result.append(c.address);
    }
    return result;
}

QStringList localAddresses(const QString& sysNetRoot)
{
    QList<Candidate> candidates;
    const QList<QNetworkInterface> interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface& interface : interfaces) {
        const InterfaceKind kind = classify(interface.name(), sysNetRoot);
        const QList<QNetworkAddressEntry> entries = interface.addressEntries();
        for (const QNetworkAddressEntry& entry : entries) {
            if (entry.ip().protocol() != QAbstractSocket::IPv4Protocol)
                continue;
            candidates.append({interface.name(), entry.ip().toString(), kind});
        }
    }
    return ordered(candidates, primaryInterface());
}

} // namespace LocalAddresses
