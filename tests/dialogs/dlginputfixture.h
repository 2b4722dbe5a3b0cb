// A measurement dialog on a small survey, shown and active, with scripted answers.
#pragma once

#include "dialogs/scriptedprompter.h"
#include "dialogs/dlginput.h"
#include "tests/dialogs/widgetapp.h"

#include <QLineEdit>
#include <QListView>
#include <QListWidget>

#include <gtest/gtest.h>

#include <memory>

class DlgInputTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        widgetApp();
        // Given out of depth order: the list shows them sorted.
        state.m_Eingabe = { "  300.00   20.00   90.00", "  100.00    0.00    0.00",
            "  200.00   10.00   45.00", "  400.00   25.00   95.00", "  500.00   30.00  100.00" };
        state.m_Info = { "Von    0.00-1234.50 m Teufe  7. 5.2013 Kreisel" };
        state.m_Name = "Probe 1";
        state.m_Format = 0;
        state.m_Ansicht = 0;
        state.m_ZeilenModus = 0;
        original = state;
        dialog = std::make_unique<DlgInput>(state, prompter);
        ASSERT_TRUE(showActive(dialog.get()));
    }

    void TearDown() override
    {
        dialog.reset();
        settle();
    }

    // Double-clicks the station entry in `row`.
    void doubleClickStation(int row)
    {
        QListView *list = dialog->stationList();
        const QPoint at = list->visualRect(list->model()->index(row, 0)).center();
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        settle();
    }

    // Replaces the edit line's text by typing, as a user would.
    void typeLine(const QString &text)
    {
        QLineEdit *edit = dialog->lineEdit();
        edit->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(edit, text);
    }

    void tab()
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        settle();
    }

    LineEditor state;
    LineEditor original;
    ScriptedPrompter prompter;
    std::unique_ptr<DlgInput> dialog;
};
