#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The computer's IPv4 addresses that a phone on the same network can reach,
// best first. The order matters: the same network state always gives the same
// list, and a changed list restarts the phone server.
namespace LocalAddresses {

enum class InterfaceKind {
    Wired,
    Wireless,
    Bridge, // a bridge with a physical port: the host's own network
    Other,  // loopback, tunnels, virtual machine and container bridges, veth
};

struct Candidate
{
    QString interface;
    QString address;
    InterfaceKind kind = InterfaceKind::Other;

    bool operator==(const Candidate&) const = default;
};

// Reads the interface's entries under sysNetRoot (normally /sys/class/net).
InterfaceKind classify(const QString& name, const QString& sysNetRoot = QStringLiteral("/sys/class/net"));

// The interface of the default IPv4 route (lowest metric), from a routing
// table in the format of /proc/net/route.
std::optional<QString> primaryInterface(const QString& routeFile = QStringLiteral("/proc/net/route"));

// Keeps wired, wireless and bridged addresses that are neither loopback nor
// link-local; the primary interface first, then other wired and wireless
// ones, then bridges; within a rank 192.168./10. before other addresses, then
// by text. Duplicates keep their first place.
QStringList ordered(const QList<Candidate>& candidates, const std::optional<QString>& primary);

// sysNetRoot as for classify().
QStringList localAddresses(const QString& sysNetRoot = QStringLiteral("/sys/class/net"));

} // namespace LocalAddresses
