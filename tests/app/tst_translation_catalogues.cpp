#include "language_rows.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QRegularExpression>
#include <QSet>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

struct Message {
    QString context, source, translation, type;
};

// The messages of a translation source file, in file order.
QVector<Message> readCatalogue(const QString& path)
{
    QVector<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("message"))
            messages.append({context, QString(), QString(), QString()});
        else if (xml.name() == QLatin1String("source") && !messages.isEmpty())
            messages.last().source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation") && !messages.isEmpty()) {
            messages.last().type = xml.attributes().value(QLatin1String("type")).toString();
            messages.last().translation = xml.readElementText();
        }
    }
    return messages;
}

QString sourceFile(const QString& code)
{
    return QStringLiteral(PICTAVO_SOURCE_DIR "/translations/%1/LANG_%1.ts").arg(code);
}

QStringList matches(const QString& text, const QRegularExpression& pattern)
{
    QStringList found;
    for (auto it = pattern.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    return found;
}

QStringList placeholders(const QString& text)
{
    QStringList found = matches(text, QRegularExpression(QStringLiteral("%\\d+")));
    found.sort();
    return found;
}

QStringList markup(const QString& text)
{
    return matches(text, QRegularExpression(QStringLiteral("<[^>]*>")));
}

QString visibleText(QString text)
{
    return text.remove(QRegularExpression(QStringLiteral("<[^>]*>"))).trimmed();
}

// Texts that read the same in every language: names, numbers, and the
// hidden columns and form titles that are never shown.
bool sameInEveryLanguage(const QString& visible)
{
    static const QStringList kept = {
        QString(),  QStringLiteral("Pictavo"),  QStringLiteral("8.0.0.0"),       QStringLiteral("TextLabel"),
        QStringLiteral("Dialog"), QStringLiteral("FileID"), QStringLiteral("ParentID"), QStringLiteral("TemporaryPath"),
        QStringLiteral("OK"),     QStringLiteral("No"),     QStringLiteral("Status"),   QStringLiteral("Type"),
        QStringLiteral("Help"),   QStringLiteral("Hindi"),  QStringLiteral("Version :"), QStringLiteral("Edition :"),
    };
    return kept.contains(visible);
}

} // namespace

// Every language's catalogue holds every text the program shows (the German
// catalogue lists them), translated, with the source's placeholders and
// markup, and the scripts of the catalogues have an installed font.
class TranslationCataloguesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void sourceHoldsEveryTextFinished_data();
    void sourceHoldsEveryTextFinished();
    void compiledCatalogueTranslatesEveryText_data();
    void compiledCatalogueTranslatesEveryText();
    void everyScriptHasAFont_data();
    void everyScriptHasAFont();
    void frenchGuillemetsHoldTheirWords();
    void introTextsAreWholeSentences_data();
    void introTextsAreWholeSentences();
    void englishSampleTextsHaveNoStraySpaces();

private:
    QVector<Message> m_german;
};

void TranslationCataloguesTest::initTestCase()
{
    m_german = readCatalogue(sourceFile(QStringLiteral("DE")));
    QVERIFY(m_german.size() > 100);
}

void TranslationCataloguesTest::sourceHoldsEveryTextFinished_data()
{
    addLanguageRows(false);
}

void TranslationCataloguesTest::sourceHoldsEveryTextFinished()
{
    QFETCH(QString, code);
    const auto key = [](const Message& message) { return message.context + QLatin1Char('/') + message.source; };
    QSet<QString> german;
    for (const Message& message : m_german)
        german << key(message);
    QStringList faults;
    QSet<QString> held;
    for (const Message& message : readCatalogue(sourceFile(code))) {
        held << key(message);
        if (!german.contains(key(message)))
            faults << QLatin1String("not shown: ") + key(message);
        else if (!message.type.isEmpty())
            faults << message.type + QLatin1String(": ") + key(message);
    }
    for (const Message& message : m_german)
        if (!held.contains(key(message)))
            faults << QLatin1String("missing: ") + key(message);
    QCOMPARE(faults.join(QLatin1Char('\n')), QString());
}

void TranslationCataloguesTest::compiledCatalogueTranslatesEveryText_data()
{
    addLanguageRows(false);
}

void TranslationCataloguesTest::compiledCatalogueTranslatesEveryText()
{
    QFETCH(QString, code);
    QTranslator catalogue;
    QVERIFY(catalogue.load(QStringLiteral(PICTAVO_BUILD_DIR "/PhotoTranslation/%1/LANG_%1.qm").arg(code)));
    QStringList faults;
    for (const Message& german : m_german) {
        const QByteArray context = german.context.toUtf8();
        const QByteArray source = german.source.toUtf8();
        const QString translation = catalogue.translate(context.constData(), source.constData());
        if (translation.isEmpty() && !german.source.isEmpty())
            faults << QLatin1String("missing: ") + german.source;
        else if (placeholders(translation) != placeholders(german.source))
            faults << QLatin1String("placeholders: ") + translation;
        else if (markup(translation) != markup(german.source))
            faults << QLatin1String("markup: ") + translation;
        else if (code != QLatin1String("DE") && visibleText(translation) == visibleText(german.source)
                 && !sameInEveryLanguage(visibleText(german.source)))
            faults << QLatin1String("in English: ") + german.source;
    }
    QCOMPARE(faults.join(QLatin1Char('\n')), QString());
}

