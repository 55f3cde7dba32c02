// The translations compiled into the program: every language is embedded as a resource, loads
// through QTranslator, and its source file is complete (every message translated, placeholders
// and leading blanks kept) and matches what the program shows.
#include "applook.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

#ifndef TRANSLATIONS_DIR
#error "TRANSLATIONS_DIR must name the folder holding the .ts files"
#endif

namespace {

// The languages the program ships besides English, its source language.
const QStringList kLanguages = {QStringLiteral("de"), QStringLiteral("fr"),
                                QStringLiteral("es"), QStringLiteral("it"),
                                QStringLiteral("ja"), QStringLiteral("zh_CN")};

QString embeddedPath(const QString& language) {
    return QStringLiteral(":/i18n/vantorelle_%1.qm").arg(language);
}

QString sourcePath(const QString& language) {
    return QDir(QStringLiteral(TRANSLATIONS_DIR))
        .filePath(QStringLiteral("vantorelle_%1.ts").arg(language));
}

struct Message {
    QString context;
    QString source;
    QString translation;
    bool unfinished = false;
    qint64 line = 0;
};

struct TsFile {
    QList<Message> messages;
    QString error;
};

// Messages of a Qt Linguist file; obsolete and vanished ones are left out, as lrelease does.
// A file that cannot be read, is not well-formed or holds no messages sets `error`.
TsFile readTs(const QString& path) {
    TsFile result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = QStringLiteral("cannot open %1: %2").arg(path, file.errorString());
        return result;
    }
    QXmlStreamReader xml(&file);
    if (!xml.readNextStartElement() || xml.name() != u"TS") {
        result.error = QStringLiteral("%1 is not a Qt Linguist file").arg(path);
        return result;
    }
    while (xml.readNextStartElement()) {
        if (xml.name() != u"context") {
            xml.skipCurrentElement();
            continue;
        }
        QString context;
        while (xml.readNextStartElement()) {
            if (xml.name() == u"name") {
                context = xml.readElementText();
            } else if (xml.name() == u"message") {
                Message message;
                message.context = context;
                message.line = xml.lineNumber();
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
                    result.messages.append(message);
                }
            } else {
                xml.skipCurrentElement();
            }
        }
    }
    if (xml.hasError()) {
        result.error =
            QStringLiteral("%1:%2: %3").arg(path).arg(xml.lineNumber()).arg(xml.errorString());
    } else if (result.messages.isEmpty()) {
        result.error = QStringLiteral("%1 holds no messages").arg(path);
    }
    return result;
}

// Where a message is in its file, for failure messages.
QString describe(const Message& message) {
    return QStringLiteral("line %1, %2 \"%3\"")
        .arg(message.line)
        .arg(message.context, message.source);
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

QString leadingBlanks(const QString& text) {
    qsizetype count = 0;
    while (count < text.size() && text.at(count) == QLatin1Char(' ')) {
        ++count;
    }
    return text.left(count);
}

QString sorted(const QSet<QString>& set) {
    QStringList list(set.begin(), set.end());
    list.sort();
    return list.join(QLatin1Char(','));
}

void addLanguageRows() {
    QTest::addColumn<QString>("language");
    for (const QString& language : kLanguages) {
        QTest::newRow(qPrintable(language)) << language;
    }
}

// The problems found in one language's file, one a line, for a failure message.
QString report(const QStringList& problems, const QString& language) {
    return QStringLiteral("%1 in vantorelle_%2.ts:\n  %3")
        .arg(problems.size())
        .arg(language, problems.join(QStringLiteral("\n  ")));
}

} // namespace

class TranslationsTest : public QObject {
    Q_OBJECT

  private slots:
    void everyEmbeddedTranslationIsAShippedLanguage();
    void embeddedTranslationLoads_data() { addLanguageRows(); }
    void embeddedTranslationLoads();
    void everyMessageIsTranslated_data() { addLanguageRows(); }
    void everyMessageIsTranslated();
    void placeholdersAreKept_data() { addLanguageRows(); }
    void placeholdersAreKept();
    void leadingBlanksAreKept_data() { addLanguageRows(); }
    void leadingBlanksAreKept();
    void embeddedTranslationMatchesSourceFile_data() { addLanguageRows(); }
    void embeddedTranslationMatchesSourceFile();
    void germanWindowTextComesFromEmbeddedTranslation();
    void programPicksGermanForGermanLocale();
};

