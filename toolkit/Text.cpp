#include "toolkit/Text.h"

#include <QList>

namespace toolkit {

QString printable(const QString &text)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        // A byte of a file name that is not UTF-8 is shown as the byte.
        if (c >= 0xdc80 && c <= 0xdcff)
            result += QStringLiteral("\\x%1").arg(uint(c - 0xdc00), 2, 16, QLatin1Char('0'));
        else if (QChar::isPrint(c) || c == U' ')
            result += QString::fromUcs4(&c, 1);
        else if (c <= 0xff)
            result += QStringLiteral("\\x%1").arg(uint(c), 2, 16, QLatin1Char('0'));
        else if (c <= 0xffff)
            result += QStringLiteral("\\u%1").arg(uint(c), 4, 16, QLatin1Char('0'));
        else
            result += QStringLiteral("\\U%1").arg(uint(c), 8, 16, QLatin1Char('0'));
    }
    return result;
}

QString quoted(const QString &text, qsizetype most)
{
    return printable(text.size() <= most ? text : text.left(most) + QStringLiteral("..."));
}

} // namespace toolkit
