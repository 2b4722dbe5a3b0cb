#include "field/wellfile.h"

#include "core/boundedread.h"
#include "document/docfile.h"
#include "exchange/stationmapping.h"
#include "exchange/tablefile.h"
#include "i18n/i18n.h"
#include "input/measurementfile.h"
#include "input/measurementreader.h"

#include <algorithm>
#include <filesystem>

namespace field {

namespace {

// A table: no descriptive lines, the mapping the table itself shows.
bool readTable(const std::string &path, exchange::TableFormat format, const FileReading &reading,
    WellFile &out, std::string &fault, const std::string &sheet = std::string())
{
    exchange::TableFileBytes bytes;
    exchange::TableFault refused;
    if (!exchange::readTableFile(path, bytes, refused)) {
        fault = refused.message;
        return false;
    }
    if (const auto wrong = exchange::checkTableContent(path, bytes.view(), format)) {
        fault = wrong->message;
        return false;
    }
    exchange::MappingRequest request;
    request.step = reading.step;
    std::string wellName; // as a LAS or WITSML file states it
    std::optional<well::TieIn> tieIn; // where a WITSML trajectory begins
    std::vector<well::FieldReading> fieldReadings; // a WITSML trajectory's field readings
    exchange::StationImport import = exchange::importTableStations(bytes.view(), format,
        exchange::Delimiter::Automatic, sheet, request, &wellName, &tieIn, &fieldReadings);
    if (import.fault) {
        fault = path + ": " + import.fault->message;
        return false;
    }
    if (std::string notice = import.notice(); !notice.empty())
        out.notices.push_back(path + ": " + notice);
    well::Well &well = out.well;
    well.survey = std::move(import.survey);
    // A first row taken as the tie-in; otherwise where a WITSML trajectory begins.
    well.settings.tieIn = import.tieIn ? import.tieIn : tieIn;
    // The readings of a table's reading columns; otherwise a WITSML trajectory's.
    well.settings.fieldReadings
        = import.fieldReadings.empty() ? std::move(fieldReadings) : std::move(import.fieldReadings);
    well.info.clear();
    well.name = wellName.empty() ? exchange::nameFromPath(path) : wellName;
    return true;
}

} // namespace

std::optional<WellFile> readWellFile(
    const std::string &path, const FileReading &reading, std::string &fault)
{
    WellFile out;
    const std::string extension = std::filesystem::path(path).extension().string();
    if (extension.size() == 4 && (extension[1] | 0x20) == 'd' && (extension[2] | 0x20) == 'v'
        && (extension[3] | 0x20) == 'n') {
        DocumentItems items;
        if (!readDocumentFile(path, path, items, fault))
            return std::nullopt;
        out.well = wellOf(std::move(items));
        out.settings = out.well.settings;
        return out;
    }
    if (const auto format = exchange::tableFormatForPath(path)) {
        if (!readTable(path, *format, reading, out, fault))
            return std::nullopt;
        return out;
    }
    std::string bytes;
    if (!boundedread::readFile(path, bytes).ok()) {
        fault = i18n::arg(
            i18n::translate("Batch", "Die Datei %1 kann nicht gelesen werden."), { path });
        return std::nullopt;
    }
    well::Well &well = out.well;
    const MeasurementRead read
        = readMeasurement(splitLines(bytes), reading.format, reading.step, well.name, well.info);
    for (const ReadFault &f : read.faults)
        out.notices.push_back(f.message);
    out.complete = !read.aborted;
    well.survey = well::surveyFromLines(read.stations);
    well.info = read.info;
    well.name = read.name;
    well.format = reading.format;
    return out;
}

std::vector<std::string> trajectoriesOf(const std::string &path)
{
    if (exchange::tableFormatForPath(path) != exchange::TableFormat::Witsml)
        return {};
    exchange::TableFileBytes bytes;
    exchange::TableFault refused;
    if (!exchange::readTableFile(path, bytes, refused))
        return {};
    return exchange::loadTable(bytes.view(), exchange::TableFormat::Witsml,
        exchange::Delimiter::Automatic, std::string())
        .sheetNames;
}

std::vector<std::string> importPaths(const std::vector<std::string> &given)
{
    std::vector<std::string> out;
    for (const std::string &path : given) {
        std::error_code ec;
        if (!std::filesystem::is_directory(path, ec)) {
            out.push_back(path);
            continue;
        }
        std::vector<std::string> inside;
        for (const auto &entry : std::filesystem::directory_iterator(path, ec)) {
            const std::string name = entry.path().filename().string();
            if (entry.is_regular_file(ec) && !name.starts_with('.'))
                inside.push_back(entry.path().string());
        }
        std::sort(inside.begin(), inside.end());
        out.insert(out.end(), inside.begin(), inside.end());
    }
    return out;
}

std::optional<std::vector<ImportItem>> importItemsOf(const std::string &path,
    const std::string &fieldName, const std::string &site, const FileReading &reading,
    std::vector<std::string> &notices, std::string &fault)
{
    const std::string name = std::filesystem::path(path).stem().string();
    const std::vector<std::string> trajectories = trajectoriesOf(path);
    std::vector<ImportItem> items;
    // Every trajectory of a WITSML file with several; any other file is one.
    const std::size_t count = std::max<std::size_t>(trajectories.size(), 1);
    for (std::size_t k = 0; k < count; ++k) {
        std::optional<WellFile> file;
        if (count > 1) {
            file.emplace();
            if (!readTable(path, exchange::TableFormat::Witsml, reading, *file, fault,
                    std::to_string(k + 1)))
                return std::nullopt;
        } else {
            file = readWellFile(path, reading, fault);
            if (!file)
                return std::nullopt;
        }
        notices.insert(notices.end(), file->notices.begin(), file->notices.end());
        if (!file->complete) {
            fault = i18n::arg(
                i18n::translate("Feld", "Die Datei %1 kann nicht ganz gelesen werden."), { path });
            return std::nullopt;
        }
        ImportItem item;
        // A trajectory without a name of its own is numbered.
        std::string wellbore = name;
        if (count > 1) {
            wellbore = trajectories[k];
            if (wellbore.empty()) {
                wellbore = name;
                wellbore += ' ';
                wellbore += std::to_string(k + 1);
            }
        }
        item.well = std::move(file->well);
        item.well.name = wellbore;
        item.place = { fieldName, site, name, name, wellbore };
        item.source = std::filesystem::path(path).filename().string();
        items.push_back(std::move(item));
    }
    return items;
}

} // namespace field
