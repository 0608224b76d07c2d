#include "texts.h"

#include <algorithm>

namespace texts {

const Catalogue& catalogue(Language language) {
    return kLanguages[std::size_t(language)];
}

std::optional<Language> languageOf(std::string_view caption) {
    for (const Catalogue& row : kLanguages)
        if (caption == row.option1)
            return row.language;
    return std::nullopt;
}

Language nextLanguage(Language language) {
    return Language((std::size_t(language) + 1) % kLanguages.size());
}

Language startLanguage(std::string_view firstWeekdayName) {
    for (const Catalogue& row : kLanguages)
        if (std::ranges::find(row.firstWeekdays, firstWeekdayName) != row.firstWeekdays.end() &&
            !firstWeekdayName.empty())
            return row.language;
    return Language::English;
}

} // namespace texts
