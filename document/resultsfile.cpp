// Writing and reading the results file.
#include "document/resultsfile.h"

#include "core/atomicfile.h"
#include "core/utf8.h"
#include "core/win1252.h"

#include <cstdio>
#include <memory>

namespace {

using File = std::unique_ptr<std::FILE, int (*)(std::FILE *)>;

// Appends `text` (UTF-8) as a text-mode stream writes it to the file: each "\n" becomes
// CR LF.
void appendText(std::string &out, std::string_view text)
{
    std::string bytes;
    if (!utf8::isAscii(text)) {
        bytes = win1252::fromUtf8(text);
        text = bytes;
    }
    for (const char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
}

// Splits lines as they arrive in pieces; a pending line is kept across pieces.
class LineSplitter
{
public:
    LineSplitter(StringList &out, std::size_t maxLines)
        : m_out(out)
        , m_max(maxLines)
    {
    }

    bool full() const { return m_taken >= m_max; }

    void feed(std::string_view bytes)
    {
        while (!bytes.empty() && !full()) {
            const std::size_t lf = bytes.find('\n');
            if (lf == std::string_view::npos) {
                m_line.append(bytes);
                return;
            }
            m_line.append(bytes.substr(0, lf));
            bytes.remove_prefix(lf + 1);
            if (!m_line.empty() && m_line.back() == '\r')
                m_line.pop_back();
            take();
        }
    }

    // The end of the input: a last line without a line end still counts.
    void finish()
    {
        if (!m_line.empty() && !full())
            take();
        m_line.clear();
    }

private:
    void take()
    {
        if (!utf8::isAscii(m_line))
            m_line = win1252::toUtf8(m_line);
        m_out.push_back(std::move(m_line));
        m_line.clear();
        ++m_taken;
    }

    StringList &m_out;
    std::size_t m_max;
    std::size_t m_taken = 0;
    std::string m_line;
};

} // namespace

std::string resultsText(const std::string &line)
{
    return utf8::isAscii(line) ? line : win1252::toUtf8(win1252::fromUtf8(line));
}

std::string encodeResults(const std::string &title, const StringList &entries)
{
    std::string out;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        // The title goes in only together with the first entry: an empty table gives an
        // empty file.
        if (i == 0) {
            appendText(out, title);
            appendText(out, "\n");
        }
        appendText(out, entries[i]);
        appendText(out, "\n");
    }
    return out;
}

StringList decodeResults(std::string_view bytes, std::size_t maxLines)
{
    StringList lines;
    LineSplitter splitter(lines, maxLines);
    splitter.feed(bytes);
    splitter.finish();
    return lines;
}

bool writeResultsFile(const std::string &path, const std::string &title, const StringList &entries)
{
    return atomicfile::writeFile(path, encodeResults(title, entries)).ok();
}

bool readResultsFile(const std::string &path, StringList &out)
{
    File file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file)
        return false;
    LineSplitter splitter(out, kMaxResultLines);
    char buffer[65536];
    while (!splitter.full()) {
        const std::size_t got = std::fread(buffer, 1, sizeof buffer, file.get());
        splitter.feed(std::string_view(buffer, got));
        if (got < sizeof buffer)
            break;
    }
    splitter.finish();
    return true;
}
