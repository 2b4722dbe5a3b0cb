// A catalogue that marks every text it is asked for: "¦" before the text and after each of
// its line breaks. Installed in place of the English one, it shows which texts on screen
// or in the batch tool's output went through the catalogue (marked) and which were
// written past it (unmarked): the latter an English user would read in German.
#pragma once

#include "i18n/i18n.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QString>
#include <QTranslator>

#include <cstring>

class PseudoCatalogue : public QTranslator
{
public:
    static constexpr const char *kMark = "\u00a6";

    static QString marked(const char *source)
    {
        QString text = QString::fromUtf8(source);
        text.replace(QLatin1Char('\n'), QLatin1String("\n") + QString::fromUtf8(kMark));
        return QString::fromUtf8(kMark) + text;
    }

    // The program's own contexts only; Qt's texts of its own dialogs are Qt's to translate.
    QString translate(
        const char *context, const char *source, const char * = nullptr, int = -1) const override
    {
        if (context != nullptr && context[0] == 'Q' && std::strcmp(context, "QObject") != 0)
            return {};
        return marked(source);
    }
    bool isEmpty() const override { return false; }

    // Marks the Qt-free layers' texts as well; `withTranslator` installs it in the
    // application for the Qt code's tr().
    void install(bool withTranslator)
    {
        i18n::setCatalogue([](const char *, const char *source) -> std::optional<std::string> {
            return marked(source).toStdString();
        });
        if (withTranslator)
            QCoreApplication::installTranslator(this);
    }
    void uninstall()
    {
        i18n::setCatalogue({});
        QCoreApplication::removeTranslator(this);
    }

    // True for a text a reader would read as words (three lower-case letters in a row)
    // that has no mark: a text the catalogue never saw. `&` accelerators are ignored.
    static bool unmarkedWords(QString text)
    {
        static const QRegularExpression word(QStringLiteral("[a-zäöüß]{3,}"));
        text.remove(QLatin1Char('&'));
        // The mark is a Windows-1252 character too: a text that went through one of the
        // program's files keeps it.
        return text.contains(word) && !text.contains(QString::fromUtf8(kMark));
    }
};
