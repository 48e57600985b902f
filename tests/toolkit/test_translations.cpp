// The languages: which one a desktop's locale asks for, the Greek texts as
// the translators left them, the standard dialogs in Greek and the pseudo-
// translation. What a Greek run shows, decimal commas included, is the road
// tests/roads/greek-el.drive.
#include "toolkit/Language.h"
#include "toolkit/SaveDialog.h"
#include "toolkit/core/Language.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLabel>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

struct Message
{
    QString context, source, translation, type;
};

// Every message of a .ts file, or an empty list when it cannot be read.
QList<Message> messagesOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Message> messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message m;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("name"))
            context = xml.readElementText();
        else if (name == QLatin1String("message"))
            m = {context, {}, {}, {}};
        else if (name == QLatin1String("source"))
            m.source = xml.readElementText();
        else if (name == QLatin1String("translation")) {
            m.type = xml.attributes().value(QLatin1String("type")).toString();
            m.translation = xml.readElementText();
            messages << m;
        }
    }
    return xml.hasError() ? QList<Message>() : messages;
}

// The place markers of a text (%1, %2), sorted, and its blanks at either end:
// what a translation keeps of its source.
QString shape(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%\\d"));
    static const QRegularExpression blanks(QStringLiteral("^(\\s*).*?(\\s*)$"),
                                           QRegularExpression::DotMatchesEverythingOption);
    QStringList found;
    for (const QRegularExpressionMatch &m : marker.globalMatch(text))
        found << m.captured();
    found.sort();
    const auto m = blanks.match(text);
    return QStringLiteral("%1 [%2|%3]").arg(found.join(QLatin1Char(' ')), m.captured(1), m.captured(2));
}

