#include "web/PageQuery.h"

#include "scene/WorldTable.h"

PageQuery ParsePageQuery(std::string_view search)
{
    PageQuery query;
    if (!search.empty() && search.front() == '?') search.remove_prefix(1);
    while (!search.empty()) {
        const auto end = search.find('&');
        const std::string_view part = search.substr(0, end);
        search = end == std::string_view::npos ? std::string_view() : search.substr(end + 1);

        const auto equals = part.find('=');
        const std::string_view name = part.substr(0, equals);
        const std::string_view value = equals == std::string_view::npos ? std::string_view() : part.substr(equals + 1);
        if (name == "saver") {
            query.saver = true;
        } else if (name == "world") {
            if (const auto world = WorldOfShortName(value)) query.world = *world;
        } else if (name == "rate") {
            query.pictures = value == "tick" ? Pictures::OnePerTick : Pictures::BetweenTicks;
        }
    }
    return query;
}
