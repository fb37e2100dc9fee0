#pragma once

#include <QObject>

#include <memory>

// Tells when the computer's network addresses, links or routes change, as
// the kernel reports them, whatever manages the network (or nothing).
// Bursts of changes arrive as one signal. Lives on the thread that made it.
class AddressWatch : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // The kernel's own reports; none when they cannot be had, and then
    // error (if given) gets a lower-case sentence.
    static std::unique_ptr<AddressWatch> create(QString* error = nullptr);

Q_SIGNALS:
    void changed();
};