// A text as a glossary pattern reads it: without accents, case folded, and
// rich text's tags and entities out.
QString plain(QString text)
{
    static const QRegularExpression markup(QStringLiteral("<[^>]*>|&[a-z]+;|&#\\d+;"));
    text.replace(markup, QStringLiteral(" "));
    text = text.normalized(QString::NormalizationForm_D);
    text.removeIf([](QChar c) { return c.category() == QChar::Mark_NonSpacing; });
    return text.toCaseFolded();
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { toolkit::useLanguage(toolkit::Language::English); }

    // Which of LANGUAGE, LC_ALL, LC_MESSAGES and LANG wins, and which locale
    // names count as Greek: a swapped precedence or a loose prefix match fails.
    void desktopLanguage_data()
    {
        QTest::addColumn<QStringList>("variables"); // LANGUAGE, LC_ALL, LC_MESSAGES, LANG
        QTest::addColumn<QString>("expected");
        QTest::newRow("nothing set") << QStringList{"", "", "", ""} << "en";
        QTest::newRow("Greek LANG") << QStringList{"", "", "", "el_GR.UTF-8"} << "el";
        QTest::newRow("bare code") << QStringList{"", "", "", "el"} << "el";
        QTest::newRow("LC_MESSAGES over LANG") << QStringList{"", "", "en_GB.UTF-8", "el_GR.UTF-8"} << "en";
        QTest::newRow("LC_ALL over both") << QStringList{"", "el_CY.UTF-8", "en_US.UTF-8", "en_US.UTF-8"} << "el";
        QTest::newRow("LANGUAGE first spoken entry") << QStringList{"fr:el:en", "", "", "fr_FR.UTF-8"} << "el";
        QTest::newRow("LANGUAGE over the locale") << QStringList{"en", "", "", "el_GR.UTF-8"} << "en";
        QTest::newRow("LANGUAGE ignored in C") << QStringList{"el", "C", "", ""} << "en";
        QTest::newRow("LANGUAGE ignored unset") << QStringList{"el", "", "", ""} << "en";
        QTest::newRow("LANGUAGE with none spoken") << QStringList{"de:fr", "", "", "el_GR.UTF-8"} << "el";
        QTest::newRow("unspoken locale") << QStringList{"", "", "", "de_DE.UTF-8"} << "en";
        QTest::newRow("modifier") << QStringList{"", "", "", "el_GR@euro"} << "el";
        QTest::newRow("not a prefix") << QStringList{"", "", "", "ell"} << "en";
    }
    void desktopLanguage()
    {
        QFETCH(QStringList, variables);
        QFETCH(QString, expected);
        const auto v = [&](int k) { return variables[k].toStdString(); };
        QCOMPARE(QString::fromStdString(std::string(toolkit::core::desktopLanguage(v(0), v(1), v(2), v(3)))), expected);
    }

    // --lang and --lang= are taken out of the arguments, an unknown or
    // missing language refused with a reason.
    void languageArgument_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("expected"); // -1: refused
        QTest::addColumn<QStringList>("left");
        QTest::newRow("separate") << QStringList{"spotsim", "--lang", "el"} << int(toolkit::Language::Greek)
                                  << QStringList{"spotsim"};
        QTest::newRow("joined") << QStringList{"spotsim", "--lang=en", "x"} << int(toolkit::Language::English)
                                << QStringList{"spotsim", "x"};
        QTest::newRow("unknown") << QStringList{"spotsim", "--lang", "fr"} << -1 << QStringList{"spotsim"};
        QTest::newRow("missing value") << QStringList{"spotsim", "--lang"} << -1 << QStringList{"spotsim"};
    }
    void languageArgument()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, expected);
        QFETCH(QStringList, left);
        QString problem;
        const auto language = toolkit::takeLanguage(arguments, problem);
        QCOMPARE(language ? int(*language) : -1, expected);
        QCOMPARE(problem.isEmpty(), expected >= 0);
        QCOMPARE(arguments, left);
    }

    // Every Greek text is finished, keeps its source's place markers and
    // the blanks at its ends (captions are put together from pieces).
    void greekFile()
    {
        const QList<Message> messages = messagesOf(QStringLiteral(SPOTSIM_SOURCE_DIR "/translations/spotsim_el.ts"));
        QVERIFY(messages.size() > 200);
        QStringList faults;
        for (const Message &m : messages) {
            const QString where = m.context + QLatin1Char(' ') + m.source.left(40);
            if (!m.type.isEmpty() || m.translation.isEmpty())
                faults << where + QStringLiteral(": not finished (") + m.type + QLatin1Char(')');
            if (shape(m.translation) != shape(m.source))
                faults << where + QStringLiteral(": place markers or blanks at the ends differ: ") + shape(m.translation);
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    // Each term of the glossary is translated one way: every Greek text of
    // an English one that holds the term holds the glossary's Greek term.
    void glossaryTermsOneWay()
    {
        QFile file(QStringLiteral(SPOTSIM_SOURCE_DIR "/translations/glossary.tsv"));
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        const QList<Message> messages = messagesOf(QStringLiteral(SPOTSIM_SOURCE_DIR "/translations/spotsim_el.ts"));
        QStringList faults;
        int terms = 0;
        while (!file.atEnd()) {
            const QString line = QString::fromUtf8(file.readLine()).trimmed();
            const QStringList fields = line.split(QLatin1Char('\t'));
            if (line.startsWith(QLatin1Char('#')) || fields.size() != 3)
                continue;
            const auto unicode = QRegularExpression::UseUnicodePropertiesOption;
            const QRegularExpression english(fields[0], QRegularExpression::CaseInsensitiveOption | unicode);
            const QRegularExpression greek(plain(fields[1]), unicode);
            QVERIFY2(english.isValid() && greek.isValid(), qPrintable(line));
            ++terms;
            for (const Message &m : messages)
                if (english.match(plain(m.source)).hasMatch() && !greek.match(plain(m.translation)).hasMatch())
                    faults << QStringLiteral("%1 '%2': '%3' lacks %4").arg(m.context, m.source.left(50),
                                                                            m.translation.left(70), fields[1]);
        }
        QVERIFY(terms >= 15);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    // The file dialog of "Save Picture As..." speaks Greek too, though Qt
    // ships no Greek of its own.
    void fileDialogInGreek()
    {
        toolkit::useLanguage(toolkit::Language::Greek);
        QTemporaryDir folder;
        QVERIFY(folder.isValid() && QDir(folder.path()).mkdir(QStringLiteral("runs")));
        QFile png(folder.filePath(QStringLiteral("spots.png")));
        QVERIFY(png.open(QIODevice::WriteOnly) && png.write(QByteArray(1500, 'x')) == 1500);
        png.close();
        QWidget parent;
        const auto owned = toolkit::greekSaveDialog(parent, QStringLiteral("x"), folder.path(), QStringLiteral("*"));
        QVERIFY(owned);
        QFileDialog &dialog = *owned;
        auto *files = dialog.findChild<QFileSystemModel *>();
        QVERIFY(files);
        QSignalSpy loaded(files, &QFileSystemModel::directoryLoaded);
        dialog.setDirectory(folder.path());
        QVERIFY(loaded.count() > 0 || loaded.wait(5000));
        // Each column of the list as a Greek student reads it, the label over
        // it and the buttons.
        const auto shown = [&](const QString &path, int column) {
            return dialog.proxyModel()->mapFromSource(files->index(path, column)).data().toString();
        };
        const auto *lookIn = dialog.findChild<QLabel *>(QStringLiteral("lookInLabel"));
        const auto *buttons = dialog.findChild<QDialogButtonBox *>();
        QVERIFY(lookIn && buttons);
        QStringList pressed;
        for (const QAbstractButton *b : buttons->buttons())
            pressed << b->text();
        pressed.sort();
        const QLocale greek(QLocale::Greek, QLocale::Greece);
        QCOMPARE((QStringList{shown(folder.filePath(QStringLiteral("runs")), 2), shown(png.fileName(), 2),
                              shown(png.fileName(), 1).left(2), shown(png.fileName(), 3), lookIn->text()}
                  + pressed),
                 (QStringList{QString::fromUtf8("Φάκελος"), QString::fromUtf8("Αρχείο PNG"), QStringLiteral("1,"),
                              greek.toString(QFileInfo(png).lastModified(), QLocale::ShortFormat),
                              QString::fromUtf8("Αναζήτηση σε:"), QString::fromUtf8("Ακύρωση"),
                              QString::fromUtf8("Απο&θήκευση")}));
    }

    // The pseudo-translation: every letter accented, place markers and
    // blanks kept, two letters in five more.
    void pseudo_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("expected");
        QTest::newRow("word") << "Start" << QString::fromUtf8("Śţáŕţẋẋ");
        QTest::newRow("markers and blanks") << "Saved %1 " << QString::fromUtf8("Śáṽéḋẋẋẋẋ %1 ");
        QTest::newRow("no letters") << " = " << " = ";
    }
    void pseudo()
    {
        QFETCH(QString, source);
        QFETCH(QString, expected);
        toolkit::useLanguage(toolkit::Language::Pseudo);
        QCOMPARE(QCoreApplication::translate("any", source.toUtf8().constData()), expected);
    }
};

QTEST_MAIN(TestTranslations)
#include "test_translations.moc"
