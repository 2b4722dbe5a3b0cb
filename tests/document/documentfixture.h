// What the document tests share: a measurement dialog that runs a script instead of a
// window, a document with its desktop commands wired to it and to a scripted prompter,
// signal counters, and a snapshot of everything a refused command must leave alone.
#pragma once

#include "core/cformat.h"
#include "dialogs/scriptedprompter.h"
#include "dialogs/documentcommands.h"
#include "dialogs/measurementdialog.h"
#include "document/dravondoc.h"
#include "well/well.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Records what the commands handed over and lets the test act as the user.
class ScriptedDialog : public MeasurementDialog
{
public:
    // Edits the state as the user would and returns OK (true) or Cancel (false).
    std::function<bool(LineEditor &)> script;
    int runs = 0;
    LineEditor handedOver;
    // The tie-in point of a survey file the user imported in the dialog, if any.
    std::optional<well::TieIn> imported;

    std::optional<well::TieIn> importedTieIn() const override { return imported; }

    bool run(LineEditor &state) override
    {
        ++runs;
        handedOver = state;
        // What the dialog does when it opens, whatever the caller filled in.
        state.m_bGeaendert = 0;
        return script ? script(state) : true;
    }
};

// The parts of the document a refused or cancelled command must not change.
struct DocSnapshot
{
    well::Well well;
    int view;
    std::size_t checkedStations;
    std::uint64_t revision;
    StringList results;
    bool modified;
    QString path, title;

    explicit DocSnapshot(const CDravonDoc &d)
        : well(d.well())
        , view(d.view())
        , checkedStations(d.result().checked.stations.size())
        , revision(d.dataRevision())
        , results(d.resultsTable())
        , modified(d.IsModified())
        , path(d.GetPathName())
        , title(d.GetTitle())
    {
    }
    bool operator==(const DocSnapshot &) const = default;
};

inline void PrintTo(const DocSnapshot &s, std::ostream *os)
{
    *os << "{name=" << s.well.name << " format=" << s.well.format
        << " lines=" << s.well.survey.lineCount() << " view=" << s.view
        << " revision=" << s.revision << " results=" << s.results.size()
        << " modified=" << s.modified << "}";
}

// A station line in the layout the file readers write.
inline std::string station(double depth, double inclination, double azimuth)
{
    return cfmt("%8.2f  %7.2f  %7.2f", depth, inclination, azimuth);
}

// A well as the measurement dialog would hand it back.
inline well::Well wellWith(const StringList &lines, const std::string &name = "B 1",
    const StringList &info = {}, int format = 1)
{
    well::Well w;
    w.name = name;
    w.info = info;
    w.format = format;
    w.survey = well::surveyFromLines(lines);
    return w;
}

class DocumentTest : public ::testing::Test
{
protected:
    DocumentTest()
        : commands(doc, prompter, dialog)
    {
        QObject::connect(&doc, &CDravonDoc::viewsUpdate, [this] { ++viewUpdates; });
        QObject::connect(
            &doc, &CDravonDoc::modifiedChanged, [this](bool m) { modifiedSignals.push_back(m); });
        QObject::connect(
            &doc, &CDravonDoc::titleChanged, [this](const QString &t) { titles.push_back(t); });
        doc.reset();
        doc.setResultsPath(dir.filePath("aus.txt"));
        resetCounters();
    }

    void resetCounters()
    {
        viewUpdates = 0;
        modifiedSignals.clear();
        titles.clear();
        prompter.events.clear();
        dialog.runs = 0;
    }

    // Puts three stations into the document through the dialog, as a user would.
    void enterStations(const StringList &lines
        = { station(100, 0, 0), station(200, 10, 45), station(300, 20, 90) })
    {
        dialog.script = [lines](LineEditor &s) {
            s.m_Eingabe = lines;
            s.m_Name = "B 1";
            s.m_bGeaendert = 1;
            return true;
        };
        commands.OnDataChange();
        dialog.script = nullptr;
    }

    // Changes the well without the dialog, as a test's starting point.
    void changeWell(const std::function<void(well::Well &)> &edit, int view = -1)
    {
        well::Well w = doc.well();
        edit(w);
        doc.take(std::move(w), view < 0 ? doc.view() : view, false);
    }

    QByteArray fileBytes(const QString &path) const
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
    }

    QTemporaryDir dir;
    ScriptedPrompter prompter;
    ScriptedDialog dialog;
    CDravonDoc doc;
    DocumentCommands commands;
    int viewUpdates = 0;
    std::vector<bool> modifiedSignals;
    std::vector<QString> titles;
};
