// PCRE2 matching.
#define PCRE2_CODE_UNIT_WIDTH 8
#include "unitPCREMatch.h"

#include <pcre2.h>

#include <memory>
#include <stdexcept>

namespace {
struct TrecCodeFree {
    void operator()(pcre2_code *p) const { pcre2_code_free(p); }
};
struct TrecMatchDataFree {
    void operator()(pcre2_match_data *p) const { pcre2_match_data_free(p); }
};
} // namespace

bool fnbPCREMatch(const QString &stPattern, const QString &stText) {
    const QByteArray baPattern = stPattern.toUtf8();
    const QByteArray baText = stText.toUtf8();
    int iError = 0;
    PCRE2_SIZE iOffset = 0;
    const std::unique_ptr<pcre2_code, TrecCodeFree> code(
        pcre2_compile(reinterpret_cast<PCRE2_SPTR>(baPattern.constData()),
                      PCRE2_SIZE(baPattern.size()), PCRE2_UTF, &iError, &iOffset, nullptr));
    if (!code) {
        PCRE2_UCHAR achMessage[256] = {};
        pcre2_get_error_message(iError, achMessage, sizeof(achMessage));
        throw std::runtime_error(std::string(reinterpret_cast<const char *>(achMessage)) +
                                 " at offset " + std::to_string(iOffset));
    }
    const std::unique_ptr<pcre2_match_data, TrecMatchDataFree> match(
        pcre2_match_data_create_from_pattern(code.get(), nullptr));
    return pcre2_match(code.get(), reinterpret_cast<PCRE2_SPTR>(baText.constData()),
                       PCRE2_SIZE(baText.size()), 0, 0, match.get(), nullptr) >= 0;
}
