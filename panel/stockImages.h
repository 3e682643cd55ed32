// The check box and radio button pictures every panel window holds.
#pragma once

#include <vector>

// An RGB picture, one byte per component, rows from bottom to top as glDrawPixels takes them.
struct StockImage {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> pixels;
};

struct StockImages {
    StockImage checkboxOff;  // 13 x 13: a sunken white square
    StockImage checkboxOn;  // the same with a black check mark
    StockImage radioOff;  // 14 x 14: a sunken white circle on grey 192
    StockImage radioOn;  // the same with a black dot, 4 x 4 with cut corners

    // Made from the tables of the toolkit.
    StockImages();
};
