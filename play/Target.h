#pragma once

// What the pointer was on when the player pressed or released the button (or the finger), as
// the front end finds it on its screen.
enum class Place {
    Nothing,
    Marker,     // index: the answer, 1 to 4
    Remove,     // the "-10" button
    Reveal,     // the "-50" button
    MenuTitle,  // index: a MenuTitle
    Close,      // the window's close button
    MenuItem,   // index: the item of the open menu, from 0
    BoxOk,      // the OK button of the box on top
    Box,        // anywhere else in the box on top
    Link,       // index: an AboutLink of the About box on top
};

struct Target {
    Place place = Place::Nothing;
    int index = 0;

    bool operator==(const Target& other) const { return place == other.place && index == other.index; }
    bool operator!=(const Target& other) const { return !(*this == other); }
};
