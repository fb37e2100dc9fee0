#include "platform/AddressWatch.h"

#include <QSocketNotifier>
#include <QTimer>

#include <linux/netlink.h>
#include <linux/rtnetlink.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

// A route netlink socket subscribed to IPv4 address, link and route changes.
class NetlinkAddressWatch final : public AddressWatch
{
public:
    explicit NetlinkAddressWatch(int fd)
        : m_fd(fd)
        , m_notifier(fd, QSocketNotifier::Read)
    {
        // A new lease brings an address, a route and link changes at once.
        m_settle.setSingleShot(true);
        m_settle.setInterval(300);
        connect(&m_settle, &QTimer::timeout, this, &AddressWatch::changed);
        connect(&m_notifier, &QSocketNotifier::activated, this, &NetlinkAddressWatch::drain);
    }

    ~NetlinkAddressWatch() override
    {
        m_notifier.setEnabled(false);
        ::close(m_fd);
    }

private:
    void drain()
    {
        char buffer[8192];
        bool relevant = false;
        for (;;) {
            const ssize_t got = ::recv(m_fd, buffer, sizeof buffer, MSG_DONTWAIT);
            if (got < 0) {
                // An overrun lost reports: something changed, whatever it was.
                relevant = relevant || errno == ENOBUFS;
                if (errno == EINTR)
                    continue;
                break;
            }
            if (got == 0)
                break;
            int length = int(got);
            for (auto* header = reinterpret_cast<nlmsghdr*>(buffer); NLMSG_OK(header, length);
                 header = NLMSG_NEXT(header, length)) {
                switch (header->nlmsg_type) {
                case RTM_NEWADDR: case RTM_DELADDR: case RTM_NEWLINK: case RTM_DELLINK:
                case RTM_NEWROUTE: case RTM_DELROUTE:
                    relevant = true;
                    break;
                default:
                    break;
                }
            }
        }
        if (relevant)
            m_settle.start();
    }

    int m_fd;
    QSocketNotifier m_notifier;
    QTimer m_settle;
};

// The log is English: strerror() would speak the user's locale.
QString cLocaleError(int code)
{
    const char* text = strerrordesc_np(code);
    return text ? QString::fromLatin1(text) : QStringLiteral("errno %1").arg(code);
}

} // namespace

std::unique_ptr<AddressWatch> AddressWatch::create(QString* error)
{
    const int fd = ::socket(AF_NETLINK, SOCK_RAW | SOCK_CLOEXEC | SOCK_NONBLOCK, NETLINK_ROUTE);
    if (fd < 0) {
        if (error)
            *error = QStringLiteral("no route netlink socket: ") + cLocaleError(errno);
        return nullptr;
    }
    sockaddr_nl address{};
    address.nl_family = AF_NETLINK;
    address.nl_groups = RTMGRP_LINK | RTMGRP_IPV4_IFADDR | RTMGRP_IPV4_ROUTE;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        if (error)
            *error = QStringLiteral("cannot watch address changes: ") + cLocaleError(errno);
        ::close(fd);
        return nullptr;
    }
    return std::make_unique<NetlinkAddressWatch>(fd);
}
