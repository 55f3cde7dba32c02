// The translations compiled into the program: exactly the shipped languages are embedded, and
// each source file is complete (every message translated, placeholders and leading blanks kept).
// That the program picks the system's language is the installed program's test.

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>

#ifndef TRANSLATIONS_DIR
#error "TRANSLATIONS_DIR must name the folder holding the .ts files"
#endif

namespace {

const QStringList kLanguages = {"de", "es", "fr", "it", "ja", "zh_CN"};

// The %1 … %99 (and %L1) markers of a text, as QString::arg() sees them, and its leading blanks
// (the interval list's " 5 sec" is set off from the list's frame by one).
QString shape(const QString& text) {
    static const QRegularExpression marker(QStringLiteral("%L?([1-9][0-9]?)"));
    QStringList markers;
    for (const QRegularExpressionMatch& match : marker.globalMatch(text)) {
        markers << match.captured(1);
    }
    markers.sort();
    markers.removeDuplicates();
    qsizetype blanks = 0;
    while (blanks < text.size() && text.at(blanks) == QLatin1Char(' ')) {
        ++blanks;
    }
    return QString::number(blanks) + QLatin1Char(':') + markers.join(QLatin1Char(','));
}

} // namespace

class TranslationsTest : public QObject {
    Q_OBJECT

  private slots:
    void everyMessageIsTranslated();
};

void TranslationsTest::everyMessageIsTranslated() {
    QStringList embedded = QDir(QStringLiteral(":/i18n")).entryList();
    QStringList expected;
    for (const QString& language : kLanguages) {
        expected << QStringLiteral("vantorelle_%1.qm").arg(language);
    }
    QCOMPARE(embedded, expected);
    for (const QString& language : kLanguages) {
        QFile file(QDir(QStringLiteral(TRANSLATIONS_DIR))
                       .filePath(QStringLiteral("vantorelle_%1.ts").arg(language)));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        QXmlStreamReader xml(&file);
        QString context;
        QString source;
        QStringList problems;
        int messages = 0;
        int blankSources = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) {
                continue;
            }
            if (xml.name() == u"name") {
                context = xml.readElementText();
            } else if (xml.name() == u"source") {
                source = xml.readElementText();
            } else if (xml.name() == u"translation") {
                ++messages;
                blankSources += source.startsWith(QLatin1Char(' ')) ? 1 : 0;
                const bool finished = xml.attributes().value(QLatin1String("type")).isEmpty();
                const QString translation = xml.readElementText();
                const QString where = QStringLiteral("%1 line %2, %3 \"%4\": ")
                                          .arg(language)
                                          .arg(xml.lineNumber())
                                          .arg(context, source);
                if (!finished || translation.trimmed().isEmpty()) {
                    problems << where + QStringLiteral("not translated");
                } else if (shape(source) != shape(translation)) {
                    problems << where + QStringLiteral("placeholders or leading blanks differ "
                                                       "in \"%1\"")
                                            .arg(translation);
                }
            }
        }
        QVERIFY2(!xml.hasError() && messages > 0, qPrintable(xml.errorString()));
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
        QVERIFY2(blankSources > 0,
                 "no source text begins with a blank: the interval texts are gone");
    }
}

QTEST_MAIN(TranslationsTest)
#include "translations_test.moc"
