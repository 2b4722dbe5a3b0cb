// The error model in "Bohrung …": its fields open only with a model (and the declination
// with it, whatever the north), a refused or missing input names its field and loses no
// typed text, and the settings come back as they went in. The path dialog then lists
// the uncertainty and names the model.
#include "core/decimalsign.h"
#include "dialogs/pathinterpolationdlg.h"
#include "export/wellrows.h"
#include "tests/dialogs/dlgwellfixture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

struct WellDialog : WellDialogFixture
{
    using WellDialogFixture::WellDialogFixture;
    QList<QLineEdit *> inputs() const
    {
        return { dialog.latitudeEdit(), dialog.gravityEdit(), dialog.totalFieldEdit(),
            dialog.dipEdit(), dialog.ellipseSigmaEdit() };
    }
    void choose(ErrorModel model)
    {
        dialog.errorModelBox()->setCurrentIndex(dialog.errorModelBox()->findData(int(model)));
    }
};

} // namespace

TEST(WellDialogUncertainty, FieldsOpenWithAModelAndTheSettingsComeBack)
{
    WellDialog w { WellSettings {} };
    for (QLineEdit *e : w.inputs())
        EXPECT_FALSE(e->isEnabled());
    EXPECT_FALSE(w.dialog.declinationEdit()->isEnabled()) << "true north needs none";
    w.choose(ErrorModel::IscwsaMwdRev4);
    for (QLineEdit *e : w.inputs())
        EXPECT_TRUE(e->isEnabled());
    EXPECT_TRUE(w.dialog.declinationEdit()->isEnabled()) << "the model works in magnetic north";

    w.dialog.totalFieldEdit()->setText(QStringLiteral("50000"));
    w.dialog.dipEdit()->setText(QStringLiteral("72,5"));
    w.dialog.declinationEdit()->setText(QStringLiteral("-4"));
    w.dialog.ellipseSigmaEdit()->setText(QStringLiteral("2,5"));
    w.dialog.gravityEdit()->clear(); // the default
    WellSettings entered;
    ASSERT_EQ(w.fault(entered), "");
    const UncertaintySettings &u = entered.uncertainty;
    EXPECT_EQ(u.model, ErrorModel::IscwsaMwdRev4);
    EXPECT_EQ(u.dip, 72.5);
    EXPECT_EQ(u.ellipseSigma, 2.5);
    EXPECT_EQ(u.gravity, UncertaintySettings {}.gravity);
    EXPECT_FALSE(u.latitude);

    // Opened again on what was entered, OK gives the same settings.
    WellDialog again { entered };
    EXPECT_EQ(again.dialog.dipEdit()->text(), QStringLiteral("72,5"));
    WellSettings same;
    ASSERT_EQ(again.fault(same), "");
    EXPECT_EQ(same, entered);
}

TEST(WellDialogUncertainty, RefusedAndMissingInputsNameTheirField)
{
    WellSettings start;
    start.declination = 1;
    WellDialog w { start };
    w.choose(ErrorModel::IscwsaMwdRev5);
    w.dialog.totalFieldEdit()->setText(QStringLiteral("50000"));
    w.dialog.dipEdit()->setText(QStringLiteral("72"));
    const std::pair<QLineEdit *, const char *> cases[]
        = { { w.dialog.latitudeEdit(), "91" }, { w.dialog.gravityEdit(), "98,1" },
              { w.dialog.totalFieldEdit(), "50" }, { w.dialog.dipEdit(), "zweiundsiebzig" },
              { w.dialog.ellipseSigmaEdit(), "0" }, { w.dialog.totalFieldEdit(), "" },
              { w.dialog.dipEdit(), " " }, { w.dialog.declinationEdit(), "" } };
    for (const auto &[edit, text] : cases) {
        const QString before = edit->text();
        edit->setText(QString::fromUtf8(text));
        WellSettings out;
        const std::string why = w.fault(out);
        // The field's label as the dialog shows it, without its unit and colon.
        const QList<QLabel *> labels = w.dialog.findChildren<QLabel *>();
        const auto label = std::find_if(
            labels.begin(), labels.end(), [&](QLabel *l) { return l->buddy() == edit; });
        ASSERT_NE(label, labels.end()) << text;
        const std::string field = (*label)
                                      ->text()
                                      .section(QLatin1Char(':'), 0, 0)
                                      .section(QStringLiteral(" ("), 0, 0)
                                      .toStdString();
        EXPECT_EQ(why.rfind(field, 0), 0u) << text << ": " << why;
        EXPECT_EQ(edit->text(), QString::fromUtf8(text)) << "the typed text stays";
        edit->setText(before);
    }
    // Grid azimuths need the convergence, unless the wellhead's system gives it.
    w.dialog.northBox()->setCurrentIndex(w.dialog.northBox()->findData(int(NorthReference::Grid)));
    WellSettings out;
    EXPECT_EQ(w.fault(out).rfind("Meridiankonvergenz", 0), 0u);
    w.dialog.eastingEdit()->setText(QStringLiteral("500000"));
    w.dialog.northingEdit()->setText(QStringLiteral("5700000"));
    w.dialog.epsgEdit()->setText(QStringLiteral("25832"));
    EXPECT_EQ(w.fault(out), "");
}

TEST(WellDialogUncertainty, ThePathDialogListsTheUncertaintyAndNamesTheModel)
{
    widgetApp();
    const float md[] = { 0, 500, 1000, 1500 }, inc[] = { 0, 10, 30, 45 }, azi[] = { 0, 40, 45, 50 };
    traj::Trajectory t;
    traj::computeTrajectory(md, inc, azi, 4, t);
    WellSettings s;
    s.declination = 2;
    s.uncertainty = { ErrorModel::IscwsaMwdRev5, {}, 52.0, 9.81, 49000.0, 68.0, 3 };
    surveyexport::RowSettings rows = surveyexport::rowSettings(s, LengthUnit::Foot, std::nullopt);
    ASSERT_TRUE(rows.uncertainty);
    PathInterpolationDlg dialog(t, rows);
    dialog.setRequest(PathInterpolationDlg::Mode::AtMd, QStringLiteral("3000"));
    ASSERT_TRUE(dialog.compute());
    EXPECT_TRUE(dialog.messageLabel()->text().contains(
        QStringLiteral("Fehlermodell: ISCWSA MWD Rev. 5, Ellipse 3 σ")));
    const QAbstractItemModel *model = dialog.table()->model();
    QStringList headings;
    for (int c = 0; c < model->columnCount(); ++c)
        headings << model->headerData(c, Qt::Horizontal).toString();
    EXPECT_EQ(headings.first(), QStringLiteral("Teufe (ft)"));
    const int nn = int(headings.indexOf(QStringLiteral("Kov NN (m²)")));
    const int sigma = int(headings.indexOf(QStringLiteral("σ Nord (m)")));
    ASSERT_GE(nn, 0);
    ASSERT_GE(sigma, 0);
    ASSERT_TRUE(dialog.result().rows[0].covariance);
    EXPECT_GT(dialog.result().rows[0].covariance->xx, 0.0);
    EXPECT_EQ(model->index(0, sigma).data().toString().toStdString(),
        decimalsign::fixed(
            std::sqrt(dialog.result().rows[0].covariance->xx), 3, decimalsign::Sign::Comma));
}
