#pragma once

// When the toy's pictures are drawn and what they show.
enum class Pictures {
    // One a tick, of the state the tick left: the Windows window's pictures.
    OnePerTick,
    // One whenever the shell asks, at the display's rate, each placing the bodies where the
    // recorded steps put them ShowBehindMs (toy/StepHistory.h) before the clock's reading.
    BetweenTicks,
};
