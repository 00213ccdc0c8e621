// SPDX-License-Identifier: GPL-3.0-or-later
#include "script.h"

namespace sb::drive {

namespace {

// Reads a quoted TEXT starting at the opening quote; advances i past the closing one.
std::optional<QString> readQuoted(const QString& line, qsizetype& i, QString& error) {
    QString text;
    for (++i; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c == u'"') {
            ++i;
            return text;
        }
        if (c != u'\\') {
            text += c;
            continue;
        }
        if (++i == line.size()) break;
        switch (line[i].unicode()) {
        case u'"': text += u'"'; break;
        case u'\\': text += u'\\'; break;
        case u'n': text += u'\n'; break;
        case u't': text += u'\t'; break;
        case u'u': {
            const QString hex = line.mid(i + 1, 4);
            bool ok = hex.size() == 4;
            for (const QChar h : hex)
                ok = ok && QStringLiteral("0123456789abcdefABCDEF").contains(h);
            if (!ok) {
                error = QStringLiteral("\\u takes four hexadecimal digits");
                return std::nullopt;
            }
            text += QChar(char16_t(hex.toUInt(nullptr, 16)));
            i += 4;
            break;
        }
        default: error = QStringLiteral("unknown escape \\") + line[i]; return std::nullopt;
        }
    }
    error = QStringLiteral("the text has no closing quote");
    return std::nullopt;
}

} // namespace

ParsedLine parseLine(const QString& line) {
    const QString trimmed = line.trimmed();
    if (trimmed.isEmpty() || trimmed.startsWith(u'#')) return {};

    Command command;
    QString error;
    qsizetype i = 0;
    while (i < trimmed.size()) {
        if (trimmed[i].isSpace()) {
            ++i;
        } else if (trimmed[i] == u'"') {
            if (command.text) return {std::nullopt, QStringLiteral("more than one text")};
            command.text = readQuoted(trimmed, i, error);
            if (!command.text) return {std::nullopt, error};
            if (i < trimmed.size() && !trimmed[i].isSpace())
                return {std::nullopt, QStringLiteral("a text must stand alone")};
        } else {
            const qsizetype start = i;
            while (i < trimmed.size() && !trimmed[i].isSpace() && trimmed[i] != u'"') ++i;
            const QString word = trimmed.mid(start, i - start);
            if (command.verb.isEmpty()) command.verb = word;
            else command.words << word;
        }
    }
    if (command.verb.isEmpty())
        return {std::nullopt, QStringLiteral("a line must start with a command")};
    return {command, QString()};
}

QString quoted(const QString& text) {
    QString out = QStringLiteral("\"");
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool pair =
            c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        switch (c.unicode()) {
        case u'"': out += QStringLiteral("\\\""); break;
        case u'\\': out += QStringLiteral("\\\\"); break;
        case u'\n': out += QStringLiteral("\\n"); break;
        case u'\t': out += QStringLiteral("\\t"); break;
        default:
            if (c.category() == QChar::Other_Control || (c.isSurrogate() && !pair))
                out += QStringLiteral("\\u") +
                       QString::number(c.unicode(), 16).rightJustified(4, u'0').toUpper();
            else if (pair) out += text.mid(i++, 2);
            else out += c;
        }
    }
    return out + u'"';
}

} // namespace sb::drive
