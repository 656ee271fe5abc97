// The web page: Cascadium on a canvas, built with emscripten into one self-contained index.html.
#include "web/PageEvents.h"
#include "web/PageQuery.h"
#include "web/WebPage.h"

#include <emscripten/emscripten.h>

#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

// clang-format off
EM_JS(char*, page_search, (), {
    return allocateUTF8(location.search);
});
// clang-format on

// The page lives as long as the browser shows it: main returns, the callbacks go on.
std::unique_ptr<WebPage> page;

}  // namespace

// What the page's console (and the end-to-end tests) can read of the running toy.
extern "C" {
EMSCRIPTEN_KEEPALIVE int cascadium_world()
{
    return static_cast<int>(page->GetToy().CurrentWorld());
}
EMSCRIPTEN_KEEPALIVE double cascadium_steps()
{
    return static_cast<double>(page->GetToy().GetScene().StepCount());
}
EMSCRIPTEN_KEEPALIVE int cascadium_entries()
{
    return page->GetToy().GetScene().ObjectCount();
}
// What the canvas should show, to compare with it.
EMSCRIPTEN_KEEPALIVE const std::uint32_t* cascadium_picture()
{
    return page->PictureData();
}
}

int main()
{
    char* search = page_search();
    const PageQuery query = ParsePageQuery(search);
    std::free(search);
    page = std::make_unique<WebPage>(query);
    ListenToPage(*page);
    return 0;
}
