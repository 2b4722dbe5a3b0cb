#include "i18n/qt/catalogue.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace i18nqt {
namespace {

    // What install() put in place, so that a second call can take it out again.
    std::unique_ptr<QTranslator> g_own;
    std::unique_ptr<QTranslator> g_qt;

    void uninstall()
    {
        i18n::setCatalogue({});
        if (QCoreApplication::instance() != nullptr) {
            for (const std::unique_ptr<QTranslator> *t : { &g_own, &g_qt }) {
                if (*t)
                    QCoreApplication::removeTranslator(t->get());
            }
        }
        g_own.reset();
        g_qt.reset();
    }

    // Puts what install() loaded into the application, which exists now.
    void installIntoApplication()
    {
        for (const std::unique_ptr<QTranslator> *t : { &g_own, &g_qt }) {
            if (*t)
                QCoreApplication::installTranslator(t->get());
        }
    }

} // namespace

bool install(i18n::Language language)
{
    uninstall();
    bool loaded = true;
    if (language == i18n::Language::English) {
        auto own = std::make_unique<QTranslator>();
        if (own->load(QStringLiteral(":/i18n/dravon_en.qm"))) {
            g_own = std::move(own);
            QTranslator *catalogue = g_own.get();
            i18n::setCatalogue(
                [catalogue](const char *context, const char *source) -> std::optional<std::string> {
                    const QString text = catalogue->translate(context, source);
                    if (text.isEmpty())
                        return std::nullopt;
                    return text.toStdString();
                });
        } else {
            loaded = false;
            language = i18n::Language::German;
        }
    }
    i18n::setLanguage(language);
    // Qt's file, print and message dialogs are English by themselves.
    if (language == i18n::Language::German) {
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(
                QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            g_qt = std::move(qt);
    }
    // The batch tool makes its application only when it draws a page; the catalogue goes
    // into it then.
    static bool waiting = false;
    if (QCoreApplication::instance() != nullptr) {
        installIntoApplication();
    } else if (!waiting) {
        waiting = true;
        qAddPreRoutine(installIntoApplication);
    }
    return loaded;
}

std::optional<i18n::Language> parseLangOption(const QString &value)
{
    return i18n::parseLanguageOption(value.toStdString());
}

QLocale numberLocale()
{
    QLocale locale(
        i18n::language() == i18n::Language::English ? QLocale::English : QLocale::German);
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

} // namespace i18nqt
