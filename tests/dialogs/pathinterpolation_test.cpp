// "Interpolation entlang der Bahn" and the view settings, driven as a user would: typed
// requests on a well that turns upward, refused input, the copied table and the export.
#include "dialogs/pathinterpolationdlg.h"
#include "dialogs/viewsettingsdlg.h"
#include "export/delimitedwriter.h"
#include "tests/dialogs/widgetapp.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using Mode = PathInterpolationDlg::Mode;

// Down to horizontal and beyond: the path passes most depths twice.
traj::Trajectory upwardWell()
{
    const float md[] = { 0, 100, 200, 300, 400, 500 };
    const float inc[] = { 0, 0, 45, 89, 120, 150 };
    const float azi[] = { 0, 0, 90, 90, 90, 90 };
    traj::Trajectory t;
    traj::computeTrajectory(md, inc, azi, 6, t);
    return t;
}

class PathDialog : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(showActive(&dialog)); }

    // Types the value and presses Enter.
    void request(Mode mode, const QString &value)
    {
        dialog.setRequest(mode, QString());
        dialog.valueEdit()->setFocus();
        QTest::keyClicks(dialog.valueEdit(), value);
        QTest::keyClick(dialog.valueEdit(), Qt::Key_Return);
    }
    QString cell(int row, int column) const
    {
        return dialog.table()->model()->index(row, column).data().toString();
    }
    int rows() const { return dialog.table()->model()->rowCount(); }
    QStringList headings() const
    {
        QStringList h;
        for (int c = 0; c < dialog.table()->model()->columnCount(); ++c)
            h << dialog.table()->model()->headerData(c, Qt::Horizontal).toString();
        return h;
    }
    int column(const QString &startsWith) const
    {
        const QStringList h = headings();
        for (int c = 0; c < h.size(); ++c)
            if (h[c].startsWith(startsWith))
                return c;
        ADD_FAILURE() << "no column " << startsWith.toStdString();
        return 0;
    }

    QApplication &app = widgetApp();
    traj::Trajectory well = upwardWell();
    PathInterpolationDlg dialog { well, LengthUnit::Metre, std::nullopt };
};

TEST_F(PathDialog, DepthTvdWithTwoCrossingsAndAStepListing)
{
    request(Mode::AtMd, QStringLiteral("150,5"));
    ASSERT_EQ(rows(), 1);
    EXPECT_EQ(cell(0, 0), QStringLiteral("150,50"));
    EXPECT_NEAR(dialog.result().rows[0].point.md, 150.5, 1e-9);

    // Ten metres above the deepest station: reached going down and again coming up.
    const double tvd = well.stations[3].tvd - 10.0;
    request(Mode::AtTvd, QString::number(tvd, 'f', 6));
    ASSERT_EQ(rows(), 2);
    for (const listing::Row &r : dialog.result().rows)
        EXPECT_NEAR(r.point.tvd, tvd, 1e-6);
    EXPECT_LT(dialog.result().rows[0].point.md, 300.0);
    EXPECT_GT(dialog.result().rows[1].point.md, 300.0);
    EXPECT_TRUE(dialog.messageLabel()->text().contains(QStringLiteral("2-mal")));

    request(Mode::EveryMd, QStringLiteral("30"));
    ASSERT_EQ(rows(), 18); // 0, 30, ..., 480 and the last station at 500
    EXPECT_EQ(cell(17, 0), QStringLiteral("500,00"));
    EXPECT_EQ(cell(17, column(QStringLiteral("Anfrage"))), QStringLiteral("alle 30 m"));
    // The heading of the export's column table, with the interface's decimal comma (it
    // used to show the CSV file's decimal point).
    column(QStringLiteral("Vertikalschnitt bei 90,00° (m)"));
}

// The dialog shows the export's one column table: the same headings in the same order
// as the German CSV header (both with a decimal comma), each number with its column's
// decimals and a decimal comma. The dogleg has three decimals like the results table's
// "JE 30 M".
TEST_F(PathDialog, ShowsTheColumnsOfTheExport)
{
    request(Mode::EveryMd, QStringLiteral("50"));
    ASSERT_EQ(rows(), 11);
    const std::string csv = surveyexport::delimitedText(
        surveyexport::listingTable(dialog.result(), true), surveyexport::germanCsvStyle());
    const QString header = QString::fromUtf8(csv.substr(3, csv.find("\r\n") - 3));
    EXPECT_EQ(headings().join(QLatin1Char(';')), header);
    EXPECT_TRUE(headings().contains(QStringLiteral("Gesamtabweichung (m)")));

    // Row 5 is at 250 m, halfway through the build from 45° to 89° over 100 m: a constant
    // curvature of 44° per 100 m, 13.2° per 30 m.
    const int dogleg = column(QStringLiteral("Abknickung (°/30 m)"));
    EXPECT_EQ(cell(5, dogleg), QStringLiteral("13,200"));
    EXPECT_EQ(cell(5, column(QStringLiteral("Neigung"))), QStringLiteral("67,00"));
}

