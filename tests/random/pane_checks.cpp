// SPDX-License-Identifier: GPL-3.0-or-later
#include "pane_checks.h"

#include <QRegularExpression>
#include <QXmlStreamReader>

namespace random_actions {

bool showsNotANumber(const QString& text) {
    static const QRegularExpression word(
        QStringLiteral("(?<![a-z])[-+]?(nan|inf(inity)?)(?![a-z])"),
        QRegularExpression::CaseInsensitiveOption);
    return text.contains(word);
}

bool showsNegativeZero(const QString& text) {
    // a minus before zeros alone, whatever the decimal mark (Arabic's too) and exponent
    static const QRegularExpression zero(
        QStringLiteral("(?<![\\w.,\\x{066B}])-(?=[.,\\x{066B}]?0)0*([.,\\x{066B}]0*)?(e[-+]?\\d+)?"
                       "(?![\\w.,\\x{066B}])"),
        QRegularExpression::CaseInsensitiveOption);
    return text.contains(zero);
}

namespace {

std::optional<QString> svgFault(const QByteArray& bytes) {
    QXmlStreamReader xml(bytes);
    bool root = false;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && !root) {
            if (xml.name() != u"svg") return "its root is <" + xml.name().toString() + ">";
            root = true;
        }
    }
    if (xml.hasError()) return "it is no XML: " + xml.errorString();
    if (!root) return QStringLiteral("it has no <svg> root");
    return std::nullopt;
}

} // namespace

std::optional<QString> savedFileFault(const QString& name, const QByteArray& bytes) {
    if (bytes.isEmpty()) return QStringLiteral("it is empty");
    if (name.endsWith(u".svg")) return svgFault(bytes);
    if (name.endsWith(u".png"))
        return bytes.startsWith("\x89PNG\r\n\x1a\n") ? std::nullopt
                                                     : std::optional(QStringLiteral("no PNG"));
    if (name.endsWith(u".pdf"))
        return bytes.startsWith("%PDF-") ? std::nullopt : std::optional(QStringLiteral("no PDF"));
    return "a file of no known kind: " + name;
}

} // namespace random_actions
