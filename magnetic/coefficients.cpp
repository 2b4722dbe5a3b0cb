#include "magnetic/coefficients.h"

#include "magnetic/field.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace magnetic {

namespace embedded {
    extern const char wmm2025Cof[], wmm2020Cof[], wmm2015v2Cof[], igrf14Shc[];
    extern const std::size_t wmm2025CofSize, wmm2020CofSize, wmm2015v2CofSize, igrf14ShcSize;
} // namespace embedded

Coefficients::Coefficients(int degree)
    : degree(degree)
    , g(index(degree + 1, 0), 0.0)
    , h(index(degree + 1, 0), 0.0)
{
}

namespace {

    // The file's lines one at a time, without their line ends.
    class Lines
    {
    public:
        explicit Lines(std::string_view text)
            : rest_(text)
        {
        }
        bool next(std::string_view &line)
        {
            if (rest_.empty())
                return false;
            const std::size_t end = rest_.find('\n');
            line = rest_.substr(0, end);
            rest_ = end == std::string_view::npos ? std::string_view() : rest_.substr(end + 1);
            if (line.ends_with('\r'))
                line.remove_suffix(1);
            ++number_;
            return true;
        }
        int number() const { return number_; }

    private:
        std::string_view rest_;
        int number_ = 0;
    };

    // The blank- or tab-separated words of a line.
    std::vector<std::string_view> words(std::string_view line)
    {
        std::vector<std::string_view> out;
        std::size_t i = 0;
        while (i < line.size()) {
            while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
                ++i;
            const std::size_t start = i;
            while (i < line.size() && line[i] != ' ' && line[i] != '\t')
                ++i;
            if (i > start)
                out.push_back(line.substr(start, i - start));
        }
        return out;
    }

    bool number(std::string_view word, double &value)
    {
        const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
        return ec == std::errc() && end == word.data() + word.size() && std::isfinite(value);
    }

    bool integer(std::string_view word, int &value)
    {
        const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
        return ec == std::errc() && end == word.data() + word.size();
    }

    std::string lineFault(const std::string &name, int line)
    {
        return name + ": line " + std::to_string(line) + " is not a coefficient line";
    }

} // namespace

// The files are the program's own, checked by the tests: their faults are written for
// the developer who changes one, in English, and never reach a user.
Model parseCof(std::string_view text, const std::string &name, double years, std::string &error)
{
    Model model;
    model.name = name;
    Lines lines(text);
    std::string_view line;
    double epoch = 0;
    if (!lines.next(line)) {
        error = name + ": empty file";
        return {};
    }
    const auto header = words(line);
    std::string headerName = header.size() >= 2 ? std::string(header[1]) : std::string();
    std::erase(headerName, '-');
    if (header.size() != 3 || !number(header[0], epoch) || headerName != name) {
        error = name + ": the header does not name " + name;
        return {};
    }
    constexpr int kMaxDegree = 12;
    Coefficients main(kMaxDegree), secular(kMaxDegree);
    std::vector<bool> seen(Coefficients::index(kMaxDegree + 1, 0), false);
    bool closed = false;
    while (lines.next(line)) {
        if (line.starts_with("9999")) {
            closed = true;
            break;
        }
        const auto w = words(line);
        int n = 0, m = 0;
        double g = 0, h = 0, gRate = 0, hRate = 0;
        if (w.size() != 6 || !integer(w[0], n) || !integer(w[1], m) || n < 1 || n > kMaxDegree
            || m < 0 || m > n || !number(w[2], g) || !number(w[3], h) || !number(w[4], gRate)
            || !number(w[5], hRate) || seen[Coefficients::index(n, m)]) {
            error = lineFault(name, lines.number());
            return {};
        }
        const std::size_t k = Coefficients::index(n, m);
        seen[k] = true;
        main.g[k] = g;
        main.h[k] = h;
        secular.g[k] = gRate;
        secular.h[k] = hRate;
    }
    const auto count = std::count(seen.begin(), seen.end(), true);
    if (!closed || count != static_cast<long>(Coefficients::index(kMaxDegree + 1, 0)) - 1) {
        error = name + ": the coefficients are incomplete";
        return {};
    }
    model.epochs = { epoch };
    model.main = { std::move(main) };
    model.secular = std::move(secular);
    model.validFrom = epoch;
    model.validUntil = epoch + years;
    return model;
}

