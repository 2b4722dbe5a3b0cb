// Streaming readers of a spreadsheet's XML parts.
#include "exchange/sheetxml.h"

#include "core/cformat.h"
#include "i18n/i18n.h"

#include <cstring>

namespace exchange {

namespace {

    std::string cellText(const QString &text)
    {
        std::string kept = text.toStdString();
        clipCellText(kept);
        return kept;
    }

    // Keeps collecting text only while it could still matter (a cell keeps
    // kMaxCellCharacters, each one or two UTF-16 units).
    void appendBounded(QString &text, QStringView more)
    {
        const qsizetype room = static_cast<qsizetype>(2 * kMaxCellCharacters) + 1 - text.size();
        if (room > 0)
            text += more.left(room);
    }

    enum class XmlPart { Sheet, SharedStrings };

    TableFault xmlFault(const QXmlStreamReader &xml, XmlPart part)
    {
        // One whole sentence for each part, so that a language may place the part's name
        // where it needs it.
        const std::string format = part == XmlPart::Sheet
            ? i18n::translateFormat("Tabellenimport",
                "Das Tabellenblatt der Arbeitsmappe ist kein lesbares XML (Zeile %lld, Spalte "
                "%lld: %s).")
            : i18n::translateFormat("Tabellenimport",
                "Die Textliste der Arbeitsmappe ist kein lesbares XML (Zeile %lld, Spalte %lld: "
                "%s).");
        TableFault fault;
        fault.message = cfmt(format.c_str(), static_cast<long long>(xml.lineNumber()),
            static_cast<long long>(xml.columnNumber()), xml.errorString().toStdString().c_str());
        return fault;
    }

    // How many bytes of a piece come before a NUL. QXmlStreamReader takes a NUL given with
    // the whole document as its end, and one in a later piece as an error: the readers
    // refuse it themselves, so that a sheet reads the same in any pieces.
    std::size_t beforeNul(const char *data, std::size_t size)
    {
        const void *nul = std::memchr(data, 0, size);
        return nul ? static_cast<std::size_t>(static_cast<const char *>(nul) - data) : size;
    }

