#include "phone/PhoneHttp.h"

#include <cstdint>
#include <cstdlib>

namespace {

// Beyond "no crash": a verdict that breaks the parser's own promises is a
// finding too.
void check(const PhoneHttp::Parsed& parsed, bool tokenSet)
{
    using Kind = PhoneHttp::Parsed::Kind;
    switch (parsed.kind) {
    case Kind::Request:
        if (parsed.request.body.size() > PhoneHttp::bodyLimit || parsed.request.method.isEmpty())
            std::abort();
        break;
    case Kind::Reject:
        if (parsed.status.isEmpty() || parsed.message.isEmpty())
            std::abort();
        if (!tokenSet && parsed.status.startsWith(QLatin1String("403")))
            std::abort();
        break;
    case Kind::NeedHeaders:
    case Kind::NeedBody:
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray buffer = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    check(PhoneHttp::parse(buffer, QStringLiteral("abcd2345efgh6789")), true);
    check(PhoneHttp::parse(buffer, QString()), false);
    return 0;
}