Model parseShc(std::string_view text, const std::string &name, std::string &error)
{
    Model model;
    model.name = name;
    Lines lines(text);
    std::string_view line;
    std::vector<std::string_view> w;
    // The comment lines, then the parameters.
    while (lines.next(line)) {
        w = words(line);
        if (!w.empty() && !w.front().starts_with('#'))
            break;
    }
    int minDegree = 0, maxDegree = 0, count = 0;
    if (w.size() < 7 || !integer(w[0], minDegree) || !integer(w[1], maxDegree)
        || !integer(w[2], count) || minDegree != 1 || maxDegree < 1 || maxDegree > 20
        || count < 2) {
        error = name + ": no parameter line";
        return {};
    }
    if (!lines.next(line) || (w = words(line)).size() != static_cast<std::size_t>(count)) {
        error = name + ": no line of epochs";
        return {};
    }
    for (std::string_view word : w) {
        double year = 0;
        if (!number(word, year) || (!model.epochs.empty() && year <= model.epochs.back())) {
            error = name + ": the epochs are not ascending years";
            return {};
        }
        model.epochs.push_back(year);
    }
    model.main.assign(count, Coefficients(maxDegree));
    std::vector<int> seen(Coefficients::index(maxDegree + 1, 0), 0); // 1: g, 2: g and h
    int previousN = 0, previousM = -1;
    while (lines.next(line)) {
        w = words(line);
        if (w.empty())
            continue;
        int n = 0, m = 0;
        if (w.size() != static_cast<std::size_t>(count) + 2 || !integer(w[0], n)
            || !integer(w[1], m) || n < 1 || n > maxDegree || std::abs(m) > n) {
            error = lineFault(name, lines.number());
            return {};
        }
        const std::size_t k = Coefficients::index(n, std::abs(m));
        // The sine term: a negative order, or the second line of a positive one.
        const bool sine = m < 0 || (m > 0 && n == previousN && m == previousM);
        if (seen[k] != (sine ? 1 : 0)) {
            error = lineFault(name, lines.number());
            return {};
        }
        seen[k] = sine || m == 0 ? 2 : 1;
        for (int e = 0; e < count; ++e) {
            double value = 0;
            if (!number(w[e + 2], value)) {
                error = lineFault(name, lines.number());
                return {};
            }
            (sine ? model.main[e].h : model.main[e].g)[k] = value;
        }
        previousN = n;
        previousM = sine ? -1 : std::abs(m);
    }
    if (std::count(seen.begin() + 1, seen.end(), 2) != static_cast<long>(seen.size()) - 1) {
        error = name + ": the coefficients are incomplete";
        return {};
    }
    model.validFrom = model.epochs.front();
    model.validUntil = model.epochs.back();
    return model;
}

namespace {

    std::vector<Model> readShippedModels()
    {
        struct Source
        {
            const char *text;
            std::size_t size;
            const char *name;
            bool cof;
        };
        const Source sources[] = {
            { embedded::wmm2025Cof, embedded::wmm2025CofSize, "WMM2025", true },
            { embedded::wmm2020Cof, embedded::wmm2020CofSize, "WMM2020", true },
            { embedded::wmm2015v2Cof, embedded::wmm2015v2CofSize, "WMM2015v2", true },
            { embedded::igrf14Shc, embedded::igrf14ShcSize, "IGRF-14", false },
        };
        std::vector<Model> models;
        for (const Source &s : sources) {
            std::string error;
            // Each World Magnetic Model holds for the five years after its epoch.
            Model model = s.cof ? parseCof({ s.text, s.size }, s.name, 5.0, error)
                                : parseShc({ s.text, s.size }, s.name, error);
            // A faulty file compiled into the program is a fault of the build, not of any
            // input: the tests read every model and fail on it first.
            if (!error.empty())
                std::abort();
            models.push_back(std::move(model));
        }
        return models;
    }

} // namespace

const std::vector<Model> &shippedModels()
{
    static const std::vector<Model> models = readShippedModels();
    return models;
}

const Model *modelForYear(double year)
{
    if (!(year >= kFirstYear && year <= kLastYear))
        return nullptr;
    const std::vector<Model> &models = shippedModels();
    // The newest model whose span begins at or before the year: IGRF-14 spans them all,
    // but before 2015 only it is left.
    for (const Model &model : models) {
        if (year >= model.validFrom && year <= model.validUntil)
            return &model;
    }
    return nullptr;
}

} // namespace magnetic
