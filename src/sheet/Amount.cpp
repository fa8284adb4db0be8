#include "sheet/Amount.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// from_chars is locale-independent, unlike strtod and printf.
std::optional<double> parseDecimal(const std::string& text) {
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

bool StartsWithAmount(QStringView text) {
    bool signSeen = false;
    bool pointSeen = false;
    for (const QChar c : text) {
        if (c == u' ' || c == u'\t' || c == u'\n')
            continue;
        if (c.unicode() >= u'0' && c.unicode() <= u'9')
            return true;
        if ((c == u'+' || c == u'-') && !signSeen && !pointSeen)
            signSeen = true;
        else if (c == u'.' && !pointSeen)
            pointSeen = true;
        else
            return false;
    }
    return false;
}

std::optional<double> ReadAmount(QStringView text) {
    std::string mantissa;
    std::string exponent;
    bool negative = false;
    bool seenSign = false;
    bool seenPoint = false;
    bool seenDigit = false;
    bool inExponent = false;
    bool exponentSigned = false;
    // Decimal magnitude of the first non-zero digit, to tell overflow from underflow.
    long magnitude = 0;
    bool seenNonZero = false;
    long decimals = 0;
    for (const QChar qc : text) {
        if (qc == u' ' || qc == u'\t' || qc == u'\n')
            continue;
        const char c = qc.unicode() < 0x80 ? static_cast<char>(qc.unicode()) : '\0';
        if (inExponent) {
            if ((c == '+' || c == '-') && !exponentSigned && exponent.empty()) {
                exponentSigned = true;
                exponent.push_back(c);
            } else if (isDigit(c)) {
                // Leading zeros add nothing; ten digits are already far beyond any double's
                // range, so the rest are dropped.
                const bool leadingZero =
                    c == '0' && exponent.find_first_not_of("+-") == std::string::npos;
                if (!leadingZero && exponent.size() < 10)
                    exponent.push_back(c);
            } else {
                break;
            }
        } else if ((c == '+' || c == '-') && !seenSign && !seenDigit && !seenPoint) {
            seenSign = true;
            negative = c == '-';
        } else if (isDigit(c)) {
            seenDigit = true;
            mantissa.push_back(c);
            if (seenPoint)
                ++decimals;
            if (!seenNonZero && c != '0') {
                seenNonZero = true;
                magnitude = -decimals;
            } else if (seenNonZero && !seenPoint) {
                ++magnitude;
            }
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
            mantissa.push_back('.');
        } else if ((c == 'e' || c == 'E') && seenDigit) {
            inExponent = true;
        } else {
            break;
        }
    }
    const double zero = negative ? -0.0 : 0.0;
    if (!seenNonZero)
        return zero;
    const bool hasExponent = exponent.find_first_of("0123456789") != std::string::npos;
    std::string number = (negative ? "-" : "") + mantissa;
    if (hasExponent)
        number += 'e' + exponent;
    if (const std::optional<double> value = parseDecimal(number))
        return value;
    // Out of range: too small to tell from zero, or too large to hold.
    if (magnitude + (hasExponent ? std::stol(exponent) : 0L) < 0)
        return zero;
    return std::nullopt;
}

std::optional<double> ReadSeconds(QStringView text) {
    const QStringView trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    std::string number;
    number.reserve(static_cast<std::size_t>(trimmed.size()));
    for (const QChar c : trimmed) {
        if (c.unicode() > 0x7f)
            return std::nullopt;
        number.push_back(static_cast<char>(c.unicode()));
    }
    if (number.front() == '+' && number.size() > 1 && number[1] != '-')
        number.erase(0, 1);
    // from_chars would also take "inf" and "nan"; a time is a plain number.
    for (const char c : number)
        if (!(isDigit(c) || c == '.' || c == '-' || c == 'e' || c == 'E' || c == '+'))
            return std::nullopt;
    return parseDecimal(number);
}

QString NumberText(double value) {
    if (!std::isfinite(value))
        return {};
    const auto format = [value](std::chars_format how, int precision) {
        char buffer[64];
        const std::to_chars_result result =
            std::to_chars(buffer, buffer + sizeof buffer, value, how, precision);
        return std::string(buffer, result.ptr);
    };
    // The decimal exponent after rounding to 15 significant digits.
    const std::string scientific = format(std::chars_format::scientific, 14);
    const int exponent = std::stoi(scientific.substr(scientific.find('e') + 1));
    std::string text;
    if (exponent >= 14) {
        // Whole numbers beyond 15 digits: the 15 rounded digits, then zeros.
        std::string digits = scientific.substr(0, scientific.find('e'));
        digits.erase(digits.find('.'), 1);
        text = digits + std::string(static_cast<std::size_t>(exponent - 14), '0');
    } else {
        text = format(std::chars_format::fixed, std::min(15, 14 - exponent));
        if (text.find('.') != std::string::npos) {
            text.erase(text.find_last_not_of('0') + 1);
            if (text.back() == '.')
                text.pop_back();
        }
    }
    if (text == "-0")
        text = "0";
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}
