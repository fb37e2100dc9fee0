#pragma once

#include <QBuffer>

// An in-memory device whose writes fail once it holds a given number of
// bytes: a full disk on demand.
class FailingDevice final : public QBuffer
{
public:
    explicit FailingDevice(qint64 capacity)
        : m_capacity(capacity)
    {
        open(QIODevice::ReadWrite);
    }

protected:
    qint64 writeData(const char* data, qint64 length) override
    {
        if (pos() + length > m_capacity) {
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        return QBuffer::writeData(data, length);
    }

private:
    qint64 m_capacity;
};
