#include "content/numberreader.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace tildora {
namespace {

bool isBlank(QChar c)
{
    // Space, tab and line breaks as ever; the no-break space because word
    // processors slip it into lines that teachers copy.
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == QChar(0x00A0);
}

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// The characters of the leading number with the blanks taken out, in the
// grammar  [sign] digits [. digits] [(e|E|d|D) [sign] digits].
struct NumberText {
    std::string chars;
    bool negative = false;
    bool hasDigits = false;
    long long exponent = 0;          // written exponent, clamped
    long long integerDigits = 0;     // significant digits before the point
    long long leadingFractionZeros = 0;
};

NumberText scanNumber(QStringView text)
{
    NumberText n;
    enum class Stage { Sign, Integer, Fraction, ExponentSign, ExponentDigits } stage = Stage::Sign;
    std::string exponentPart;
    bool exponentNegative = false;
    bool fractionNonZeroSeen = false;
    for (const QChar c : text) {
        if (isBlank(c))
            continue;
        const char a = char(c.unicode());
        if (stage == Stage::Sign) {
            stage = Stage::Integer;
            if (c == u'+' || c == u'-') {
                n.negative = c == u'-';
                continue;
            }
        }
        if (stage == Stage::Integer) {
            if (isDigit(c)) {
                n.hasDigits = true;
                if (!n.chars.empty() || a != '0')
                    ++n.integerDigits;
                if (!(n.chars.empty() && a == '0'))
                    n.chars += a;
                continue;
            }
            if (c == u'.') {
                stage = Stage::Fraction;
                if (n.chars.empty())
                    n.chars += '0';
                n.chars += '.';
                continue;
            }
        } else if (stage == Stage::Fraction) {
            if (isDigit(c)) {
                n.hasDigits = true;
                if (a != '0')
                    fractionNonZeroSeen = true;
                else if (!fractionNonZeroSeen)
                    ++n.leadingFractionZeros;
                n.chars += a;
                continue;
            }
        } else if (stage == Stage::ExponentSign) {
            stage = Stage::ExponentDigits;
            if (c == u'+' || c == u'-') {
                exponentNegative = c == u'-';
                continue;
            }
        }
        if (stage == Stage::ExponentDigits) {
            if (!isDigit(c))
                break;
            exponentPart += a;
            n.exponent = std::min<long long>(n.exponent * 10 + (a - '0'), 1'000'000'000);
            continue;
        }
        // Only a number with digits can take an exponent.
        if ((c == u'e' || c == u'E' || c == u'd' || c == u'D') && n.hasDigits) {
            stage = Stage::ExponentSign;
            continue;
        }
        break;
    }
    if (exponentNegative)
        n.exponent = -n.exponent;
    if (!exponentPart.empty())
        n.chars = (n.chars.empty() ? std::string("0") : n.chars) + 'e' + std::string(exponentNegative ? "-" : "") + exponentPart;
    return n;
}

} // namespace

double readNumber(QStringView text)
{
    // Nearly every position field is a few plain digits.
    if (!text.isEmpty() && text.size() <= 9
        && std::all_of(text.begin(), text.end(), [](QChar c) { return isDigit(c); })) {
        int value = 0;
        for (const QChar c : text)
            value = value * 10 + (c.unicode() - u'0');
        return value;
    }
    const NumberText n = scanNumber(text);
    if (!n.hasDigits)
        return 0.0;
    std::string digits = n.chars.empty() ? std::string("0") : n.chars;
    double value = 0.0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        // Decimal magnitude of the number decides between overflow and underflow.
        const long long magnitude = n.integerDigits > 0 ? n.integerDigits + n.exponent
                                                        : n.exponent - n.leadingFractionZeros;
        value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (error != std::errc()) {
        value = 0.0;
    }
    return n.negative ? -value : value;
}

double roundHalfEven(double value)
{
    if (!std::isfinite(value))
        return value;
    const double below = std::floor(value);
    const double rest = value - below;
    if (rest < 0.5)
        return below;
    if (rest > 0.5)
        return below + 1.0;
    return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

std::optional<int> readWholeNumber(QStringView text, int lowest, int highest)
{
    const double whole = roundHalfEven(readNumber(text));
    if (!(whole >= lowest && whole <= highest))
        return std::nullopt;
    return int(whole);
}

} // namespace tildora