void TranslationCataloguesTest::everyScriptHasAFont_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("writingSystem");
    QTest::newRow("Japanese") << QStringLiteral("JA") << int(QFontDatabase::Japanese);
    QTest::newRow("Chinese") << QStringLiteral("CN") << int(QFontDatabase::SimplifiedChinese);
    QTest::newRow("Korean") << QStringLiteral("KO") << int(QFontDatabase::Korean);
    QTest::newRow("Hindi") << QStringLiteral("HI") << int(QFontDatabase::Devanagari);
}

void TranslationCataloguesTest::everyScriptHasAFont()
{
    QFETCH(QString, code);
    QFETCH(int, writingSystem);
    QVector<uint> characters;
    for (const Message& message : readCatalogue(sourceFile(code)))
        for (uint character : visibleText(message.translation).toUcs4())
            if (character > 0x7f && !characters.contains(character))
                characters << character;
    QVERIFY(!characters.isEmpty());

    const QStringList families = QFontDatabase().families(QFontDatabase::WritingSystem(writingSystem));
    QString uncovered;
    for (const QString& family : families) {
        const QFontMetrics metrics{QFont(family)};
        uncovered.clear();
        for (uint character : characters)
            if (!metrics.inFontUcs4(character))
                uncovered += QString::fromUcs4(&character, 1);
        if (uncovered.isEmpty())
            return;
    }
    QFAIL(qPrintable(QStringLiteral("no installed font of %1 families shows: %2").arg(families.size()).arg(uncovered)));
}

// French sets a space inside its guillemets; a no-break one, so that a
// line never starts with a closing guillemet or ends with an opening one.
void TranslationCataloguesTest::frenchGuillemetsHoldTheirWords()
{
    QStringList faults;
    for (const Message& message : readCatalogue(sourceFile(QStringLiteral("FR")))) {
        const QString text = visibleText(message.translation);
        if (text.contains(QStringLiteral("\u00ab ")) || text.contains(QStringLiteral(" \u00bb")))
            faults << text;
    }
    QCOMPARE(faults.join(QLatin1Char('\n')), QString());
}

namespace {

// The explanations of the advanced repair's intro dialog.
bool isIntroText(const Message& message)
{
    return message.context == QLatin1String("BrowseRepairDlg") &&
           message.source.startsWith(QLatin1String("Advance Repair\n"));
}

} // namespace

void TranslationCataloguesTest::introTextsAreWholeSentences_data()
{
    QTest::addColumn<QString>("code");
    QTest::newRow("English") << QString();
    for (const char* code : {"DE", "FR", "IT", "ES", "JA", "CN", "KO", "DU", "BR", "HI"})
        QTest::newRow(code) << QString::fromLatin1(code);
}

// The intro's label wraps its text to its width: a line break of its own
// stands only after its heading or at the end of a sentence, so that no line
// ends after a word or two where the label's wrap would have gone on.
void TranslationCataloguesTest::introTextsAreWholeSentences()
{
    QFETCH(QString, code);
    static const QRegularExpression breakInSentence(QStringLiteral("[^\n.\u3002!?\u0964]\n(?!\n)|\\s\n"));
    QStringList faults;
    int intros = 0;
    for (const Message& message : code.isEmpty() ? m_german : readCatalogue(sourceFile(code))) {
        if (!isIntroText(message))
            continue;
        ++intros;
        const QString text = code.isEmpty() ? message.source : message.translation;
        const QStringList breaks = matches(text.section(QStringLiteral("\n\n"), 1), breakInSentence);
        if (!breaks.isEmpty())
            faults << text;
    }
    QCOMPARE(intros, 2);
    QCOMPARE(faults.join(QLatin1String("\n----\n")), QString());
}

// In English a quoted name has no space inside its quotes and a prompt no
// space before its colon.
void TranslationCataloguesTest::englishSampleTextsHaveNoStraySpaces()
{
    static const QRegularExpression quoted(QStringLiteral("'([^']*)'"));
    QStringList faults;
    for (const Message& message : m_german) {
        if (isIntroText(message)) {
            for (const QString& name : matches(message.source, quoted))
                if (name.mid(1, name.size() - 2).trimmed() != name.mid(1, name.size() - 2))
                    faults << name;
        }
        if (message.source.startsWith(QLatin1String("Add a sample")) && message.source.contains(QLatin1String(" :")))
            faults << message.source;
    }
    QCOMPARE(faults.join(QLatin1Char('\n')), QString());
}

QTEST_MAIN(TranslationCataloguesTest)
#include "tst_translation_catalogues.moc"
