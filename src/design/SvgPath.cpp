#include "design/SvgPath.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <string>

namespace {

bool isSeparator(char16_t c)
{
    return c == u' ' || c == u',' || c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r'
        || c == 0x0085 || c == 0x2028 || c == 0x2029;
}

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

class Scanner {
public:
    explicit Scanner(QStringView data)
        : m_data(data)
    {
    }

    bool atEnd() const { return m_index >= m_data.size(); }
    char16_t peek() const { return m_data.at(m_index).unicode(); }
    void advance() { ++m_index; }

    void skipSeparators()
    {
        while (!atEnd() && isSeparator(peek()))
            advance();
    }

    std::optional<double> number()
    {
        skipSeparators();
        std::string text;
        if (!atEnd() && (peek() == u'+' || peek() == u'-')) {
            text += char(peek());
            advance();
        }
        bool dot = false;
        bool exponent = false;
        while (!atEnd()) {
            const char16_t c = peek();
            if (isDigit(c)) {
                text += char(c);
            } else if (c == u'.' && !dot && !exponent) {
                dot = true;
                text += '.';
            } else if ((c == u'e' || c == u'E') && !exponent) {
                exponent = true;
                text += 'e';
                advance();
                if (!atEnd() && (peek() == u'+' || peek() == u'-')) {
                    text += char(peek());
                    advance();
                }
                continue;
            } else {
                break;
            }
            advance();
        }
        // from_chars knows no leading "+"; it must take the whole text.
        const char* first = text.data();
        const char* last = text.data() + text.size();
        if (first != last && *first == '+')
            ++first;
        if (first == last)
            return std::nullopt;
        double value = 0;
        const auto [end, error] = std::from_chars(first, last, value);
        if (error != std::errc() || end != last || !std::isfinite(value))
            return std::nullopt;
        return value;
    }

    std::optional<bool> flag()
    {
        skipSeparators();
        if (atEnd())
            return std::nullopt;
        const char16_t c = peek();
        if (c != u'0' && c != u'1')
            return std::nullopt;
        advance();
        return c == u'1';
    }

private:
    QStringView m_data;
    qsizetype m_index = 0;
};

double angle(QPointF a, QPointF b)
{
    return std::atan2(a.x() * b.y() - a.y() * b.x(), a.x() * b.x() + a.y() * b.y());
}

// Endpoint-to-centre conversion of an elliptical arc, drawn as cubics.
void arc(QPainterPath& path, QPointF p, QPointF e, double rx, double ry, double rotation, bool large, bool sweep)
{
    if (rx == 0 || ry == 0) {
        path.lineTo(e);
        return;
    }
    rx = std::fabs(rx);
    ry = std::fabs(ry);
    const double phi = rotation * M_PI / 180.0;
    const double sp = std::sin(phi);
    const double cp = std::cos(phi);
    const double dx = (p.x() - e.x()) * 0.5;
    const double dy = (p.y() - e.y()) * 0.5;
    const double x1 = cp * dx + sp * dy;
    const double y1 = -sp * dx + cp * dy;
    const double lambda = x1 * x1 / (rx * rx) + y1 * y1 / (ry * ry);
    if (lambda > 1.0) {
        rx *= std::sqrt(lambda);
        ry *= std::sqrt(lambda);
    }
    const double den = rx * rx * y1 * y1 + ry * ry * x1 * x1;
    double f = 0;
    if (den != 0)
        f = std::sqrt(std::max(0.0, rx * rx * ry * ry - rx * rx * y1 * y1 - ry * ry * x1 * x1) / den);
    if (large == sweep)
        f = -f;
    const double cxp = f * rx * y1 / ry;
    const double cyp = -f * ry * x1 / rx;
    const QPointF centre(cp * cxp - sp * cyp + (p.x() + e.x()) * 0.5, sp * cxp + cp * cyp + (p.y() + e.y()) * 0.5);
    const QPointF u((x1 - cxp) / rx, (y1 - cyp) / ry);
    const QPointF v((-x1 - cxp) / rx, (-y1 - cyp) / ry);
    const double theta1 = angle(QPointF(1, 0), u);
    double delta = angle(u, v);
    if (!sweep && delta > 0)
        delta -= 2 * M_PI;
    else if (sweep && delta < 0)
        delta += 2 * M_PI;
    // Radii near the top of the double range overflow into infinities; such
    // an arc has no drawable shape, so it becomes the straight line.
    if (!std::isfinite(delta) || !std::isfinite(centre.x()) || !std::isfinite(centre.y())) {
        path.lineTo(e);
        return;
    }
    const int n = std::max(1, int(std::ceil(std::fabs(delta) / (M_PI / 2) - 1e-7)));
    const double seg = delta / n;
    const double k = 4.0 / 3.0 * std::tan(seg / 4);
    auto at = [&](double px, double py) { return centre + QPointF(cp * px - sp * py, sp * px + cp * py); };
    double a = theta1;
    for (int i = 0; i < n; ++i) {
        const double b = a + seg;
        const QPointF c1 = at(rx * (std::cos(a) - k * std::sin(a)), ry * (std::sin(a) + k * std::cos(a)));
        const QPointF c2 = at(rx * (std::cos(b) + k * std::sin(b)), ry * (std::sin(b) - k * std::cos(b)));
        const QPointF end = i == n - 1 ? e : at(rx * std::cos(b), ry * std::sin(b));
        path.cubicTo(c1, c2, end);
        a = b;
    }
}

bool isCommandLetter(char16_t c)
{
    switch (c) {
    case u'M': case u'L': case u'H': case u'V': case u'C': case u'S': case u'Q': case u'T': case u'A': case u'Z':
    case u'm': case u'l': case u'h': case u'v': case u'c': case u's': case u'q': case u't': case u'a': case u'z':
        return true;
    default:
        return false;
    }
}

} // namespace