TEST_F(PathDialog, RefusesInGermanAndKeepsNoOldRows)
{
    request(Mode::AtMd, QStringLiteral("100"));
    ASSERT_EQ(rows(), 1);
    const struct
    {
        Mode mode;
        const char *value, *says;
    } refused[] = {
        { Mode::AtMd, "600", "außerhalb der berechneten Bohrung (0,00 bis 500,00 m)" },
        { Mode::AtTvd, "5000", "wird von der Bohrung nicht erreicht" },
        { Mode::AtMd, "zwei", "keine Zahl" },
        { Mode::EveryMd, "0", "größer als 0" },
    };
    for (const auto &r : refused) {
        request(r.mode, QString::fromUtf8(r.value));
        EXPECT_EQ(rows(), 0) << r.value;
        EXPECT_TRUE(dialog.messageLabel()->text().contains(QString::fromUtf8(r.says)))
            << dialog.messageLabel()->text().toStdString();
        EXPECT_FALSE(dialog.copyButton()->isEnabled());
        EXPECT_FALSE(dialog.exportButton()->isEnabled());
    }
}

TEST_F(PathDialog, CopiesTabSeparatedAndExportsTheListing)
{
    request(Mode::EveryMd, QStringLiteral("100"));
    ASSERT_EQ(rows(), 6);
    QApplication::clipboard()->clear();
    QTest::keyClick(dialog.table(), Qt::Key_C, Qt::ControlModifier);
    const QStringList lines
        = QApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 7);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Teufe (m)\tNeigung (°)\t")));
    for (int r = 0; r < 6; ++r) {
        const QStringList fields = lines[r + 1].split(QLatin1Char('\t'));
        ASSERT_EQ(fields.size(), headings().size());
        EXPECT_EQ(fields[0], cell(r, 0));
        EXPECT_EQ(fields[3], cell(r, 3));
    }
    EXPECT_EQ(lines[3].section(QLatin1Char('\t'), 0, 0), QStringLiteral("200,00"));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("liste.csv"));
    ASSERT_TRUE(dialog.exportTo(path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toStdString(), surveyexport::listingCsv(dialog.result()));
    EXPECT_FALSE(dialog.exportTo(dir.filePath(QStringLiteral("fehlt/liste.csv"))));
    EXPECT_TRUE(dialog.messageLabel()->text().contains(QStringLiteral("kann nicht geschrieben")));
}

// Before the first request the heading names the section azimuth the rows will have (it
// showed 0° until then); a well placed in the field gets the absolute columns.
TEST(PathDialogSettings, HeadingsInEffectFromTheStartAndAbsoluteColumns)
{
    widgetApp();
    const traj::Trajectory well = upwardWell(); // ends due east
    const auto headings = [](const PathInterpolationDlg &d) {
        QStringList h;
        for (int c = 0; c < d.table()->model()->columnCount(); ++c)
            h << d.table()->model()->headerData(c, Qt::Horizontal).toString();
        return h;
    };
    const PathInterpolationDlg automatic(well, LengthUnit::Metre, std::nullopt);
    EXPECT_TRUE(headings(automatic).contains(QStringLiteral("Vertikalschnitt bei 90,00° (m)")));

    surveyexport::RowSettings placed { LengthUnit::Foot, 72.61, {} };
    placed.placement.wellhead = Wellhead { 500000.0, 5700000.0 };
    placed.placement.turn = 0.0;
    PathInterpolationDlg dialog(well, placed);
    EXPECT_TRUE(headings(dialog).contains(QStringLiteral("Vertikalschnitt bei 72,61° (ft)")));
    dialog.setRequest(Mode::AtMd, QStringLiteral("1000"));
    ASSERT_TRUE(dialog.compute());
    // 1000 ft is 304.8 m, 4.8 m past the station at 300 m where the path runs east
    // nearly level (89°): about 4.8 m further east.
    const QStringList h = headings(dialog);
    const int easting = int(h.indexOf(QStringLiteral("Rechtswert (m)")));
    ASSERT_GE(easting, 0) << h.join(QLatin1Char('|')).toStdString();
    const double east = 500000.0 + dialog.result().rows[0].point.east;
    EXPECT_NEAR(east, 500000.0 + well.stations[3].east + 4.8, 0.01);
    EXPECT_EQ(dialog.table()->model()->index(0, easting).data().toString(),
        QString::number(east, 'f', 3).replace(QLatin1Char('.'), QLatin1Char(',')));
}

