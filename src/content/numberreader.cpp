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

// Reads the number one character at a time through the stages of the grammar.
class NumberScanner
{
public:
    // False when c ends the number.
    bool take(QChar c)
    {
        if (m_stage == Stage::Sign) {
            m_stage = Stage::Integer;
            if (c == u'+' || c == u'-') {
                m_n.negative = c == u'-';
                return true;
            }
        }
        if (m_stage == Stage::ExponentSign) {
            m_stage = Stage::ExponentDigits;
            if (c == u'+' || c == u'-') {
                m_exponentNegative = c == u'-';
                return true;
            }
        }
        if (m_stage == Stage::ExponentDigits)
            return takeExponentDigit(c);
        if (takeMantissa(c))
            return true;
        // Only a number with digits can take an exponent.
        if ((c == u'e' || c == u'E' || c == u'd' || c == u'D') && m_n.hasDigits) {
            m_stage = Stage::ExponentSign;
            return true;
        }
        return false;
    }

    NumberText finish()
    {
        if (m_exponentNegative)
            m_n.exponent = -m_n.exponent;
        if (!m_exponentPart.empty())
            m_n.chars = (m_n.chars.empty() ? std::string("0") : m_n.chars) + 'e'
                        + std::string(m_exponentNegative ? "-" : "") + m_exponentPart;
        return m_n;
    }

private:
    enum class Stage { Sign, Integer, Fraction, ExponentSign, ExponentDigits };

    bool takeMantissa(QChar c)
    {
        const char a = char(c.unicode());
        if (m_stage == Stage::Integer) {
            if (isDigit(c)) {
                m_n.hasDigits = true;
                if (!m_n.chars.empty() || a != '0')
                    ++m_n.integerDigits;
                if (!(m_n.chars.empty() && a == '0'))
                    m_n.chars += a;
                return true;
            }
            if (c == u'.') {
                m_stage = Stage::Fraction;
                if (m_n.chars.empty())
                    m_n.chars += '0';
                m_n.chars += '.';
                return true;
            }
        } else if (m_stage == Stage::Fraction && isDigit(c)) {
            m_n.hasDigits = true;
            if (a != '0')
                m_fractionNonZeroSeen = true;
            else if (!m_fractionNonZeroSeen)
                ++m_n.leadingFractionZeros;
            m_n.chars += a;
            return true;
        }
        return false;
    }

    bool takeExponentDigit(QChar c)
    {
        if (!isDigit(c))
            return false;
        const char a = char(c.unicode());
        m_exponentPart += a;
        m_n.exponent = std::min<long long>(m_n.exponent * 10 + (a - '0'), 1'000'000'000);
        return true;
    }

    NumberText m_n;
    Stage m_stage = Stage::Sign;
    std::string m_exponentPart;
    bool m_exponentNegative = false;
    bool m_fractionNonZeroSeen = false;
};

NumberText scanNumber(QStringView text)
{
    NumberScanner scanner;
    for (const QChar c : text) {
        if (isBlank(c))
            continue;
        if (!scanner.take(c))
            break;
    }
    return scanner.finish();
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
