#include "toolkit/Language.h"

#include "toolkit/Text.h"
#include "toolkit/core/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>
#include <vector>

namespace toolkit {

namespace {

Language inUse = Language::English;
bool chosen = false; // useLanguage has been called

// Every text turned into a longer one with an accent on every letter, so that
// a layout that fits it fits any translation and a text that skipped the
// translation shows as plain letters. Place markers (%1), mnemonics (&) and
// digits stay as they are.
class PseudoTranslator final : public QTranslator
{
public:
    QString translate(const char *, const char *source, const char * = nullptr, int = -1) const override
    {
        static const QString lower = QStringLiteral(u"áḃçḋéḟġḣíĵķĺṁñóṗǫŕśţúṽŵẋýź");
        static const QString upper = QStringLiteral(u"ÁḂÇḊÉḞĠḢÍĴĶĹṀÑÓṖǪŔŚŢÚṼŴẊÝŹ");
        const QString text = QString::fromUtf8(source);
        QString result;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text[i];
            if (c == u'%' && i + 1 < text.size() && text[i + 1].isDigit()) {
                result += c;
                result += text[++i];
            } else if (c >= u'a' && c <= u'z') {
                result += lower[c.unicode() - u'a'];
            } else if (c >= u'A' && c <= u'Z') {
                result += upper[c.unicode() - u'A'];
            } else {
                result += c;
            }
        }
        // Two letters in five more, where they change no spacing: before the
        // trailing blanks, after the last letter.
        qsizetype end = result.size();
        while (end > 0 && !result[end - 1].isLetter())
            --end;
        if (end > 0)
            result.insert(end, QString((text.size() * 2 + 4) / 5, u'ẋ'));
        return result;
    }
    bool isEmpty() const override { return false; }
};

std::vector<std::unique_ptr<QTranslator>> &installed()
{
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

} // namespace

std::optional<Language> languageNamed(const QString &name)
{
    if (name == QLatin1String(core::english.data(), qsizetype(core::english.size())))
        return Language::English;
    if (name == QLatin1String(core::greek.data(), qsizetype(core::greek.size())))
        return Language::Greek;
    if (name == QLatin1String("pseudo"))
        return Language::Pseudo;
    return std::nullopt;
}

Language desktopLanguage()
{
    const auto variable = [](const char *name) { return qgetenv(name).toStdString(); };
    const std::string language = variable("LANGUAGE"), lcAll = variable("LC_ALL"),
                      lcMessages = variable("LC_MESSAGES"), lang = variable("LANG");
    return core::desktopLanguage(language, lcAll, lcMessages, lang) == core::greek ? Language::Greek
                                                                                   : Language::English;
}

std::optional<Language> takeLanguage(QStringList &arguments, QString &problem)
{
    std::optional<QString> name;
    for (qsizetype i = 0; i < arguments.size();) {
        if (arguments[i] == QLatin1String("--lang")) {
            name = i + 1 < arguments.size() ? arguments[i + 1] : QString();
            arguments.remove(i, std::min<qsizetype>(2, arguments.size() - i));
        } else if (arguments[i].startsWith(QLatin1String("--lang="))) {
            name = arguments[i].mid(7);
            arguments.remove(i);
        } else {
            ++i;
        }
    }
    if (!name)
        return desktopLanguage();
    if (const auto language = languageNamed(*name))
        return language;
    problem = QCoreApplication::translate("toolkit", "--lang takes el or en, not '%1'").arg(quoted(*name));
    return std::nullopt;
}

void useLanguage(Language language)
{
    for (const auto &translator : installed())
        QCoreApplication::removeTranslator(translator.get());
    installed().clear();
    inUse = language;
    chosen = true;
    const auto add = [](std::unique_ptr<QTranslator> translator) {
        QCoreApplication::installTranslator(translator.get());
        installed().push_back(std::move(translator));
    };
    switch (language) {
    case Language::English:
        return;
    case Language::Pseudo:
        add(std::make_unique<PseudoTranslator>());
        return;
    case Language::Greek:
        break;
    }
    // The last installed is asked first: the program's own texts; Qt's,
    // where Qt ships them; the program's Greek of the standard dialogs,
    // which Qt does not ship.
    for (const auto &[name, folder] : {std::pair{QStringLiteral("spotsim_qt_el"), QStringLiteral(":/i18n")},
                                       {QStringLiteral("qtbase_el"),
                                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)},
                                       {QStringLiteral("spotsim_el"), QStringLiteral(":/i18n")}}) {
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(name, folder))
            add(std::move(translator));
    }
}

Language languageInUse() { return inUse; }

QString translate(const char *context, const char *text)
{
    if (chosen)
        return QCoreApplication::translate(context, text);
    static const std::unique_ptr<QTranslator> early = [] {
        auto translator = std::make_unique<QTranslator>();
        if (desktopLanguage() != Language::Greek || !translator->load(QStringLiteral(":/i18n/spotsim_el.qm")))
            translator.reset();
        return translator;
    }();
    const QString translated = early ? early->translate(context, text) : QString();
    return translated.isEmpty() ? QString::fromUtf8(text) : translated;
}

QString forPerson(QString number)
{
    if (inUse != Language::English)
        number.replace(u'.', u',');
    return number;
}

} // namespace toolkit
