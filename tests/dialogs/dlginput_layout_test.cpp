// The dialogs follow their layouts in dialog units, whatever the font's pixel size, and
// no caption is cut off.
#include "dialogs/aboutdlg.h"
#include "dialogs/dlginterpolation.h"
#include "tests/dialogs/dlginputfixture.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace {

struct Placed
{
    QWidget *widget;
    QRect units; // x, y, width, height in dialog units
    bool grows = false; // a radio button may grow to the right to show its caption
};

// Each edge, as a share of the dialog's size, must match its share in dialog units to
// within a pixel and a half of rounding.
void expectPlacedByUnits(
    const QWidget &dialog, QSize dialogUnits, const std::vector<Placed> &placed)
{
    const double sx = double(dialog.width()) / dialogUnits.width();
    const double sy = double(dialog.height()) / dialogUnits.height();
    for (const Placed &p : placed) {
        const QRect g = p.widget->geometry();
        SCOPED_TRACE(p.widget->metaObject()->className());
        EXPECT_NEAR(g.left(), p.units.left() * sx, 1.5);
        EXPECT_NEAR(g.top(), p.units.top() * sy, 1.5);
        if (p.grows)
            EXPECT_GE(g.width(), p.units.width() * sx - 1.5);
        else
            EXPECT_NEAR(g.width(), p.units.width() * sx, 1.5);
        EXPECT_NEAR(g.height(), p.units.height() * sy, 1.5);
    }
}

// The right-hand column is wider than the classic 245 units, so that station lines show
// whole in the fixed pitch of the lists (the classic widths are kept as 245, 161, 89,
// 88 and 188 plus the difference below).
double sx(const QWidget &dialog)
{
    return double(dialog.width()) / (245 + DlgInput::widerUnits(dialog));
}

TEST_F(DlgInputTest, ControlsSitWhereTheDialogUnitsPutThem)
{
    const int W = DlgInput::widerUnits(*dialog);
    EXPECT_GT(W, 0);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Dialogfeld"));
    // A horizontal unit is a quarter of the average letter width, a vertical one an
    // eighth of the font height: the dialog's aspect follows the font.
    const QFontMetrics fm(dialog->font());
    const double letter = fm.horizontalAdvance(QStringLiteral(
                              "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"))
        / 52.0;
    EXPECT_NEAR(dialog->width(), (245 + W) * letter / 4, 1);
    EXPECT_NEAR(dialog->height(), 218 * fm.height() / 8.0, 1);

    expectPlacedByUnits(*dialog, { 245 + W, 218 },
        { { dialog->statusLabel(), { 77, 140, 161 + W, 8 } },
            { dialog->infoList(), { 77, 157, 161 + W, 54 } },
            { dialog->stationList(), { 149, 76, 89 + W, 49 } },
            { dialog->lineEdit(), { 150, 60, 88 + W, 14 } },
            { dialog->cancelButton(), { 188 + W, 24, 50, 14 } },
            { dialog->okButton(), { 188 + W, 7, 50, 14 } },
            { dialog->fileButton(), { 104, 18, 60, 14 } },
            { dialog->nameEdit(), { 7, 18, 84, 14 } },
            { dialog->formatGroup()->button(0), { 13, 54, 57, 10 }, true },
            { dialog->formatGroup()->button(2), { 13, 75, 53, 10 }, true },
            { dialog->modeGroup()->button(1), { 81, 89, 65, 10 }, true },
            { dialog->modeGroup()->button(3), { 81, 111, 58, 10 }, true },
            { dialog->viewGroup()->button(1), { 13, 110, 48, 10 }, true },
            { dialog->thinningGroup()->button(0), { 13, 160, 49, 11 }, true },
            { dialog->thinningGroup()->button(3), { 13, 192, 59, 10 }, true } });

    // A grown radio button still ends inside the frame of its group, left of the
    // station list.
    EXPECT_LT(dialog->modeGroup()->button(1)->geometry().right(), dialog->stationList()->x());
    EXPECT_LT(dialog->formatGroup()->button(1)->geometry().right(), 75 * sx(*dialog));

    // OK stands right above Abbrechen, same column, not touching.
    EXPECT_EQ(dialog->okButton()->x(), dialog->cancelButton()->x());
    EXPECT_LT(dialog->okButton()->geometry().bottom(), dialog->cancelButton()->y());
    // The edit line sits right above the station list.
    EXPECT_LT(dialog->lineEdit()->geometry().bottom(), dialog->stationList()->y());
}

