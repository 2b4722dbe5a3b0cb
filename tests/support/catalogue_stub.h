// A catalogue of a few entries for the Qt-free layers' tests: installed for the lifetime
// of the object, removed again afterwards, so that every other test sees the German
// sources. The real catalogue and its completeness are tested with the programs.
#pragma once

#include "i18n/i18n.h"

#include <map>
#include <string>
#include <utility>

class CatalogueStub
{
public:
    using Entries = std::map<std::pair<std::string, std::string>, std::string>;

    explicit CatalogueStub(Entries entries)
        : m_entries(std::move(entries))
    {
        i18n::setCatalogue([this](const char *context, const char *source) {
            const auto found = m_entries.find({ context, source });
            return found == m_entries.end() ? std::nullopt
                                            : std::optional<std::string>(found->second);
        });
    }
    ~CatalogueStub() { i18n::setCatalogue({}); }
    CatalogueStub(const CatalogueStub &) = delete;
    CatalogueStub &operator=(const CatalogueStub &) = delete;

private:
    Entries m_entries;
};
