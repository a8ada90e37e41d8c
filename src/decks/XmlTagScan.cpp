// SPDX-License-Identifier: GPL-3.0-or-later
#include "decks/XmlTagScan.h"

#include <QCoreApplication>

namespace decks {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Decks)
};

template <typename Char> class Scan {
  public:
    Scan(const Char* s, qsizetype n) : s_(s), n_(n) {}

    OversizedTag run() {
        while (at_ < n_) {
            if (s_[at_] != '<') {
                step();
                continue;
            }
            if (startsWith("<!--"))
                skipPast("-->");
            else if (startsWith("<![CDATA["))
                skipPast("]]>");
            else if (startsWith("<?"))
                skipPast("?>");
            else if (startsWith("<!"))
                skipDeclaration();
            else if (startsWith("</"))
                step();
            else if (OversizedTag found = startTag(); found.line > 0)
                return found;
        }
        return {};
    }

  private:
    const Char* s_;
    qsizetype n_;
    qsizetype at_ = 0;
    qint64 line_ = 1;

    void step() {
        if (s_[at_++] == '\n')
            ++line_;
    }
    bool startsWith(const char* word) const {
        qsizetype i = 0;
        for (; word[i]; ++i) {
            if (at_ + i >= n_ || s_[at_ + i] != Char(word[i]))
                return false;
        }
        return true;
    }
    void skipPast(const char* end) {
        while (at_ < n_ && !startsWith(end))
            step();
        for (const char* c = end; *c && at_ < n_; ++c)
            step();
    }
    // <!DOCTYPE ...>, with an internal subset in brackets that holds declarations of its own.
    void skipDeclaration() {
        Char quote = 0;
        int brackets = 0;
        step();
        while (at_ < n_) {
            const Char c = s_[at_];
            step();
            if (quote) {
                quote = c == quote ? Char(0) : quote;
            } else if (c == '"' || c == '\'') {
                quote = c;
            } else if (c == '[') {
                ++brackets;
            } else if (c == ']') {
                brackets -= brackets > 0 ? 1 : 0;
            } else if (c == '>' && brackets == 0) {
                return;
            }
        }
    }
    // Each attribute has one "=" outside the quoted values.
    OversizedTag startTag() {
        const qsizetype start = at_;
        const qint64 line = line_;
        Char quote = 0;
        int attributes = 0;
        step();
        while (at_ < n_) {
            const Char c = s_[at_];
            step();
            if (at_ - start > kMaxTagLength)
                return {line, Text::tr("a tag is longer than %1 KB").arg(kMaxTagLength / 1024)};
            if (quote) {
                quote = c == quote ? Char(0) : quote;
            } else if (c == '"' || c == '\'') {
                quote = c;
            } else if (c == '=' && ++attributes > kMaxAttributes) {
                return {line,
                        Text::tr("an element has more than %1 attributes").arg(kMaxAttributes)};
            } else if (c == '>') {
                break;
            }
        }
        return {};
    }
};

} // namespace

OversizedTag findOversizedTag(const QString& text) {
    return Scan<char16_t>(reinterpret_cast<const char16_t*>(text.utf16()), text.size()).run();
}

OversizedTag findOversizedTag(const QByteArray& bytes) {
    return Scan<char>(bytes.constData(), bytes.size()).run();
}

} // namespace decks