TEST_F(DlgInputTest, NoCaptionIsCutOff)
{
    for (QLabel *label : dialog->findChildren<QLabel *>()) {
        if (label == dialog->statusLabel())
            continue;
        SCOPED_TRACE(label->text().toStdString());
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width());
        EXPECT_LE(label->fontMetrics().height(), label->height());
    }
    for (QRadioButton *radio : dialog->findChildren<QRadioButton *>()) {
        SCOPED_TRACE(radio->text().toStdString());
        EXPECT_LE(radio->sizeHint().width(), radio->width());
    }
    for (QPushButton *button : dialog->findChildren<QPushButton *>()) {
        SCOPED_TRACE(button->text().toStdString());
        EXPECT_LT(button->fontMetrics().horizontalAdvance(button->text()), button->width() - 4);
    }
}

TEST_F(DlgInputTest, StationRowsAreTwoPixelsTallerThanInfoRows)
{
    const int station
        = dialog->stationList()->visualRect(dialog->stationList()->model()->index(0, 0)).height();
    const int info = dialog->infoList()->visualItemRect(dialog->infoList()->item(0)).height();
    EXPECT_EQ(station, info + 2);
}

// The depth request and the about box left their fixed dialog-unit rectangles for Qt's
// layouts, so that longer translations fit: they keep the classic order of their
// controls, and every caption gets the room it asks for.
TEST(DialogLayout, InterpolationDialogKeepsItsOrder)
{
    widgetApp();
    DlgInterpolation dialog;
    ASSERT_TRUE(showActive(&dialog));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Eingabe der Teufe zur Interpolation"));
    // Abbrechen and OK side by side at the top right, OK last.
    EXPECT_EQ(dialog.cancelButton()->y(), dialog.okButton()->y());
    EXPECT_LE(dialog.cancelButton()->geometry().right(), dialog.okButton()->x());
    EXPECT_GT(dialog.okButton()->x(), dialog.width() / 2);
    // The depth's text below them, the edit at the bottom right.
    EXPECT_GT(dialog.textLabel()->y(), dialog.okButton()->geometry().bottom());
    EXPECT_GT(dialog.depthEdit()->y(), dialog.textLabel()->geometry().bottom());
    EXPECT_GT(dialog.depthEdit()->x(), dialog.width() / 2);
    for (QLabel *label : dialog.findChildren<QLabel *>()) {
        SCOPED_TRACE(label->text().toStdString());
        EXPECT_GE(label->width(), label->sizeHint().width());
    }
}

TEST(DialogLayout, AboutBoxCaptionsFitAndOkIsTheDefault)
{
    widgetApp();
    CAboutDlg about;
    ASSERT_TRUE(showActive(&about));
    EXPECT_EQ(about.windowTitle(), QString::fromUtf8("Info über dravon"));
    bool version = false;
    for (QLabel *label : about.findChildren<QLabel *>()) {
        version = version || label->text() == QStringLiteral("dravon, Version 2.0");
        if (label->pixmap().isNull()) {
            SCOPED_TRACE(label->text().toStdString());
            // A paragraph of several lines: its widest line and all its lines fit.
            const QRect needed = label->fontMetrics().boundingRect(
                QRect(0, 0, 10000, 10000), Qt::AlignLeft | Qt::AlignTop, label->text());
            EXPECT_LE(needed.width(), label->width());
            EXPECT_LE(needed.height(), label->height());
            EXPECT_LE(label->geometry().right(), about.width());
        }
    }
    EXPECT_TRUE(version);
    // The icon stays left of the text column.
    for (QLabel *icon : about.findChildren<QLabel *>()) {
        if (icon->pixmap().isNull())
            continue;
        EXPECT_LE(icon->pixmap().deviceIndependentSize().width(), icon->width());
        for (QLabel *text : about.findChildren<QLabel *>()) {
            if (text->pixmap().isNull()) {
                SCOPED_TRACE(text->text().toStdString());
                EXPECT_FALSE(icon->geometry().intersects(text->geometry()));
            }
        }
    }
    const auto buttons = about.findChildren<QPushButton *>();
    ASSERT_EQ(buttons.size(), 1);
    EXPECT_TRUE(buttons[0]->isDefault());
    EXPECT_EQ(buttons[0]->text(), QStringLiteral("OK"));
}

} // namespace
