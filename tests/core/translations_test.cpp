// SPDX-License-Identifier: GPL-3.0-or-later
// Every translation file complete and sound: each text translated, with every place holder of
// its English source, and none that is by mistake the English of another text.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Message {
    QString file, context, source;
    bool unfinished = false;
    QStringList forms; // the translation, or its plural forms
};

std::vector<Message> messagesOf(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(path);
    QXmlStreamReader xml(&file);
    std::vector<Message> messages;
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == u"name") context = xml.readElementText();
        else if (xml.name() == u"message")
            messages.push_back({QFileInfo(path).fileName(), context, {}, false, {}});
        else if (xml.name() == u"source") messages.back().source = xml.readElementText();
        else if (xml.name() == u"translation") {
            Message& m = messages.back();
            m.unfinished = !xml.attributes().value(QLatin1String("type")).isEmpty();
            QString text; // a translation's text, or its plural forms
            while (!xml.atEnd() && !(xml.readNext() == QXmlStreamReader::EndElement &&
                                     xml.name() == u"translation")) {
                if (xml.isStartElement() && xml.name() == u"numerusform")
                    m.forms << xml.readElementText();
                else if (xml.isCharacters() && !xml.isWhitespace()) text += xml.text();
            }
            if (m.forms.isEmpty()) m.forms << text;
        }
    }
    EXPECT_FALSE(xml.hasError()) << qPrintable(path) << ": " << qPrintable(xml.errorString());
    return messages;
}

QSet<QString> placeHolders(const QString& text) {
    static const QRegularExpression mark(QStringLiteral("%(\\d+|n)"));
    QSet<QString> found;
    for (const auto& m : mark.globalMatch(text)) found << m.captured();
    return found;
}

const QDir folder(QStringLiteral(SUMBROOK_TRANSLATIONS));
const QStringList languages = {"de", "fr", "es", "pt_BR", "uk", "ar"};

QStringList filesOf(const QString& language) {
    return folder.entryList({QStringLiteral("*_%1.ts").arg(language)}, QDir::Files, QDir::Name);
}

TEST(Translations, EveryGroupHasEveryLanguage) {
    const auto groupsOf = [](const QString& language) {
        QStringList groups = filesOf(language);
        for (QString& g : groups) g.chop(language.size() + 4); // "_de.ts"
        return groups;
    };
    ASSERT_FALSE(groupsOf(languages.front()).isEmpty());
    for (const QString& language : languages)
        EXPECT_EQ(groupsOf(language), groupsOf(languages.front())) << qPrintable(language);
}

TEST(Translations, EveryTextTranslatedWithItsPlaceHolders) {
    for (const QString& language : languages) {
        std::vector<Message> all;
        for (const QString& f : filesOf(language)) {
            auto some = messagesOf(folder.filePath(f));
            all.insert(all.end(), some.begin(), some.end());
        }
        QHash<QString, QSet<QString>> translationsOf; // by source
        for (const Message& m : all)
            for (const QString& form : m.forms) translationsOf[m.source] << form;
        for (const Message& m : all) {
            const std::string where =
                QStringLiteral("%1 %2: \"%3\"").arg(m.file, m.context, m.source).toStdString();
            EXPECT_FALSE(m.unfinished) << where;
            const QSet<QString> wanted = placeHolders(m.source);
            for (const QString& form : m.forms) {
                EXPECT_FALSE(form.trimmed().isEmpty()) << where;
                // a plural form may leave the count to its words ("one value"), nothing else
                QSet<QString> kept = placeHolders(form), missing = wanted - kept;
                if (m.forms.size() > 1 && form != m.forms.back())
                    missing.remove(QStringLiteral("%n"));
                EXPECT_TRUE(missing.isEmpty() && (kept - wanted).isEmpty())
                    << where << " -> \"" << form.toStdString() << '"';
                // the English of another text, left there by mistake: a text whose own
                // translation is something else
                EXPECT_TRUE(form == m.source || !translationsOf.contains(form) ||
                            translationsOf[form].contains(form))
                    << where << " -> \"" << form.toStdString() << '"';
            }
        }
    }
}

} // namespace
