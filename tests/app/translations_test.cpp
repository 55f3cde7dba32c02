// The translations compiled into the program: exactly the shipped languages are embedded, each
// loads, and its source file is complete (every message translated, placeholders and leading
// blanks kept) and is what the program shows.
#include "applook.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

#ifndef TRANSLATIONS_DIR
#error "TRANSLATIONS_DIR must name the folder holding the .ts files"
#endif

namespace {

// The languages the program ships besides English, its source language.
const QStringList kLanguages = {"de", "fr", "es", "it", "ja", "zh_CN"};

QString embeddedPath(const QString& language) {
    return QStringLiteral(":/i18n/vantorelle_%1.qm").arg(language);
}

struct Message {
    QString context, source, translation;
    bool unfinished = false;
    qint64 line = 0;
};

// Messages of a Qt Linguist file; obsolete and vanished ones are left out, as lrelease does.
QList<Message> readTs(QXmlStreamReader& xml) {
    QList<Message> messages;
    if (!xml.readNextStartElement() || xml.name() != u"TS") {
        return messages;
    }
    while (xml.readNextStartElement()) {
        QString context;
        const bool isContext = xml.name() == u"context";
        while (isContext && xml.readNextStartElement()) {
            if (xml.name() == u"name") {
                context = xml.readElementText();
            } else if (xml.name() != u"message") {
                xml.skipCurrentElement();
            } else {
                Message message{context, {}, {}, false, xml.lineNumber()};
                bool dropped = false;
                while (xml.readNextStartElement()) {
                    if (xml.name() == u"source") {
                        message.source = xml.readElementText();
                    } else if (xml.name() == u"translation") {
                        const QStringView type = xml.attributes().value(QLatin1String("type"));
                        message.unfinished = type == u"unfinished";
                        dropped = type == u"obsolete" || type == u"vanished";
                        message.translation =
                            xml.readElementText(QXmlStreamReader::IncludeChildElements);
                    } else {
                        xml.skipCurrentElement();
                    }
                }
                if (!dropped) {
                    messages.append(message);
                }
            }
        }
        if (!isContext) {
            xml.skipCurrentElement();
        }
    }
    return messages;
}

// The %1 … %99 (and %L1) markers of a text, as QString::arg() sees them.
QSet<QString> placeholders(const QString& text) {
    static const QRegularExpression marker(QStringLiteral("%L?([1-9][0-9]?)"));
    QSet<QString> found;
    for (const QRegularExpressionMatch& match : marker.globalMatch(text)) {
        found.insert(match.captured(1));
    }
    return found;
}

qsizetype leadingBlanks(const QString& text) {
    qsizetype count = 0;
    while (count < text.size() && text.at(count) == QLatin1Char(' ')) {
        ++count;
    }
    return count;
}

} // namespace

class TranslationsTest : public QObject {
    Q_OBJECT

  private slots:
    void exactlyTheShippedLanguagesAreEmbedded();
    void everyMessageIsTranslatedAndShown_data();
    void everyMessageIsTranslatedAndShown();
    void programPicksGermanForGermanLocale();
};

void TranslationsTest::exactlyTheShippedLanguagesAreEmbedded() {
    QStringList embedded;
    QDirIterator files(QStringLiteral(":/i18n"), QDirIterator::Subdirectories);
    while (files.hasNext()) {
        embedded << files.next();
    }
    embedded.sort();
    QStringList expected;
    for (const QString& language : kLanguages) {
        expected << embeddedPath(language);
    }
    expected.sort();
    QCOMPARE(embedded, expected);
}

void TranslationsTest::everyMessageIsTranslatedAndShown_data() {
    QTest::addColumn<QString>("language");
    for (const QString& language : kLanguages) {
        QTest::newRow(qPrintable(language)) << language;
    }
}

// Every message is translated, keeps the placeholders and the leading blanks (the interval
// list's " 5 sec" is set off from the list's frame by one), and the embedded translation shows
// the source file's text.
void TranslationsTest::everyMessageIsTranslatedAndShown() {
    QFETCH(QString, language);
    QTranslator translator;
    QVERIFY(translator.load(embeddedPath(language)));
    QCOMPARE(translator.language(), language);
    QFile file(QDir(QStringLiteral(TRANSLATIONS_DIR))
                   .filePath(QStringLiteral("vantorelle_%1.ts").arg(language)));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    QXmlStreamReader xml(&file);
    const QList<Message> messages = readTs(xml);
    QVERIFY2(!xml.hasError() && !messages.isEmpty(), qPrintable(xml.errorString()));
    QStringList problems;
    int blankSources = 0;
    for (const Message& m : messages) {
        const QString where =
            QStringLiteral("line %1, %2 \"%3\": ").arg(m.line).arg(m.context, m.source);
        blankSources += leadingBlanks(m.source) > 0 ? 1 : 0;
        const QString shown =
            translator.translate(m.context.toUtf8().constData(), m.source.toUtf8().constData());
        if (m.unfinished || m.translation.trimmed().isEmpty()) {
            problems << where + QStringLiteral("not translated");
        } else if (placeholders(m.source) != placeholders(m.translation)) {
            problems << where + QStringLiteral("placeholders differ in \"%1\"").arg(m.translation);
        } else if (leadingBlanks(m.source) != leadingBlanks(m.translation)) {
            problems << where +
                            QStringLiteral("leading blanks differ in \"%1\"").arg(m.translation);
        } else if (shown != m.translation) {
            problems
                << where + QStringLiteral("embedded \"%1\", file \"%2\"").arg(shown, m.translation);
        }
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    QVERIFY2(blankSources > 0, "no source text begins with a blank: the interval texts are gone");
}

// The program's own start-up step finds the German file for a German-speaking system. It
// installs its translation for good, so this runs last.
void TranslationsTest::programPicksGermanForGermanLocale() {
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    installTranslations();
    QLocale::setDefault(previous);
    QCOMPARE(QCoreApplication::translate("VantorelleWindow", "Burst"),
             QStringLiteral("Serienbild"));
    QCOMPARE(QCoreApplication::translate("Tavik_CamAppDelegate", " 5 sec"), QStringLiteral(" 5 s"));
}

QTEST_MAIN(TranslationsTest)
#include "translations_test.moc"