namespace SvgPath {

QPainterPath parse(QStringView data)
{
    QPainterPath path;
    Scanner scanner(data);
    QPointF current(0, 0);
    QPointF start(0, 0);
    // Control points of the previous C/S and Q/T, for the reflections of S and T.
    QPointF lastCubic;
    QPointF lastQuad;
    bool hasCubic = false;
    bool hasQuad = false;
    char16_t last = 0; // the command a bare number repeats; 0 after Z and at the start

    for (;;) {
        scanner.skipSeparators();
        if (scanner.atEnd())
            break;
        char16_t command = 0;
        const QChar next(scanner.peek());
        if (next.isLetter() && next != u'e' && next != u'E') {
            command = next.unicode();
            scanner.advance();
        } else if ((isDigit(next.unicode()) || next == u'-' || next == u'+' || next == u'.') && last != 0) {
            command = last;
        } else {
            break;
        }
        if (!isCommandLetter(command))
            break;

        const bool relative = command >= u'a';
        const QPointF base = relative ? current : QPointF(0, 0);
        const char16_t upper = relative ? char16_t(command - (u'a' - u'A')) : command;
        if (upper != u'M' && upper != u'Z')
            last = command;

        auto pair = [&]() -> std::optional<QPointF> {
            const auto x = scanner.number();
            if (!x)
                return std::nullopt;
            const auto y = scanner.number();
            if (!y)
                return std::nullopt;
            return base + QPointF(*x, *y);
        };

        switch (upper) {
        case u'M': {
            const auto to = pair();
            if (!to)
                return path;
            path.moveTo(*to);
            current = start = *to;
            last = relative ? u'l' : u'L';
            hasCubic = false;
            hasQuad = false;
            break;
        }
        case u'L': {
            const auto to = pair();
            if (!to)
                return path;
            path.lineTo(*to);
            current = *to;
            hasCubic = false;
            hasQuad = false;
            break;
        }
        case u'H':
        case u'V': {
            const auto value = scanner.number();
            if (!value)
                return path;
            QPointF to = current;
            if (upper == u'H')
                to.setX(*value + (relative ? current.x() : 0));
            else
                to.setY(*value + (relative ? current.y() : 0));
            path.lineTo(to);
            current = to;
            hasCubic = false;
            hasQuad = false;
            break;
        }
        case u'C': {
            const auto c1 = pair();
            const auto c2 = c1 ? pair() : std::nullopt;
            const auto to = c2 ? pair() : std::nullopt;
            if (!to)
                return path;
            path.cubicTo(*c1, *c2, *to);
            current = *to;
            lastCubic = *c2;
            hasCubic = true;
            hasQuad = false;
            break;
        }
        case u'S': {
            const auto c2 = pair();
            const auto to = c2 ? pair() : std::nullopt;
            if (!to)
                return path;
            const QPointF c1 = hasCubic ? 2 * current - lastCubic : current;
            path.cubicTo(c1, *c2, *to);
            current = *to;
            lastCubic = *c2;
            hasCubic = true;
            hasQuad = false;
            break;
        }
        case u'Q': {
            const auto c = pair();
            const auto to = c ? pair() : std::nullopt;
            if (!to)
                return path;
            path.quadTo(*c, *to);
            current = *to;
            lastQuad = *c;
            hasQuad = true;
            hasCubic = false;
            break;
        }
        case u'T': {
            const auto to = pair();
            if (!to)
                return path;
            const QPointF c = hasQuad ? 2 * current - lastQuad : current;
            path.quadTo(c, *to);
            current = *to;
            lastQuad = c;
            hasQuad = true;
            hasCubic = false;
            break;
        }
        case u'A': {
            const auto rx = scanner.number();
            const auto ry = rx ? scanner.number() : std::nullopt;
            const auto rotation = ry ? scanner.number() : std::nullopt;
            const auto large = rotation ? scanner.flag() : std::nullopt;
            const auto sweep = large ? scanner.flag() : std::nullopt;
            const auto to = sweep ? pair() : std::nullopt;
            if (!to)
                return path;
            if (to->x() != current.x() || to->y() != current.y()) {
                arc(path, current, *to, *rx, *ry, *rotation, *large, *sweep);
                current = *to;
            }
            hasCubic = false;
            hasQuad = false;
            break;
        }
        case u'Z':
            path.closeSubpath();
            current = start;
            last = 0;
            hasCubic = false;
            hasQuad = false;
            break;
        }
    }
    return path;
}

} // namespace SvgPath
