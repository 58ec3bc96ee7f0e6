#include "settings/model/TextComparison.h"

#include <QCollator>
#include <QString>
#include <algorithm>
#include <unicode/normalizer2.h>
#include <unicode/unistr.h>

namespace quillmere {

namespace {

icu::UnicodeString unicode(std::string_view text) {
    return icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), static_cast<std::int32_t>(text.size())));
}

icu::UnicodeString normalized(std::string_view text) {
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* nfc = icu::Normalizer2::getNFCInstance(status);
    icu::UnicodeString source = unicode(text);
    if (U_FAILURE(status))
        return source;
    icu::UnicodeString result = nfc->normalize(source, status);
    return U_FAILURE(status) ? source : result;
}

} // namespace

bool plainLess(std::string_view a, std::string_view b) {
    // compareCodePointOrder, not compare: UTF-16 units would put supplementary characters too early.
    return normalized(a).compareCodePointOrder(normalized(b)) < 0;
}

void sortPlain(std::vector<std::string>& texts) {
    std::stable_sort(texts.begin(), texts.end(), [](const std::string& a, const std::string& b) {
        return plainLess(a, b);
    });
}

bool containsFolded(std::string_view text, std::string_view query) {
    if (query.empty())
        return true;
    icu::UnicodeString foldedText = normalized(text).foldCase();
    icu::UnicodeString foldedQuery = normalized(query).foldCase();
    return foldedText.indexOf(foldedQuery) >= 0;
}

std::vector<std::size_t> localizedOrder(const std::vector<std::string>& texts) {
    // The C locale compares code units; users there still expect letters in dictionary order.
    QLocale locale;
    if (locale.language() == QLocale::C)
        locale = QLocale(QLocale::English);
    QCollator collator(locale);
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::vector<std::pair<QCollatorSortKey, std::size_t>> keys;
    keys.reserve(texts.size());
    for (std::size_t index = 0; index < texts.size(); ++index)
        keys.emplace_back(collator.sortKey(QString::fromStdString(texts[index])), index);
    std::stable_sort(keys.begin(), keys.end(),
                     [](const auto& a, const auto& b) { return a.first.compare(b.first) < 0; });
    std::vector<std::size_t> order;
    order.reserve(texts.size());
    for (const auto& key : keys)
        order.push_back(key.second);
    return order;
}

void sortLocalized(std::vector<std::string>& texts) {
    std::vector<std::string> sorted;
    sorted.reserve(texts.size());
    for (const std::size_t index : localizedOrder(texts))
        sorted.push_back(std::move(texts[index]));
    texts = std::move(sorted);
}

} // namespace quillmere
