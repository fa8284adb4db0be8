// The seconds parsers on arbitrary text, and the number writer on arbitrary doubles: what
// NumberText writes is plain decimal that both parsers read back to nearly the same value.
#include "sheet/Amount.h"

#include <QString>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

void require(bool condition) {
    if (!condition)
        std::abort();
}

bool onlyBoxBlanks(const QString& text) {
    for (const QChar c : text)
        if (c.isSpace() && c != QLatin1Char(' ') && c != QLatin1Char('\t') &&
            c != QLatin1Char('\n'))
            return false;
    return true;
}

void checkWritten(double value) {
    const QString text = NumberText(value);
    if (!std::isfinite(value)) {
        require(text.isEmpty());
        return;
    }
    require(!text.isEmpty());
    require(!text.contains(QLatin1Char('e')) && !text.contains(QLatin1Char('E')));
    require(text != QStringLiteral("-0"));
    // Rounding to 15 digits can carry the largest doubles past the range; the rest read back.
    if (std::fabs(value) > 1e307)
        return;
    const std::optional<double> seconds = ReadSeconds(text);
    const std::optional<double> amount = ReadAmount(text);
    require(seconds.has_value() && amount.has_value());
    require(*seconds == *amount);
    // 15 significant digits, and never more than 15 decimals.
    require(std::fabs(*seconds - value) <= std::fabs(value) * 1e-14 + 1e-15);
    // 15 decimal digits survive a trip through a double, so writing again changes nothing.
    require(NumberText(*seconds) == text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (const std::optional<double> amount = ReadAmount(text)) {
        require(std::isfinite(*amount));
        checkWritten(*amount);
    }
    if (const std::optional<double> seconds = ReadSeconds(text)) {
        require(std::isfinite(*seconds));
        // A whole Secs field is also a number at the start of a box, when the blanks around it
        // are ones a box skips (ReadSeconds trims every kind of white space).
        if (onlyBoxBlanks(text)) {
            const std::optional<double> amount = ReadAmount(text);
            require(amount.has_value() && *amount == *seconds);
        }
        checkWritten(*seconds);
    }
    if (size >= sizeof(double)) {
        double value = 0;
        std::memcpy(&value, data, sizeof value);
        checkWritten(value);
    }
    return 0;
}
