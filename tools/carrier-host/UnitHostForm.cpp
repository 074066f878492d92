// Percent-encoding and form bodies.
#include "UnitHostForm.h"

#include <QList>

namespace {
bool fnbPlainByte(char ch) {
    return (ch >= '0' && ch <= '9') || (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z');
}

int fniHexValue(char ch) {
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (ch >= 'A' && ch <= 'F')
        return ch - 'A' + 10;
    if (ch >= 'a' && ch <= 'f')
        return ch - 'a' + 10;
    return -1;
}
} // namespace

QByteArray fnbaFormEncode(const QByteArray &baValue) {
    static const char achHex[] = "0123456789ABCDEF";
    QByteArray ba;
    ba.reserve(baValue.size() * 3);
    for (const char ch : baValue) {
        if (fnbPlainByte(ch)) {
            ba.append(ch);
            continue;
        }
        const auto by = static_cast<unsigned char>(ch);
        ba.append('%');
        ba.append(achHex[by >> 4]);
        ba.append(achHex[by & 0x0F]);
    }
    return ba;
}

std::optional<QByteArray> fnbaFormDecode(const QByteArray &baEncoded) {
    QByteArray ba;
    ba.reserve(baEncoded.size());
    for (qsizetype i = 0; i < baEncoded.size(); ++i) {
        const char ch = baEncoded.at(i);
        if (ch == '+') {
            ba.append(' ');
        } else if (ch != '%') {
            ba.append(ch);
        } else {
            if (i + 2 >= baEncoded.size())
                return std::nullopt;
            const int iHigh = fniHexValue(baEncoded.at(i + 1));
            const int iLow = fniHexValue(baEncoded.at(i + 2));
            if (iHigh < 0 || iLow < 0)
                return std::nullopt;
            ba.append(static_cast<char>(iHigh * 16 + iLow));
            i += 2;
        }
    }
    return ba;
}

std::optional<TarFormFields> fnarDecodeForm(const QByteArray &baBody) {
    TarFormFields arFields;
    if (baBody.isEmpty())
        return arFields;
    for (const QByteArray &baPair : baBody.split('&')) {
        const qsizetype iEquals = baPair.indexOf('=');
        const auto baName = fnbaFormDecode(iEquals < 0 ? baPair : baPair.left(iEquals));
        const auto baValue = fnbaFormDecode(iEquals < 0 ? QByteArray() : baPair.mid(iEquals + 1));
        if (!baName || !baValue)
            return std::nullopt;
        arFields.emplace_back(*baName, *baValue);
    }
    return arFields;
}

std::optional<QByteArray> fnbaFormField(const TarFormFields &arFields, const QByteArray &baName) {
    for (const auto &[baFieldName, baValue] : arFields)
        if (baFieldName == baName)
            return baValue;
    return std::nullopt;
}

QByteArray fnbaEncodeForm(const TarFormFields &arFields) {
    QByteArray ba;
    for (const auto &[baName, baValue] : arFields) {
        if (!ba.isEmpty())
            ba.append('&');
        ba.append(baName).append('=').append(fnbaFormEncode(baValue));
    }
    return ba;
}
