// Every dialog shows its captions whole in German, in English and in a made-up language
// whose words are half as long again: no label or button gets less room than it asks
// for. And the language chosen for the next start is kept where the start-up reads it.
#include "dialogs/aboutdlg.h"
#include "dialogs/dlginput.h"
#include "dialogs/dlginterpolation.h"
#include "dialogs/dlgoffsets.h"
#include "dialogs/dlgwell.h"
#include "dialogs/imagesizedlg.h"
#include "dialogs/importpreviewdlg.h"
#include "dialogs/languagesetting.h"
#include "dialogs/pathinterpolationdlg.h"
#include "dialogs/scriptedprompter.h"
#include "dialogs/tableimportdlg.h"
#include "dialogs/viewsettingsdlg.h"
#include "i18n/qt/catalogue.h"
#include "input/measurementreader.h"
#include "tests/dialogs/widgetapp.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTranslator>

#include <functional>
#include <memory>

namespace {

enum class Speech { German, English, Longer };

// Each text of the program half as long again, its placeholders and accelerators kept.
class LongerTexts : public QTranslator
{
public:
    QString translate(const char *, const char *source, const char *, int) const override
    {
        const QString text = QString::fromUtf8(source);
        return text.isEmpty() ? QString() : text + QString(text.size() / 2, u'W');
    }
    bool isEmpty() const override { return false; }
};

// Speaks `speech` while it lives; German again afterwards, for the tests that follow.
class Speaking
{
public:
    explicit Speaking(Speech speech)
    {
        widgetApp();
        if (speech == Speech::German)
            return;
        if (speech == Speech::English) {
            auto english = std::make_unique<QTranslator>();
            loaded = english->load(QStringLiteral(":/i18n/dravon_en.qm"));
            translator = std::move(english);
            i18n::setLanguage(i18n::Language::English);
        } else {
            translator = std::make_unique<LongerTexts>();
        }
        QCoreApplication::installTranslator(translator.get());
    }
    ~Speaking()
    {
        if (translator)
            QCoreApplication::removeTranslator(translator.get());
        i18n::setLanguage(i18n::Language::German);
    }

