// The web page: Cascadium on a canvas, built with emscripten into one self-contained index.html.
//
// What it supplies of a shell (docs/adding-a-shell.md):
//  [x] Clock: SteadyClock.
//  [x] Loop: the browser's frame callback, stopped while the page is hidden; a 50 ms timer when
//      the callbacks stall on a shown page (web/WebPage.cpp).
//  [x] Picture: putImageData of each changed area, in bands of at most 1 MB (web/WebPage.cpp,
//      web/RgbaCopy.cpp).
//  [x] Size and lost pixels: the viewport's size in device pixels; a new pixel density alone
//      redraws the whole picture (web/PictureSize.cpp).
//  [x] Pointer: mouse, finger and pen, and the window's blur (web/PageEvents.cpp).
//  [x] Keys: KeyboardEvent.key and its modifiers.
//  [x] Options: ?world= (web/PageQuery.cpp), and its own ?saver and ?rate=tick.
//  [x] Ending: none; a page ends when it is closed.
// Left out:
//  [ ] Input in ?saver: no control, no pointer, every input ignored.
//  [ ] --help: a page has no command line to answer.
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