// The resources hold exactly the shipped languages, under the names the program loads.
void TranslationsTest::everyEmbeddedTranslationIsAShippedLanguage() {
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

void TranslationsTest::embeddedTranslationLoads() {
    QFETCH(QString, language);
    QVERIFY2(QFile::exists(embeddedPath(language)), qPrintable(embeddedPath(language)));
    QTranslator translator;
    QVERIFY(translator.load(embeddedPath(language)));
    QVERIFY(!translator.isEmpty());
    QCOMPARE(translator.language(), language);
}

void TranslationsTest::everyMessageIsTranslated() {
    QFETCH(QString, language);
    const TsFile ts = readTs(sourcePath(language));
    QVERIFY2(ts.error.isEmpty(), qPrintable(ts.error));
    QStringList problems;
    for (const Message& message : ts.messages) {
        if (message.unfinished) {
            problems << describe(message) + QStringLiteral(": marked unfinished");
        } else if (message.translation.trimmed().isEmpty()) {
            problems << describe(message) + QStringLiteral(": no translation");
        }
    }
    QVERIFY2(problems.isEmpty(), qPrintable(report(problems, language)));
}

void TranslationsTest::placeholdersAreKept() {
    QFETCH(QString, language);
    const TsFile ts = readTs(sourcePath(language));
    QVERIFY2(ts.error.isEmpty(), qPrintable(ts.error));
    QStringList problems;
    for (const Message& message : ts.messages) {
        const QSet<QString> wanted = placeholders(message.source);
        const QSet<QString> got = placeholders(message.translation);
        if (wanted != got) {
            problems << describe(message) +
                            QStringLiteral(": placeholders {%1} in the source, {%2} in \"%3\"")
                                .arg(sorted(wanted), sorted(got), message.translation);
        }
    }
    QVERIFY2(problems.isEmpty(), qPrintable(report(problems, language)));
}

// The interval list (" 5 sec" …) begins each text with a blank that sets it off from the
// list's frame; a translation keeps it, and adds none elsewhere.
void TranslationsTest::leadingBlanksAreKept() {
    QFETCH(QString, language);
    const TsFile ts = readTs(sourcePath(language));
    QVERIFY2(ts.error.isEmpty(), qPrintable(ts.error));
    QStringList problems;
    int blankSources = 0;
    for (const Message& message : ts.messages) {
        const QString wanted = leadingBlanks(message.source);
        blankSources += wanted.isEmpty() ? 0 : 1;
        if (leadingBlanks(message.translation) != wanted) {
            problems << describe(message) +
                            QStringLiteral(": %1 leading blank(s) in the source, \"%2\"")
                                .arg(wanted.size())
                                .arg(message.translation);
        }
    }
    QVERIFY2(problems.isEmpty(), qPrintable(report(problems, language)));
    QVERIFY2(blankSources > 0, "no source text begins with a blank: the interval texts are gone");
}

// What the program shows is the source file's text: the embedded translation was built from
// the current file.
void TranslationsTest::embeddedTranslationMatchesSourceFile() {
    QFETCH(QString, language);
    const TsFile ts = readTs(sourcePath(language));
    QVERIFY2(ts.error.isEmpty(), qPrintable(ts.error));
    QTranslator translator;
    QVERIFY(translator.load(embeddedPath(language)));
    QStringList problems;
    for (const Message& message : ts.messages) {
        if (message.unfinished || message.translation.isEmpty()) {
            continue; // reported by everyMessageIsTranslated
        }
        const QString shown = translator.translate(message.context.toUtf8().constData(),
                                                   message.source.toUtf8().constData());
        if (shown != message.translation) {
            problems << describe(message) + QStringLiteral(": embedded \"%1\", file \"%2\"")
                                                .arg(shown, message.translation);
        }
    }
    QVERIFY2(problems.isEmpty(), qPrintable(report(problems, language)));
}

void TranslationsTest::germanWindowTextComesFromEmbeddedTranslation() {
    QTranslator translator;
    QVERIFY(translator.load(embeddedPath(QStringLiteral("de"))));
    QVERIFY(QCoreApplication::installTranslator(&translator));
    const QString burst = QCoreApplication::translate("VantorelleWindow", "Burst");
    const QString off = QCoreApplication::translate("VantorelleWindow", "Off");
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(burst, QStringLiteral("Serienbild"));
    QCOMPARE(off, QStringLiteral("Aus"));
    QCOMPARE(QCoreApplication::translate("VantorelleWindow", "Burst"), QStringLiteral("Burst"));
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
