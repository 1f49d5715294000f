#pragma once

#include <vector>

namespace quivlane {

// A table as measured, found again by its number in the drawing pass.
struct HtmlTableGrid {
    struct Slot {
        bool isCell = false;  // a cell starts here
        bool taken = false;   // covered by a cell, its own or an earlier one's spans
        int columnSpan = 1;
        int rowSpan = 1;
        int width = 0;  // content or requested size plus border and padding
        int height = 0;
        int contentHeight = 0;
        int wrapWidth = 0;  // what the cell's text was wrapped at; 0: not at all
        bool fixedWidth = false;
    };
    // Where each cell of the markup went, in markup order; column -1: it found no slot.
    struct Placement {
        int row = 0;
        int column = -1;
    };
    int columns = 0;
    int rows = 0;
    std::vector<Slot> slots;  // row-major, rows x columns
    std::vector<Placement> placements;
    std::vector<int> columnWidths;
    std::vector<int> rowHeights;
    std::vector<bool> fixedColumns;

    Slot& At(int row, int column) {
        return slots[static_cast<std::size_t>(row * columns + column)];
    }
    const Slot& At(int row, int column) const {
        return slots[static_cast<std::size_t>(row * columns + column)];
    }
};

}  // namespace quivlane
