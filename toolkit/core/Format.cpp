#include "toolkit/core/Format.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace toolkit::core {

namespace {

struct Section
{
    std::string prefix;
    std::string suffix;
    int intPlaceholders = 0; // '0' and '#' before the point
    int intZeros = 0;        // minimum integer digits
    int fracZeros = 0;       // '0' after the point
    int fracHashes = 0;      // '#' after the zeros
    bool point = false;
    bool exponent = false;
    char expChar = 'E';
    bool expPlus = false;
    int expZeros = 0;
    bool numeric = false; // has any placeholder
};

Section parseSection(std::string_view text)
{
    Section s;
    enum { Int, Frac, Exp } part = Int;
    int firstZero = -1;
    int intCount = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool placeholder = c == '0' || c == '#';
        if (part == Exp) {
            if (placeholder) {
                if (c == '0')
                    ++s.expZeros;
                continue;
            }
            s.suffix += c;
            continue;
        }
        if (placeholder) {
            s.numeric = true;
            if (part == Int) {
                if (c == '0' && firstZero < 0)
                    firstZero = intCount;
                ++intCount;
            } else if (c == '0' && s.fracHashes == 0) {
                ++s.fracZeros;
            } else {
                ++s.fracHashes;
            }
            continue;
        }
        if (c == '.' && part == Int) {
            s.point = true;
            s.numeric = true;
            part = Frac;
            continue;
        }
        if ((c == 'E' || c == 'e') && i + 1 < text.size() && (text[i + 1] == '+' || text[i + 1] == '-')
            && s.numeric) {
            s.exponent = true;
            s.expChar = c;
            s.expPlus = text[i + 1] == '+';
            part = Exp;
            ++i;
            continue;
        }
        if (c == '\\' && i + 1 < text.size())
            ++i;
        (s.numeric ? s.suffix : s.prefix) += text[i];
    }
    s.intPlaceholders = intCount;
    s.intZeros = firstZero < 0 ? 0 : intCount - firstZero;
    return s;
}

// The 15 significant decimal digits of a >= 0 and the power of ten of the first.
struct Decimal
{
    std::string digits; // 15 digits
    int exp10 = 0;
};

Decimal toDecimal(double a)
{
    Decimal d;
    if (a == 0) {
        d.digits.assign(15, '0');
        return d;
    }
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.14e", a);
    // buf is "d.dddddddddddddde+XX": the first digit, the point, 14 digits.
    d.digits.reserve(15);
    d.digits.push_back(buf[0]);
    for (int i = 2; i < 16; ++i)
        d.digits.push_back(buf[i]);
    d.exp10 = std::atoi(buf + 17);
    return d;
}

// Rounds the digit string to keep `keep` leading digits, half away from zero.
// Returns true when the carry ran past the first digit (one more digit in front).
bool roundDigits(std::string &digits, int keep)
{
    if (keep < 0) {
        digits.assign(0, '0');
        return false;
    }
    if (static_cast<std::size_t>(keep) >= digits.size()) {
        digits.append(static_cast<std::size_t>(keep) - digits.size(), '0');
        return false;
    }
    const bool up = digits[static_cast<std::size_t>(keep)] >= '5';
    digits.resize(static_cast<std::size_t>(keep));
    if (!up)
        return false;
    for (int i = keep - 1; i >= 0; --i) {
        auto &c = digits[static_cast<std::size_t>(i)];
        if (c == '9') {
            c = '0';
        } else {
            ++c;
            return false;
        }
    }
    digits.insert(digits.begin(), '1');
    return true;
}

// The whole part, then the point and the fraction without the trailing
// zeros that no 0 placeholder asks for.
std::string joined(const std::string &intPart, std::string fracPart, const Section &s)
{
    while (static_cast<int>(fracPart.size()) > s.fracZeros && !fracPart.empty() && fracPart.back() == '0')
        fracPart.pop_back();
    std::string out = intPart;
    if (s.point && (!fracPart.empty() || s.fracZeros + s.fracHashes == 0))
        out += '.';
    return out + fracPart;
}

std::string fixedNumber(double a, const Section &s, bool &isZero)
{
    const Decimal d = toDecimal(a);
    const int frac = s.fracZeros + s.fracHashes;
    // digits of the whole number with intLen digits before the point
    std::string digits = d.digits;
    int intLen = d.exp10 + 1;
    if (a == 0)
        intLen = 1;
    if (intLen <= 0) {
        digits.insert(0, static_cast<std::size_t>(1 - intLen), '0');
        intLen = 1;
    }
    if (roundDigits(digits, intLen + frac))
        ++intLen;
    std::string intPart = digits.substr(0, static_cast<std::size_t>(intLen));
    std::string fracPart = digits.substr(static_cast<std::size_t>(intLen));
    isZero = intPart.find_first_not_of('0') == std::string::npos
             && fracPart.find_first_not_of('0') == std::string::npos;

    const auto firstNonZero = intPart.find_first_not_of('0');
    intPart = firstNonZero == std::string::npos ? std::string() : intPart.substr(firstNonZero);
    if (static_cast<int>(intPart.size()) < s.intZeros)
        intPart.insert(0, static_cast<std::size_t>(s.intZeros) - intPart.size(), '0');
    return joined(intPart, fracPart, s);
}

std::string exponentNumber(double a, const Section &s, bool &isZero)
{
    Decimal d = toDecimal(a);
    const int intDigits = s.intPlaceholders > 0 ? s.intPlaceholders : 1;
    const int frac = s.fracZeros + s.fracHashes;
    std::string digits = d.digits;
    int exp10 = d.exp10;
    if (roundDigits(digits, intDigits + frac)) {
        digits.pop_back();
        ++exp10;
    }
    isZero = a == 0;
    const int exponent = isZero ? 0 : exp10 - (intDigits - 1);
    std::string out = joined(digits.substr(0, static_cast<std::size_t>(intDigits)),
                             digits.substr(static_cast<std::size_t>(intDigits)), s);
    out += s.expChar;
    if (exponent < 0)
        out += '-';
    else if (s.expPlus)
        out += '+';
    std::string expDigits = std::to_string(std::abs(exponent));
    if (static_cast<int>(expDigits.size()) < s.expZeros)
        expDigits.insert(0, static_cast<std::size_t>(s.expZeros) - expDigits.size(), '0');
    return out + expDigits;
}

std::string generalNumber(double value)
{
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.15g", value);
    return buf;
}

std::string formatWith(double a, const Section &s, bool &isZero)
{
    if (!s.numeric) {
        isZero = a == 0;
        return s.prefix + s.suffix;
    }
    const std::string number = s.exponent ? exponentNumber(a, s, isZero) : fixedNumber(a, s, isZero);
    return s.prefix + number + s.suffix;
}

} // namespace

std::string Format(double value, std::string_view pattern)
{
    if (std::isnan(value) || std::isinf(value))
        return generalNumber(value);

    std::vector<std::string_view> sections;
    for (std::size_t start = 0;;) {
        const auto end = pattern.find(';', start);
        sections.push_back(pattern.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }

    const double a = std::fabs(value);
    bool isZero = false;
    if (value == 0 && sections.size() >= 3 && !sections[2].empty())
        return formatWith(a, parseSection(sections[2]), isZero);
    if (value < 0 && sections.size() >= 2 && !sections[1].empty())
        return formatWith(a, parseSection(sections[1]), isZero);
    if (sections[0].empty())
        return generalNumber(value);
    const std::string text = formatWith(a, parseSection(sections[0]), isZero);
    return value < 0 && !isZero ? "-" + text : text;
}

} // namespace toolkit::core
