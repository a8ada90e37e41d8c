// SPDX-License-Identifier: GPL-3.0-or-later
#include "decks/HtmlEntities.h"

#include <algorithm>
#include <string_view>

namespace decks {
namespace {

// No name of the table is longer (the semicolon counted), nor a legacy one.
constexpr qsizetype kLongestName = 32;
constexpr qsizetype kLongestLegacyName = 6;

bool isAsciiAlnum(char16_t c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

int digitValue(char16_t c, int base) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (base == 16 && c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (base == 16 && c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

const NamedEntity* find(std::string_view name) {
    const std::span<const NamedEntity> all = namedEntities();
    const auto it = std::lower_bound(
        all.begin(), all.end(), name,
        [](const NamedEntity& e, std::string_view n) { return std::string_view(e.name) < n; });
    return it != all.end() && std::string_view(it->name) == name ? &*it : nullptr;
}

void append(QString& out, char32_t c) {
    out += QString::fromUcs4(&c, 1);
}

// A numeric reference at `at` (just past "&#"): its end, or -1 when there is none. Up to 8
// decimal or 7 hexadecimal digits and the semicolon, as in the fields seen in practice.
qsizetype numeric(QStringView text, qsizetype at, QString& out) {
    const bool hex = at < text.size() && (text[at] == u'x' || text[at] == u'X');
    const int base = hex ? 16 : 10;
    const qsizetype first = hex ? at + 1 : at;
    const qsizetype most = hex ? 7 : 8;
    char32_t code = 0;
    qsizetype end = first;
    for (int d; end < text.size() && end - first < most &&
                (d = digitValue(text[end].unicode(), base)) >= 0;
         ++end)
        code = code * char32_t(base) + char32_t(d);
    if (end == first || end >= text.size() || text[end] != u';')
        return -1;
    const bool valid = code > 0 && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
    append(out, valid ? code : U'\uFFFD');
    return end + 1;
}

// A named reference at `at` (just past "&"): its end, or -1 when there is none. The name
// with its semicolon first, else the longest legacy name the letters begin with.
qsizetype named(QStringView text, qsizetype at, QString& out) {
    char name[kLongestName + 1];
    qsizetype n = 0;
    while (at + n < text.size() && n < kLongestName && isAsciiAlnum(text[at + n].unicode())) {
        name[n] = char(text[at + n].unicode());
        ++n;
    }
    const NamedEntity* found = nullptr;
    qsizetype used = 0;
    if (n > 0 && n < kLongestName && at + n < text.size() && text[at + n] == u';') {
        name[n] = ';';
        found = find(std::string_view(name, size_t(n + 1)));
        used = n + 1;
    }
    for (qsizetype k = std::min(n, kLongestLegacyName); !found && k > 0; --k) {
        found = find(std::string_view(name, size_t(k)));
        used = k;
    }
    if (!found)
        return -1;
    append(out, found->first);
    if (found->second)
        append(out, found->second);
    return at + used;
}

} // namespace

QString decodeHtmlEntities(QStringView text) {
    QString out;
    out.reserve(text.size());
    qsizetype kept = 0; // text before this is in `out`
    for (qsizetype amp = text.indexOf(u'&'); amp >= 0; amp = text.indexOf(u'&', amp + 1)) {
        QString decoded;
        const qsizetype end = amp + 1 < text.size() && text[amp + 1] == u'#'
                                  ? numeric(text, amp + 2, decoded)
                                  : named(text, amp + 1, decoded);
        if (end < 0)
            continue;
        out += text.mid(kept, amp - kept);
        out += decoded;
        kept = end;
        amp = end - 1;
    }
    out += text.mid(kept);
    return out;
}

} // namespace decks
