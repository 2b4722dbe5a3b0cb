// What the document tests share: a measurement dialog that runs a script instead of a
// window, a document wired to it and to a scripted prompter, signal counters, and a
// snapshot of everything a refused command must leave alone.
#pragma once

#include "core/cformat.h"
#include "core/scriptedprompter.h"
#include "document/dravondoc.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <string>

// Records what the document handed over and lets the test act as the user.
class ScriptedDialog : public MeasurementDialog
{
public:
    // Edits the state as the user would and returns OK (true) or Cancel (false).
    std::function<bool(LineEditor &)> script;
    int runs = 0;
    LineEditor handedOver;

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
    std::string name;
    int format, ansicht, maxWerte, neueDaten, gitter, methode;
    StringList eingabe, info, ergebnisse;
    std::string grafikTitel;
    bool modified;
    QString path, title;
    WellSettings settings;

    explicit DocSnapshot(const CDravonDoc &d)
        : name(d.m_Name)
        , format(d.m_Format)
        , ansicht(d.m_Ansicht)
        , maxWerte(d.m_MaxWerte)
        , neueDaten(d.m_bNeueDaten)
        , gitter(d.m_bGitter)
        , methode(d.m_Methode)
        , eingabe(d.m_Eingabe)
        , info(d.m_Info)
        , ergebnisse(d.m_Ergebnisse)
        , grafikTitel(d.m_GrafikTitel)
        , modified(d.IsModified())
        , path(d.GetPathName())
        , title(d.GetTitle())
        , settings(d.m_WellSettings)
    {
    }
    bool operator==(const DocSnapshot &) const = default;
};

inline void PrintTo(const DocSnapshot &s, std::ostream *os)
{
    *os << "{name=" << s.name << " format=" << s.format << " lines=" << s.eingabe.size()
        << " results=" << s.ergebnisse.size() << " modified=" << s.modified << "}";
}

// A station line in the layout the file readers write.
inline std::string station(double depth, double inclination, double azimuth)
{
    return cfmt("%8.2f  %7.2f  %7.2f", depth, inclination, azimuth);
}

class DocumentTest : public ::testing::Test
{
protected:
    DocumentTest()
        : doc(prompter, dialog)
    {
        QObject::connect(&doc, &CDravonDoc::viewsUpdate, [this] { ++viewUpdates; });
        QObject::connect(
            &doc, &CDravonDoc::modifiedChanged, [this](bool m) { modifiedSignals.push_back(m); });
        QObject::connect(
            &doc, &CDravonDoc::titleChanged, [this](const QString &t) { titles.push_back(t); });
        doc.OnNewDocument();
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

    // Puts four stations into the document through the dialog, as a user would.
    void enterStations(const StringList &lines
        = { station(100, 0, 0), station(200, 10, 45), station(300, 20, 90) })
    {
        dialog.script = [lines](LineEditor &s) {
            s.m_Eingabe = lines;
            s.m_Name = "B 1";
            s.m_bGeaendert = 1;
            return true;
        };
        doc.OnDataChange();
        dialog.script = nullptr;
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
    int viewUpdates = 0;
    std::vector<bool> modifiedSignals;
    std::vector<QString> titles;
};
