// SPDX-License-Identifier: GPL-3.0-or-later
// The translation files against the code: each translates exactly the source texts that lupdate
// finds in the sources now, every translation is finished, and each keeps its source's
// placeholders, line breaks and keyboard mnemonic.
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace zantaro::testing {
namespace {

struct Message
{
    QString translation;
    bool finished = false;
};
// By context and source text.
using Messages = std::map<std::pair<QString, QString>, Message>;

// The text of a <source> or <translation>, with the characters lupdate writes as <byte value="xd"/>.
QString elementText(QXmlStreamReader& xml)
{
    QString text;
    while (xml.readNext() != QXmlStreamReader::EndElement || xml.name() == u"byte") {
        if (xml.isCharacters())
            text += xml.text();
        else if (xml.isStartElement() && xml.name() == u"byte")
            text += QChar(xml.attributes().value(QLatin1String("value")).mid(1).toUInt(nullptr, 16));
        if (xml.atEnd())
            break;
    }
    return text;
}

Messages readTranslations(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    Messages messages;
    QString context;
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.name() == u"source")
            source = elementText(xml);
        else if (xml.name() == u"translation") {
            const bool finished = xml.attributes().value(QLatin1String("type")).isEmpty();
            messages[{context, source}] = {elementText(xml), finished};
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

// Every source text in the code, as the build's update_translations target collects them.
const Messages& sourceTexts()
{
    static const Messages texts = [] {
        const QTemporaryDir directory;
        const QString fresh = directory.filePath(QStringLiteral("fresh.ts"));
        const QString sources = QStringLiteral(ZANTARO_SOURCE_DIR "/src");
        QStringList arguments{sources, QStringLiteral("-extensions"), QStringLiteral("cpp,h"),
                              QStringLiteral("-I"), sources};
        arguments << QString::fromUtf8(ZANTARO_LUPDATE_OPTIONS).split(QLatin1Char(' '));
        arguments << QStringLiteral("-ts") << fresh;
        QProcess lupdate;
        lupdate.start(QStringLiteral(ZANTARO_LUPDATE), arguments);
        EXPECT_TRUE(lupdate.waitForFinished(60000)) << "lupdate did not finish";
        EXPECT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
        return readTranslations(fresh);
    }();
    return texts;
}

QString describe(const std::pair<QString, QString>& key)
{
    return key.first + QStringLiteral(": \"") + key.second + QLatin1Char('"');
}

// What a translation must keep of its source: the placeholders, sorted, the line breaks and the
// number of keyboard mnemonics ("&&" is a plain ampersand).
std::tuple<QStringList, qsizetype, qsizetype> keptMarks(const QString& text)
{
    static const QRegularExpression placeholder(QStringLiteral("%\\d+"));
    QStringList placeholders;
    for (const QRegularExpressionMatch& match : placeholder.globalMatch(text))
        placeholders << match.captured();
    placeholders.sort();
    QString unescaped = text;
    unescaped.remove(QStringLiteral("&&"));
    return {placeholders, text.count(QStringLiteral("\r\n")), unescaped.count(QLatin1Char('&'))};
}

class TranslationFile : public ::testing::TestWithParam<const char*>
{
protected:
    Messages translations = readTranslations(
        QStringLiteral(ZANTARO_SOURCE_DIR "/src/translations/zantaro_%1.ts").arg(GetParam()));
};

TEST_P(TranslationFile, translatesExactlyTheSourceTextsOfTheCode)
{
    ASSERT_FALSE(sourceTexts().empty());
    for (const auto& [key, message] : sourceTexts())
        EXPECT_TRUE(translations.contains(key)) << "missing " << describe(key).toStdString();
    for (const auto& [key, message] : translations)
        EXPECT_TRUE(sourceTexts().contains(key)) << "no longer in the code: " << describe(key).toStdString();
}

TEST_P(TranslationFile, leavesNoTranslationUnfinishedOrEmpty)
{
    for (const auto& [key, message] : translations)
        EXPECT_TRUE(message.finished && !message.translation.isEmpty()) << describe(key).toStdString();
}

TEST_P(TranslationFile, keepsEachPlaceholderLineBreakAndMnemonicOfItsSource)
{
    for (const auto& [key, message] : translations)
        EXPECT_EQ(keptMarks(message.translation), keptMarks(key.second))
            << describe(key).toStdString() << " -> \"" << message.translation.toStdString() << '"';
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslationFile, ::testing::Values("de", "fr", "es"),
                         [](const auto& info) { return std::string(info.param); });

} // namespace
} // namespace zantaro::testing