    bool loaded = true;

private:
    std::unique_ptr<QTranslator> translator;
};

traj::Trajectory someWell()
{
    const float md[] = { 0, 100, 200, 300 };
    const float inc[] = { 0, 10, 20, 30 };
    const float azi[] = { 0, 45, 50, 55 };
    traj::Trajectory t;
    traj::computeTrajectory(md, inc, azi, 4, t);
    return t;
}

// An import of three files into a site that has one of their wells, one file unreadable.
ImportPreview somePreview()
{
    ImportPreview p;
    p.site = QStringLiteral("Nordfeld/Pad A");
    const auto item = [](const std::string &file, const std::string &name, int stations) {
        field::ImportItem i;
        i.place = { "Nordfeld", "Pad A", name, name, name };
        i.source = file;
        for (int k = 0; k < stations; ++k)
            i.well.survey.add({ 30.0 * k, 1.0 * k, 45 });
        return i;
    };
    p.items = { item("A-1.dvn", "A-1", 12), item("A-7 Seitenast.csv", "A-7 Seitenast", 148),
        item("A-8.las", "A-8", 63) };
    field::WellboreEntry there;
    there.place = { "Nordfeld", "Pad A", "A-1", "A-1", "A-1" };
    there.versions = 2;
    p.existing = { there };
    p.notices = { QStringLiteral("A-7 Seitenast.csv: 2 Zeilen ohne Zahlen übergangen") };
    p.unreadable = { QStringLiteral("Notizen.txt: keine Messpunkte") };
    return p;
}

// Every dialog laid out by Qt's layouts, as the program opens it.
std::vector<std::pair<const char *, std::function<std::unique_ptr<QDialog>()>>> laidOut()
{
    return {
        { "about", [] { return std::make_unique<CAboutDlg>(); } },
        { "depth", [] { return std::make_unique<DlgInterpolation>(); } },
        { "well",
            [] { return std::make_unique<DlgWell>(WellSettings {}, ViewPreferences {}, 0.0); } },
        { "offsets",
            [] { return std::make_unique<DlgOffsets>(WellSettings {}, "Bezug", FreiesFormat); } },
        { "settings",
            [] { return std::make_unique<ViewSettingsDlg>(ViewPreferences {}, false, 72.5); } },
        { "table import",
            [] {
                return std::make_unique<TableImportDialog>("MD;Inc;Azi\n0;0;0\n50;1,5;200\n",
                    exchange::TableFormat::Delimited, QStringLiteral("t.csv"), 1);
            } },
        { "path",
            [] {
                return std::make_unique<PathInterpolationDlg>(
                    someWell(), LengthUnit::Metre, std::nullopt);
            } },
        { "image size", [] { return std::make_unique<ImageSizeDlg>(QSize(800, 600)); } },
        { "import preview", [] { return std::make_unique<ImportPreviewDlg>(somePreview()); } },
    };
}

// A caption is cut when its widget is narrower than it asks to be; a label that wraps
// its lines is cut when it is lower than its lines need at its width.
void expectWhole(const QWidget &dialog)
{
    for (const QLabel *label : dialog.findChildren<QLabel *>()) {
        if (!label->isVisibleTo(&dialog) || label->text().isEmpty())
            continue;
        SCOPED_TRACE(label->text().toStdString());
        if (label->wordWrap())
            EXPECT_GE(label->height(), label->heightForWidth(label->width()));
        else
            EXPECT_GE(label->width(), label->sizeHint().width());
    }
    for (const QAbstractButton *button : dialog.findChildren<QAbstractButton *>()) {
        if (!button->isVisibleTo(&dialog) || button->text().isEmpty())
            continue;
        SCOPED_TRACE(button->text().toStdString());
        EXPECT_GE(button->width(), button->sizeHint().width());
    }
}

// With DRAVON_SCREENSHOT_DIR set, each dialog is saved as a picture for a person to look
// at ("en-well.png" …).
void keepPicture(QWidget &dialog, Speech speech, const char *name)
{
    const QString folder = qEnvironmentVariable("DRAVON_SCREENSHOT_DIR");
    if (folder.isEmpty())
        return;
    const char *prefix = speech == Speech::German ? "de"
        : speech == Speech::English               ? "en"
                                                  : "long";
    QString file = QStringLiteral("%1-%2.png").arg(QLatin1String(prefix), QLatin1String(name));
    file.replace(u' ', u'-');
    dialog.grab().save(QDir(folder).filePath(file));
}

class DialogsFit : public ::testing::TestWithParam<Speech>
{
};

TEST_P(DialogsFit, NoCaptionIsCut)
{
    const Speaking speaking(GetParam());
    ASSERT_TRUE(speaking.loaded);
    for (const auto &[name, make] : laidOut()) {
        SCOPED_TRACE(name);
        const std::unique_ptr<QDialog> dialog = make();
        ASSERT_TRUE(showActive(dialog.get()));
        expectWhole(*dialog);
        keepPicture(*dialog, GetParam(), name);
    }
}

// The measurement dialog keeps its classic arrangement; a caption longer than its place
// grows out of it, and a button's text keeps clear of the button's frame.
TEST_P(DialogsFit, TheMeasurementDialogGrowsItsCaptions)
{
    const Speaking speaking(GetParam());
    LineEditor state;
    state.m_Eingabe = { "  100.00    0.00    0.00" };
    ScriptedPrompter prompter;
    DlgInput dialog(state, prompter);
    dialog.setWellCommand([](QWidget *) {});
    ASSERT_TRUE(showActive(&dialog));
    keepPicture(dialog, GetParam(), "measurement");
    for (const QLabel *label : dialog.findChildren<QLabel *>()) {
        SCOPED_TRACE(label->text().toStdString());
        EXPECT_GE(label->width(), label->sizeHint().width());
        EXPECT_LE(label->geometry().right(), dialog.width());
    }
    for (const QPushButton *button : dialog.findChildren<QPushButton *>()) {
        SCOPED_TRACE(button->text().toStdString());
        EXPECT_LT(button->fontMetrics().horizontalAdvance(button->text()), button->width() - 4);
        EXPECT_GE(button->x(), 0);
        EXPECT_LE(button->geometry().right(), dialog.width());
    }
    // A radio button grows only up to the frame of its group, which the made-up
    // language's long words overrun; the real languages' captions fit.
    if (GetParam() != Speech::Longer) {
        for (const QRadioButton *radio : dialog.findChildren<QRadioButton *>()) {
            SCOPED_TRACE(radio->text().toStdString());
            EXPECT_GE(radio->width(), radio->sizeHint().width());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Languages, DialogsFit, ::testing::Values(Speech::German, Speech::English, Speech::Longer));

// The choice made in the dialog is what the next start reads ("de", "en", or nothing for
// the desktop's language), and a dialog opened later shows it again.
TEST(LanguageChoice, IsKeptAndShownAgain)
{
    widgetApp();
    QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("dravon.ini")), QSettings::IniFormat);
    for (const std::optional<i18n::Language> chosen : { std::optional(i18n::Language::English),
             std::optional(i18n::Language::German), std::optional<i18n::Language>() }) {
        ViewSettingsDlg dialog(ViewPreferences {}, false, 0.0);
        QComboBox *box = dialog.languageBox();
        // Picked by the user, from the entries as shown.
        for (int i = 0; i < box->count(); ++i) {
            box->setCurrentIndex(i);
            if (dialog.language() == chosen)
                break;
        }
        ASSERT_EQ(dialog.language(), chosen);
        languagesetting::write(settings, dialog.language());
        settings.sync();

        const QString stored = settings.value(QStringLiteral("language")).toString();
        EXPECT_EQ(i18nqt::parseLangOption(stored), chosen) << stored.toStdString();
        EXPECT_EQ(settings.contains(QStringLiteral("language")), chosen.has_value());

        ViewSettingsDlg again(ViewPreferences {}, false, 0.0);
        again.setLanguage(languagesetting::read(settings));
        EXPECT_EQ(again.languageBox()->currentIndex(), box->currentIndex());
    }
    // A value the program does not know leaves the choice to the desktop.
    settings.setValue(QStringLiteral("language"), QStringLiteral("fr"));
    EXPECT_EQ(languagesetting::read(settings), std::nullopt);
}

} // namespace