TEST(ViewSettings, ShowsAndReturnsTheChoice)
{
    widgetApp();
    ViewSettingsDlg dialog({ std::nullopt, LengthUnit::Foot }, false, 72.5);
    ASSERT_TRUE(showActive(&dialog));
    EXPECT_TRUE(dialog.automaticButton()->isChecked());
    EXPECT_FALSE(dialog.azimuthBox()->isEnabled());
    EXPECT_TRUE(dialog.automaticButton()->text().contains(QStringLiteral("72,5°")));
    EXPECT_EQ(dialog.preferences(), (ViewPreferences { std::nullopt, LengthUnit::Foot }));

    QRadioButton *fixedButton = dialog.fixedButton();
    QTest::mouseClick(fixedButton, Qt::LeftButton, {}, QPoint(6, fixedButton->height() / 2));
    EXPECT_TRUE(dialog.azimuthBox()->isEnabled());
    dialog.azimuthBox()->setValue(45.25);
    dialog.unitBox()->setCurrentIndex(0);
    dialog.documentBox()->setChecked(true);
    EXPECT_EQ(dialog.preferences(), (ViewPreferences { 45.25, LengthUnit::Metre }));
    EXPECT_TRUE(dialog.storeInDocument());
}

// The cylinder's outer ring: empty is automatic, a comma or a point is read; what is no
// positive number keeps the dialog open with a message and the text as typed.
TEST(ViewSettings, TheCylinderRadiusIsReadOrRefusedWithAMessage)
{
    widgetApp();
    ViewSettingsDlg shown({ std::nullopt, LengthUnit::Metre, 12.5 }, false, 0.0);
    EXPECT_EQ(shown.cylinderRadiusBox()->text(), QStringLiteral("12,5"));
    EXPECT_EQ(shown.preferences().cylinderRadius, 12.5);

    for (const auto &[typed, metres] : { std::pair("", 0.0), std::pair(" 40 ", 40.0),
             std::pair("7,25", 7.25), std::pair("7.25", 7.25), std::pair("1e3", 1000.0) }) {
        ViewSettingsDlg dialog(ViewPreferences {}, false, 0.0);
        ASSERT_TRUE(showActive(&dialog));
        dialog.cylinderRadiusBox()->setText(QString::fromUtf8(typed));
        dialog.accept();
        EXPECT_EQ(dialog.result(), QDialog::Accepted) << typed;
        EXPECT_EQ(dialog.preferences().cylinderRadius.value_or(0.0), metres) << typed;
    }
    for (const char *typed : { "abc", "0", "-5", "12 m", "nan", "inf" }) {
        ViewSettingsDlg dialog(ViewPreferences {}, false, 0.0);
        ASSERT_TRUE(showActive(&dialog));
        dialog.cylinderRadiusBox()->setText(QString::fromUtf8(typed));
        dialog.accept();
        EXPECT_TRUE(dialog.isVisible()) << typed;
        EXPECT_NE(dialog.result(), QDialog::Accepted) << typed;
        EXPECT_TRUE(dialog.cylinderRadiusMessage()->isVisible()) << typed;
        EXPECT_TRUE(
            dialog.cylinderRadiusMessage()->text().contains(QStringLiteral("größer als 0")));
        EXPECT_GE(dialog.cylinderRadiusMessage()->height(),
            dialog.cylinderRadiusMessage()->sizeHint().height())
            << "the message is shown whole";
        EXPECT_EQ(dialog.cylinderRadiusBox()->text(), QString::fromUtf8(typed));
        EXPECT_FALSE(dialog.preferences().cylinderRadius.has_value()) << typed;
        // Typing again takes the message away.
        QTest::keyClick(dialog.cylinderRadiusBox(), Qt::Key_Backspace);
        EXPECT_FALSE(dialog.cylinderRadiusMessage()->isVisible()) << typed;
    }
}

} // namespace
