// The form encoding the carrier's host speaks: request bodies arrive as
// name=value pairs joined with "&", and replies go back the same way, every
// byte that is not an ASCII letter or digit written as %XX in upper-case hex,
// which is how the client encodes its own requests.
#pragma once

#include <QByteArray>

#include <optional>
#include <utility>
#include <vector>

using TarFormFields = std::vector<std::pair<QByteArray, QByteArray>>;

// The host's percent-encoding of raw bytes.
QByteArray fnbaFormEncode(const QByteArray &baValue);

// One percent-decoded name or value; "+" stands for a space as in every HTML
// form. A "%" not followed by two hexadecimal digits makes the text invalid.
std::optional<QByteArray> fnbaFormDecode(const QByteArray &baEncoded);

// All fields of a form body in their order; an empty body has none. Invalid
// escapes give no result.
std::optional<TarFormFields> fnarDecodeForm(const QByteArray &baBody);

// The value of the first field with this name.
std::optional<QByteArray> fnbaFormField(const TarFormFields &arFields, const QByteArray &baName);

// name=value pairs joined with "&", values encoded.
QByteArray fnbaEncodeForm(const TarFormFields &arFields);