    QString nulFault()
    {
        return QString::fromStdString(
            i18n::translate("Tabellenimport", "ein Nullzeichen, das in XML nicht stehen darf"));
    }

} // namespace

int referenceColumn(QStringView reference)
{
    int column = 0;
    qsizetype i = 0;
    for (; i < reference.size() && reference[i].isLetter(); ++i) {
        const char16_t c = reference[i].toUpper().unicode();
        if (c < u'A' || c > u'Z' || i >= 3)
            return -1;
        column = column * 26 + (c - u'A' + 1);
    }
    return i == 0 ? -1 : column - 1;
}

int referenceRow(QStringView reference)
{
    qsizetype i = 0;
    while (i < reference.size() && reference[i].isLetter())
        ++i;
    bool ok = false;
    const int row = reference.mid(i).toInt(&ok);
    return ok && row > 0 ? row - 1 : -1;
}

SheetXmlReader::SheetXmlReader(const std::vector<std::string> &sharedStrings)
    : m_shared(sharedStrings)
{
}

bool SheetXmlReader::addData(const char *data, std::size_t size)
{
    if (m_fault)
        return false;
    const std::size_t kept = beforeNul(data, size);
    m_xml.addData(QByteArray(data, static_cast<qsizetype>(kept)));
    parse();
    if (!m_fault && kept < size) {
        m_xml.raiseError(nulFault());
        setFault(xmlFault(m_xml, XmlPart::Sheet));
    }
    return !m_fault;
}

bool SheetXmlReader::finish()
{
    if (m_fault)
        return false;
    parse();
    if (!m_fault && !m_xml.atEnd())
        setFault(xmlFault(m_xml, XmlPart::Sheet));
    if (!m_fault && m_xml.hasError())
        setFault(xmlFault(m_xml, XmlPart::Sheet));
    return !m_fault;
}

void SheetXmlReader::setFault(TableFault fault)
{
    if (!m_fault)
        m_fault = std::move(fault);
}

void SheetXmlReader::parse()
{
    while (!m_fault && !m_xml.atEnd()) {
        const QXmlStreamReader::TokenType token = m_xml.readNext();
        if (token == QXmlStreamReader::Invalid) {
            if (m_xml.error() != QXmlStreamReader::PrematureEndOfDocumentError)
                setFault(xmlFault(m_xml, XmlPart::Sheet));
            return; // wait for the next piece
        }
        if (token == QXmlStreamReader::StartElement) {
            startElement();
        } else if (token == QXmlStreamReader::EndElement) {
            endElement();
        } else if (token == QXmlStreamReader::Characters && m_phonetic == 0
            && (m_inValue || m_inInlineText)) {
            appendBounded(m_text, m_xml.text());
        }
    }
}

void SheetXmlReader::startElement()
{
    const QStringView name = m_xml.name();
    if (name == u"row") {
        const QXmlStreamAttributes attributes = m_xml.attributes();
        const QStringView r = attributes.value(QLatin1StringView("r"));
        bool ok = true;
        const int row = r.isEmpty() ? m_nextRow : r.toInt(&ok) - 1;
        if (!ok || row < 0) {
            TableFault fault;
            fault.text = cellText(r.toString());
            fault.message = cfmt(i18n::translateFormat("Tabellenimport",
                                     "Das Tabellenblatt hat eine ungültige Zeilennummer „%s“.")
                                     .c_str(),
                r.toString().toStdString().c_str());
            setFault(fault);
            return;
        }
        if (row >= kMaxRows) {
            setFault(tooLargeFault());
            return;
        }
        m_row = row;
        m_nextRow = row + 1;
        m_nextColumn = 0;
    } else if (name == u"c") {
        const QXmlStreamAttributes attributes = m_xml.attributes();
        const QStringView reference = attributes.value(QLatin1StringView("r"));
        m_column = reference.isEmpty() ? m_nextColumn : referenceColumn(reference);
        if (!reference.isEmpty()) {
            const int row = referenceRow(reference);
            if (row >= kMaxRows) {
                setFault(tooLargeFault());
                return;
            }
            if (row >= 0)
                m_row = row;
        }
        if (m_row < 0)
            m_row = 0;
        m_nextColumn = m_column + 1;
        m_type = attributes.value(QLatin1StringView("t")).toString();
        m_text.clear();
        m_inCell = true;
    } else if (m_inCell && name == u"v") {
        m_inValue = true;
    } else if (m_inCell && name == u"is") {
        m_inInline = true;
    } else if (m_inInline && name == u"t") {
        m_inInlineText = true;
    } else if (name == u"rPh") {
        ++m_phonetic;
    }
}

void SheetXmlReader::endElement()
{
    const QStringView name = m_xml.name();
    if (name == u"c") {
        if (m_inCell)
            storeCell();
        m_inCell = m_inValue = m_inInline = m_inInlineText = false;
    } else if (name == u"v") {
        m_inValue = false;
    } else if (name == u"is") {
        m_inInline = false;
    } else if (name == u"t") {
        m_inInlineText = false;
    } else if (name == u"rPh" && m_phonetic > 0) {
        --m_phonetic;
    }
}

void SheetXmlReader::storeCell()
{
    if (m_column < 0 || m_column >= kMaxColumns || m_row < 0)
        return; // an unreadable reference or a column no survey reaches
    Cell cell;
    std::string text; // the cell's text, which the table keeps
    if (m_type == u"s") {
        bool ok = false;
        const qulonglong index = QStringView(m_text).trimmed().toULongLong(&ok);
        if (!ok || index >= m_shared.size()) {
            TableFault fault;
            fault.row = m_row + 1;
            fault.column = m_column + 1;
            fault.text = cellText(m_text);
            fault.message = cfmt(i18n::translateFormat("Tabellenimport",
                                     "Zeile %d, Spalte %d (%s): Verweis auf den Text "
                                     "Nr. „%s“, den die Arbeitsmappe nicht enthält.")
                                     .c_str(),
                m_row + 1, m_column + 1, columnLetters(m_column + 1).c_str(),
                m_text.left(40).toStdString().c_str());
            setFault(fault);
            return;
        }
        text = m_shared[index];
    } else if (m_type == u"b") {
        text = m_text.trimmed() == u"1" ? i18n::translate("Tabellenimport", "WAHR")
                                        : i18n::translate("Tabellenimport", "FALSCH");
    } else {
        // Numbers (no type or "n") keep their C notation; strings, inline strings, the
        // string results of formulas, errors and dates are text.
        cell.number = m_type.isEmpty() || m_type == u"n";
        text = cellText(m_text);
    }
    if (text.empty())
        return;

    auto &rows = m_table.rows;
    if (rows.size() <= static_cast<std::size_t>(m_row))
        rows.resize(static_cast<std::size_t>(m_row) + 1);
    auto &cells = rows[static_cast<std::size_t>(m_row)];
    const std::size_t needed = static_cast<std::size_t>(m_column) + 1;
    if (cells.size() < needed) {
        const std::size_t added = needed - cells.size();
        if (m_table.cells + added > kMaxCells) {
            setFault(tooLargeFault());
            return;
        }
        cells.resize(needed);
        m_table.cells += added;
    }
    cell.text = m_table.keep(text);
    cells[static_cast<std::size_t>(m_column)] = cell;
}

SharedStringsReader::SharedStringsReader() = default;

bool SharedStringsReader::addData(const char *data, std::size_t size)
{
    if (m_fault)
        return false;
    const std::size_t kept = beforeNul(data, size);
    m_xml.addData(QByteArray(data, static_cast<qsizetype>(kept)));
    parse();
    if (!m_fault && kept < size) {
        m_xml.raiseError(nulFault());
        m_fault = xmlFault(m_xml, XmlPart::SharedStrings);
    }
    return !m_fault;
}

bool SharedStringsReader::finish()
{
    if (m_fault)
        return false;
    parse();
    if (!m_fault && (!m_xml.atEnd() || m_xml.hasError()))
        m_fault = xmlFault(m_xml, XmlPart::SharedStrings);
    return !m_fault;
}

void SharedStringsReader::parse()
{
    while (!m_fault && !m_xml.atEnd()) {
        const QXmlStreamReader::TokenType token = m_xml.readNext();
        if (token == QXmlStreamReader::Invalid) {
            if (m_xml.error() != QXmlStreamReader::PrematureEndOfDocumentError)
                m_fault = xmlFault(m_xml, XmlPart::SharedStrings);
            return;
        }
        const QStringView name = m_xml.name();
        if (token == QXmlStreamReader::StartElement) {
            if (name == u"si") {
                m_inItem = true;
                m_text.clear();
            } else if (m_inItem && name == u"t") {
                m_inText = true;
            } else if (name == u"rPh") {
                ++m_phonetic;
            }
        } else if (token == QXmlStreamReader::EndElement) {
            if (name == u"si" && m_inItem) {
                if (m_strings.size() >= kMaxSharedStrings) {
                    m_fault = tooLargeFault();
                    return;
                }
                m_strings.push_back(cellText(m_text));
                m_inItem = false;
            } else if (name == u"t") {
                m_inText = false;
            } else if (name == u"rPh" && m_phonetic > 0) {
                --m_phonetic;
            }
        } else if (token == QXmlStreamReader::Characters && m_inText && m_phonetic == 0) {
            appendBounded(m_text, m_xml.text());
        }
    }
}

std::optional<std::vector<SheetEntry>> readWorkbookXml(const QByteArray &xml)
{
    QXmlStreamReader reader(xml);
    std::vector<SheetEntry> sheets;
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == u"sheet") {
            SheetEntry entry;
            for (const QXmlStreamAttribute &attribute : reader.attributes()) {
                if (attribute.name() == u"name" && attribute.namespaceUri().isEmpty())
                    entry.name = cellText(attribute.value().toString());
                else if (attribute.name() == u"id"
                    && attribute.namespaceUri().contains(u"relationships"))
                    entry.relationId = attribute.value().toString().toStdString();
            }
            if (sheets.size() < 10000)
                sheets.push_back(std::move(entry));
        }
    }
    if (reader.hasError())
        return std::nullopt;
    return sheets;
}

std::optional<std::vector<Relationship>> readRelationshipsXml(const QByteArray &xml)
{
    QXmlStreamReader reader(xml);
    std::vector<Relationship> relations;
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement
            && reader.name() == u"Relationship") {
            const QXmlStreamAttributes attributes = reader.attributes();
            Relationship r;
            r.id = attributes.value(QLatin1StringView("Id")).toString().toStdString();
            const QString type = attributes.value(QLatin1StringView("Type")).toString();
            r.type = type.mid(type.lastIndexOf(u'/') + 1).toStdString();
            r.target = attributes.value(QLatin1StringView("Target")).toString().toStdString();
            if (relations.size() < 10000)
                relations.push_back(std::move(r));
        }
    }
    if (reader.hasError())
        return std::nullopt;
    return relations;
}

} // namespace exchange
