#pragma once

class WebPage;

// Hands the browser's events to the page: the viewport's size, the page's visibility, and,
// unless it is the screen-saver form, the mouse (a pen comes as one), touches, keys and the
// world control.
void ListenToPage(WebPage& page);
