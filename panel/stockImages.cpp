// The stock pictures, drawn as tables of one character per pixel, top row first.
#include "stockImages.h"

#include <cstring>

namespace {

// '.' grey 192 ground, 'a' grey 128, 'k' black, 'l' grey 224, 'w' white.
struct paletteEntry {
    char key;
    unsigned char red, green, blue;
};
const paletteEntry palette[] = {
    {'.', 192, 192, 192}, {'a', 128, 128, 128}, {'k', 0, 0, 0}, {'l', 224, 224, 224}, {'w', 255, 255, 255},
};

// One row of pixels a line.
// clang-format off
const char* const checkboxOffTable[] = {
    "aaaaaaaaaaaaw",
    "akkkkkkkkkk.w",
    "akwwwwwwwww.w",
    "akwwwwwwwww.w",
    "akwwwwwwwww.w",
    "akwwwwwwwww.w",
    "akwwwwwwwww.w",
    "akwwwwwwwww.w",
    "akwwwwwwwww.w",
    "akwwwwwwwww.w",
    "akwwwwwwwww.w",
    "a...........w",
    "wwwwwwwwwwwww",
};

const char* const checkboxOnTable[] = {
    "aaaaaaaaaaaaw",
    "akkkkkkkkkk.w",
    "akwwwwwwwww.w",
    "akwwwwwwwkw.w",
    "akwwwwwwkkw.w",
    "akwkwwwkkkw.w",
    "akwkkwkkkww.w",
    "akwkkkkkwww.w",
    "akwwkkkwwww.w",
    "akwwwkwwwww.w",
    "akwwwwwwwww.w",
    "a...........w",
    "wwwwwwwwwwwww",
};

const char* const radioOffTable[] = {
    "..............",
    ".....aaaa.....",
    "...aakkkkaa...",
    "..akkwwwwkkw..",
    "..akwwwwwwlw..",
    ".akwwwwwwwwlw.",
    ".akwwwwwwwwlw.",
    ".akwwwwwwwwlw.",
    ".akwwwwwwwwlw.",
    "..akwwwwwwlw..",
    "..aklwwwwllw..",
    "...wwllllww...",
    ".....wwww.....",
    "..............",
};

const char* const radioOnTable[] = {
    "..............",
    ".....aaaa.....",
    "...aakkkkaa...",
    "..akkwwwwkkw..",
    "..akwwwwwwlw..",
    ".akwwwkkwwwlw.",
    ".akwwkkkkwwlw.",
    ".akwwkkkkwwlw.",
    ".akwwwkkwwwlw.",
    "..akwwwwwwlw..",
    "..aklwwwwllw..",
    "...wwllllww...",
    ".....wwww.....",
    "..............",
};
// clang-format on

const paletteEntry& colourOf(char key)
{
    for (const paletteEntry& entry : palette)
        if (entry.key == key) return entry;
    return palette[0];
}

template <std::size_t rows>
StockImage imageFrom(const char* const (&table)[rows])
{
    StockImage image;
    image.height = static_cast<int>(rows);
    image.width = static_cast<int>(std::strlen(table[0]));
    // Stored from the bottom row up.
    for (std::size_t row = rows; row-- > 0;)
        for (int column = 0; column < image.width; ++column) {
            const paletteEntry& colour = colourOf(table[row][column]);
            image.pixels.insert(image.pixels.end(), {colour.red, colour.green, colour.blue});
        }
    return image;
}

}  // namespace

StockImages::StockImages()
    : checkboxOff(imageFrom(checkboxOffTable)),
      checkboxOn(imageFrom(checkboxOnTable)),
      radioOff(imageFrom(radioOffTable)),
      radioOn(imageFrom(radioOnTable))
{
}
